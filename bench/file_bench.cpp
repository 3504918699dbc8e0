// The start of the built program beside saved-games files of hostile size, in
// a temporary directory removed afterwards: a file of 1,000,000 records (the
// list read, shown in full, and the last game loaded), and a file holding one
// line of 1 GiB. Prints the elapsed time and the peak memory of each start.
// Usage: file_bench [program]
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "program_run.h"

namespace {

constexpr int RECORDS = 1000000;
constexpr long long LINE_BYTES = 1LL << 30;

// Runs the program in `directory` with `typed` as its input.
ProgramRun runTyped(const std::string& program, const std::string& directory,
                    const std::string& typed) {
    const std::string input = directory + "/typed";
    std::ofstream(input, std::ios::binary) << typed;
    const ProgramRun run = runProgram(program, directory, input, "C");
    std::remove(input.c_str());
    return run;
}

void report(const char* what, const ProgramRun& run) {
    std::printf("  %-52s %6.2f s  %7.1f MB%s\n", what, run.seconds, run.peakKilobytes / 1024.0,
                run.ok ? "" : "  (did not end with status 0)");
}

}  // namespace

int main(int argc, char** argv) {
    const std::string program = argc > 1 ? argv[1] : VASKI_BINARY;
    char pattern[] = "/tmp/vaski_file_bench.XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string directory = pattern;
    const std::string saved = directory + "/vaskipiikkikisa_tallennukset.dat";
    {
        std::ofstream file(saved, std::ios::binary);
        for (int i = 0; i < RECORDS; ++i) {
            file << "\n\nIlta (6.12.2026, kierros 1)\n1\n6.12.2026\n19:05:12\n50\n1\nMatti\n0\n5 "
                    "\n\n";
        }
    }
    std::printf("Saved-games files of hostile size (elapsed time, peak memory):\n");
    report("1,000,000 records (68 MB): listed, A", runTyped(program, directory, "A\n"));
    report("1,000,000 records: listed, shown, the last loaded",
           runTyped(program, directory, "J\n1000000\n"));
    {
        std::ofstream file(saved, std::ios::binary | std::ios::trunc);
        file << "\n\n";
        const std::string block(1 << 20, 'x');
        for (long long written = 0; written < LINE_BYTES; written += block.size()) {
            file << block;
        }
        file << "\n";
    }
    report("one line of 1 GiB: read past", runTyped(program, directory, "A\n"));
    std::remove(saved.c_str());
    const std::string removeAll = "rm -rf '" + directory + "'";
    return std::system(removeAll.c_str()) == 0 ? 0 : 1;
}
