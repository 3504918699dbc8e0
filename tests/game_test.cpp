// The built program on pipes, as a script or another program would drive it
// (the screens are checked in-process): a whole game with every command, saved,
// resumed in a second run and ended, in the C locale and in a UTF-8 one, and the
// files it leaves, byte for byte; and the program writing to a pipe that does
// not take everything at once. VASKI_PROGRAM, when set, is the command
// that runs another build of it (such as "wine-run /abs/path/vaskipiikkikisa.exe").
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <regex>

#include "support/test_support.h"

namespace {

// Made plain: every line end a line feed (a port may write carriage returns
// before them), today's date by the test's own clock and every date of a file
// name D, every time T (a second run within the same second numbers its file).
std::string plain(std::string text) {
    const std::time_t now = std::time(nullptr);
    std::tm today{};
    localtime_r(&now, &today);
    const std::string date = std::to_string(today.tm_mday) + "\\." +
                             std::to_string(today.tm_mon + 1) + "\\." +
                             std::to_string(today.tm_year + 1900);
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    text = std::regex_replace(text, std::regex(date + R"(|\d{8})"), "D");
    return std::regex_replace(text, std::regex(R"(\d\d[:.]\d\d[:.]\d\d(_2)?)"), "T");
}

const char* const GIVEN = std::getenv("VASKI_PROGRAM");
const std::string PROGRAM = GIVEN != nullptr ? GIVEN : VASKI_BINARY;

// What the program showed for `input` in `locale`, made plain.
std::string run(const std::string& input, const std::string& locale) {
    writeFile("typed", input);
    const std::string command = "cat typed | LC_ALL=" + locale + " " + PROGRAM + " >shown";
    EXPECT_EQ(std::system(command.c_str()), 0);
    return plain(fileContents("shown"));
}

// Runs the program on `input` with its output into a pipe of one page,
// non-blocking when `nonBlocking`; reads it after a pause, or closes it unread.
// The exit status, and what was read.
std::pair<int, std::string> runIntoPipe(const std::string& input, bool nonBlocking, bool read) {
    writeFile("typed", input);
    int ends[2];
    EXPECT_EQ(pipe(ends), 0);
    fcntl(ends[1], F_SETPIPE_SZ, 4096);
    if (nonBlocking)
        fcntl(ends[1], F_SETFL, O_NONBLOCK);
    const pid_t child = fork();
    if (child == 0) {
        dup2(open("typed", O_RDONLY), STDIN_FILENO);
        dup2(ends[1], STDOUT_FILENO);
        close(ends[0]);
        setenv("LC_ALL", "C", 1);
        execl(VASKI_BINARY, VASKI_BINARY, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ends[1]);
    std::string shown;
    if (read) {
        usleep(300000);
        char buffer[4096];
        for (ssize_t count; (count = ::read(ends[0], buffer, sizeof buffer)) > 0;)
            shown.append(buffer, static_cast<std::size_t>(count));
    }
    close(ends[0]);
    int status = -1;
    waitpid(child, &status, 0);
    return {status, shown};
}

}  // namespace

TEST(Game, PlayedSavedResumedAndEnded) {
    // A Windows console program writes its own bytes whatever the locale says.
    const bool converts = PROGRAM.find(".exe") == std::string::npos;
    for (const std::string locale : {"C", "C.UTF-8"}) {
        ScratchDir dir;
        // Round 2 is entered twice (H), Liisa withdraws, Eero joins and Liisa is
        // recalled; the second run resumes the only saved game unasked. Both
        // records are left, dated today, and both results files are reported.
        std::string shown = run(
            "Matti\nLiisa\n\n\n5\n7\nN\nS\nJ\n8\nH\n\n4\nV\nU\nEero\nU\nliisa\n\nT\nIlta\n\nL\n\n",
            locale);
        shown += run("J\nS\n3\n8\n9\nT\n\nl\n\n", locale);
        const std::string pause = "Jatka painamalla mitä tahansa näppäintä . . . \n";
        EXPECT_EQ(occurrences(shown, "tiedostoon:\nvaskipiikkikisa_tulokset_D_T.txt\n" +
                                         (locale == "C" || !converts ? cp850(pause) : pause)),
                  2u)
            << shown;
        EXPECT_EQ(
            plain(fileContents("vaskipiikkikisa_tallennukset.dat")),
            "\n\nIlta (D, kierros 2)\n2\nD\nT\n50\n3\nMatti\n0\n5 4 \nLiisa\n0\n7 1001 \nEero\n0\n"
            "1001 1001 \n\n\n\nIlta (D, kierros 3)\n3\nD\nT\n50\n3\nMatti\n0\n5 4 3 \nLiisa\n0\n"
            "7 1001 8 \nEero\n0\n1001 1001 9 \n\n");
    }
}

// Everything shown arrives, however long the reader waits; a closed output
// ends the game as the end of input does, with exit status 0.
TEST(Output, WholeWhenTheReaderWaitsAndEndedWhenItIsGone) {
    ScratchDir dir;
    // So many rounds that the history alone is longer than the pipe.
    std::string game = "Matti\n\n\n";
    for (int round = 1; round <= 150; ++round)
        game += std::to_string(round % 50) + (round < 150 ? "\n\n" : "\n");
    game += "N\nL\n\n";
    const auto [status, shown] = runIntoPipe(game, true, true);
    EXPECT_EQ(status, 0);
    std::string winners;
    for (int round = 1; round <= 150; ++round)
        winners += "  Kierros " + std::to_string(round) + ": " +
                   (round % 50 == 0 ? "Ei parasta tulosta.\n"
                                    : "Matti tuloksella " + std::to_string(round % 50) + "\n");
    EXPECT_NE(shown.find(winners + "\n" + "\nValitse: "), std::string::npos);
    EXPECT_NE(shown.find("Tulokset tallennettu tiedostoon:\nvaskipiikkikisa_tulokset_"),
              std::string::npos);
    EXPECT_EQ(runIntoPipe(game, false, false).first, 0);
}
