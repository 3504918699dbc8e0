// The program on a pseudo-terminal under a shell with job control: a name in
// the terminal's set keeps its column, the pause takes one key however its
// bytes arrive, and a signal during the wait leaves the terminal's mode as it was.
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include "support/test_support.h"

namespace {

const std::string PAUSED = "Pelaajaa ei lisätty.\r\nJatka painamalla mitä tahansa näppäintä . . . ";
const std::string STANDINGS = "\r\n" + CLEAR + "Tilanne kierroksen 1 jälkeen: ";

// bash with job control on a new pseudo-terminal, LC_ALL=C.UTF-8 and the prompt
// "shell$ ", driven step by step and killed at the end.
struct Shell {
    Shell() {
        winsize size{40, 100, 0, 0};
        pid = forkpty(&terminal, nullptr, nullptr, &size);
        if (pid == 0) {
            setenv("LC_ALL", "C.UTF-8", 1);
            setenv("PS1", "shell$ ", 1);
            execl("/bin/bash", "bash", "--norc", "--noprofile", "--noediting", "-i", nullptr);
            _exit(127);
        }
    }
    ~Shell() {
        close(terminal);
        if (pid > 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
    }
    void send(const std::string& keys) {
        EXPECT_EQ(write(terminal, keys.data(), keys.size()), ssize_t(keys.size()));
    }
    // Reads output until `text` appears after the previous match and moves past
    // it; false when the output ends or five seconds pass first.
    bool waitFor(const std::string& text) {
        std::size_t at;
        for (int tries = 0; (at = output.find(text, seen)) == std::string::npos; ++tries) {
            pollfd fd{terminal, POLLIN, 0};
            char buffer[65536];
            const ssize_t count = poll(&fd, 1, 20) > 0 ? read(terminal, buffer, sizeof buffer) : 0;
            if (tries > 250 || count < 0) {
                return false;
            }
            output.append(buffer, std::size_t(count));
        }
        seen = at + text.size();
        return true;
    }
    // The terminal's settings, as bytes to compare.
    std::string mode() const {
        termios now{};
        tcgetattr(terminal, &now);
        return std::string(reinterpret_cast<const char*>(&now), sizeof now);
    }
    pid_t pid = -1;
    int terminal = -1;     // the controlling side: keys in, output and mode out
    std::string output;    // everything shown so far, the echo too
    std::size_t seen = 0;  // where the next waitFor starts looking
};

// Once the terminal reads keys one by one without echo, sends the key in parts
// a moment apart.
void pressKey(Shell& shell, const std::vector<std::string>& parts) {
    termios now{};
    for (int wait = 0; tcgetattr(shell.terminal, &now) == 0 && (now.c_lflag & (ICANON | ECHO));
         ++wait) {
        ASSERT_LT(wait, 500);
        usleep(10000);
    }
    for (const std::string& part : parts) {
        usleep(30000);
        shell.send(part);
    }
}

// U with an empty name: the message, the pause, then the key.
void keyAtThePause(Shell& shell, const std::vector<std::string>& parts) {
    ASSERT_TRUE(shell.waitFor("Valintasi (S/N/H/U/T/L): "));
    shell.send("U\r\r");
    ASSERT_TRUE(shell.waitFor(PAUSED));
    pressKey(shell, parts);
}

}  // namespace

TEST(Terminal, CharsetsPauseAndSignals) {
    ScratchDir dir;
    Shell shell;
    ASSERT_TRUE(shell.pid > 0 && shell.waitFor("shell$ "));
    const std::string lineMode = shell.mode();
    // A locale that is not installed still names the terminal's character set.
    shell.send("LC_ALL=fi_FI.UTF-8@euro " + std::string(VASKI_BINARY) + "\rÄijä\r\r\r7\r");
    ASSERT_TRUE(shell.waitFor("Äijä           7       7        7.00 "));
    // A key of four UTF-8 bytes, three of them first, and an arrow key
    // (Ctrl-Up) in three parts: each one key, neither echoed nor left over.
    ASSERT_NO_FATAL_FAILURE(keyAtThePause(shell, {"\xF0\x9F\x8E", "\xAF"}));
    ASSERT_TRUE(shell.waitFor(STANDINGS));
    EXPECT_NE(shell.output.find(PAUSED + STANDINGS), std::string::npos);
    ASSERT_NO_FATAL_FAILURE(keyAtThePause(shell, {"\x1b", "[", "1;5A"}));
    ASSERT_TRUE(shell.waitFor(STANDINGS));
    // Ctrl-Z hands the shell its line mode back; fg brings the wait back.
    ASSERT_NO_FATAL_FAILURE(keyAtThePause(shell, {"\x1a"}));
    ASSERT_TRUE(shell.waitFor("shell$ "));
    EXPECT_EQ(shell.mode(), lineMode);
    shell.send("fg\r");
    ASSERT_NO_FATAL_FAILURE(pressKey(shell, {"x"}));
    ASSERT_TRUE(shell.waitFor(STANDINGS));
    // Ctrl-C ends the program with the line mode restored.
    ASSERT_NO_FATAL_FAILURE(keyAtThePause(shell, {"\x03"}));
    ASSERT_TRUE(shell.waitFor("shell$ "));
    EXPECT_EQ(shell.mode(), lineMode);
    // In the C locale a terminal is taken to speak UTF-8 (the game was kept).
    shell.send("LC_ALL=C " + std::string(VASKI_BINARY) + "\rA\rÄijä\r\r\r7\r");
    ASSERT_TRUE(shell.waitFor("Äijä           7       7        7.00 "));
}
