// The built program writing to a pipe that does not take everything at once:
// a non-blocking pipe of one page whose reader pauses, and a pipe closed
// before anything is read.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/test_support.h"

namespace {

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
