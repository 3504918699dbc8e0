// A whole game through the built program: 20 throwers and 2,000 rounds typed
// from a script (skips, a withdrawal and its recall, two discarded rounds, the
// history, ended with L), output to /dev/null, in a temporary directory that
// is removed afterwards. Prints the median time of several runs, the peak
// memory of the program and the size of the results page, when one is written.
// Usage: game_bench [runs] [program]; the game is played in LC_ALL=C, then in
// LC_ALL=C.UTF-8.
#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "program_run.h"

namespace {

constexpr int THROWERS = 20;
constexpr int ROUNDS = 2000;
constexpr int QUITTER = 6;  // withdraws in round 300, recalled after round 1200

// One round's answers; the withdrawn thrower is not asked.
void typeRound(std::ostringstream& script, int round, bool quitterOut, std::mt19937& random) {
    std::uniform_int_distribution<int> points(0, 50);
    std::uniform_int_distribution<int> skip(0, 19);
    for (int t = 0; t < THROWERS; ++t) {
        if (t == QUITTER && round == 300) {
            script << "V\n";
        } else if (!(t == QUITTER && quitterOut)) {
            script << (skip(random) == 0 ? std::string("J") : std::to_string(points(random)))
                   << "\n";
        }
    }
}

std::string name(int t) {
    return (t % 3 == 0 ? "P\x84ivi " : "Heitt\x84j\x84 ") + std::to_string(t);
}

std::string gameScript() {
    std::ostringstream script;
    std::mt19937 random(20261206);
    for (int t = 0; t < THROWERS; ++t) {
        script << name(t) << "\n";
    }
    script << "\n\n";  // end of the names; the default maximum of 50
    bool quitterOut = false;
    for (int round = 1; round <= ROUNDS; ++round) {
        typeRound(script, round, quitterOut, random);
        quitterOut = quitterOut || round == 300;
        if (round == 500 || round == 1500) {  // discard the round and type it again
            script << "H\n\n";
            typeRound(script, round, quitterOut, random);
        }
        if (round == 1000 || round == ROUNDS) {
            script << "N\n";
        }
        if (round == 1200) {  // a name already playing, then the recall; each pauses
            script << "U\n" << name(0) << "\n\nU\n" << name(QUITTER) << "\n\n";
            quitterOut = false;
        }
        script << (round == ROUNDS ? "L\n\n" : "\n");
    }
    return script.str();
}

// Removes the results file and page of one run; true when the file holds every
// round and no more. `pageBytes` gets the page's size, 0 without a page.
bool checkAndRemoveResults(const std::string& directory, std::size_t& pageBytes) {
    bool complete = false;
    pageBytes = 0;
    DIR* dir = opendir(directory.c_str());
    while (dirent* entry = dir != nullptr ? readdir(dir) : nullptr) {
        const std::string file = entry->d_name;
        if (file.rfind("vaskipiikkikisa_", 0) != 0) {
            continue;
        }
        const std::string path = directory + "/" + file;
        std::ifstream stream(path, std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(stream)), {});
        if (file.size() > 5 && file.compare(file.size() - 5, 5, ".html") == 0) {
            pageBytes = text.size();
        } else if (file.size() > 4 && file.compare(file.size() - 4, 4, ".txt") == 0) {
            complete = text.find("  Kierros 2000: ") != std::string::npos &&
                       text.find("  Kierros 2001: ") == std::string::npos;
        }
        std::remove(path.c_str());
    }
    if (dir != nullptr) {
        closedir(dir);
    }
    return complete;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const std::string program = argc > 2 ? argv[2] : VASKI_BINARY;
    char pattern[] = "/tmp/vaski_game_bench.XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string directory = pattern;
    const std::string input = directory + "/script.txt";
    const std::string script = gameScript();
    std::ofstream(input, std::ios::binary) << script;

    // Piped, the C locale passes the bytes unchanged, while a UTF-8 locale
    // converts every line: both must take the typed-ahead lines first.
    bool ok = true;
    for (const char* locale : {"C", "C.UTF-8"}) {
        std::vector<double> seconds;
        std::vector<double> cpuSeconds;
        long peak = 0;
        std::size_t pageBytes = 0;
        for (int i = 0; i < runs && ok; ++i) {
            const ProgramRun run = runProgram(program, directory, input, locale);
            ok = run.ok && checkAndRemoveResults(directory, pageBytes);
            seconds.push_back(run.seconds);
            cpuSeconds.push_back(run.cpuSeconds);
            peak = std::max(peak, run.peakKilobytes);
        }
        if (!ok) {
            std::fprintf(stderr, "The scripted game did not end with a complete results file.\n");
            break;
        }
        std::sort(seconds.begin(), seconds.end());
        std::sort(cpuSeconds.begin(), cpuSeconds.end());
        std::printf("Whole game, %d throwers x %d rounds (%zu bytes typed), LC_ALL=%s, %d runs:\n",
                    THROWERS, ROUNDS, script.size(), locale, runs);
        std::printf("  median %.3f s (fastest %.3f s, slowest %.3f s)\n",
                    seconds[seconds.size() / 2], seconds.front(), seconds.back());
        std::printf("  median CPU time %.3f s (user and system; less disturbed by other load)\n",
                    cpuSeconds[cpuSeconds.size() / 2]);
        std::printf("  peak memory %.1f MB (largest resident set of the runs)\n", peak / 1024.0);
        if (pageBytes != 0) {
            std::printf("  results page %zu bytes\n", pageBytes);
        }
    }
    std::remove(input.c_str());
    rmdir(directory.c_str());
    return ok ? 0 : 1;
}
