// The program on a pseudo-terminal under a shell with job control: a name
// typed in the terminal's character set keeps its column, the pause takes one
// key without Enter however its bytes arrive, and a signal during the wait
// leaves the terminal in the mode it had.
#include <gtest/gtest.h>
#include <termios.h>
#include <unistd.h>

#include "support/session.h"
#include "support/test_support.h"

namespace {

const std::string PAUSED = "Pelaajaa ei lisätty.\r\nJatka painamalla mitä tahansa näppäintä . . . ";
const std::string STANDINGS = std::string("\r\n") + CLEAR + "Tilanne kierroksen 1 jälkeen: ";

std::string mode(const Session& session) {
    termios now{};
    tcgetattr(session.terminal, &now);
    return std::to_string(now.c_iflag) + " " + std::to_string(now.c_oflag) + " " +
           std::to_string(now.c_lflag) + " " + std::string(now.c_cc, now.c_cc + NCCS);
}

// Once the terminal reads keys one by one without echo, sends the key in parts
// a moment apart.
void pressKey(Session& shell, const std::vector<std::string>& parts) {
    termios now{};
    for (int wait = 0; tcgetattr(shell.terminal, &now) == 0 && (now.c_lflag & (ICANON | ECHO));
         ++wait) {
        ASSERT_LT(wait, 500);
        usleep(10000);
    }
    for (const std::string& part : parts) {
        usleep(30000);
        send(shell, part);
    }
}

// U with an empty name: the message, the pause, then the key.
void keyAtThePause(Session& shell, const std::vector<std::string>& parts) {
    ASSERT_TRUE(waitFor(shell, "Valintasi (S/N/H/U/T/L): "));
    send(shell, "U\r\r");
    ASSERT_TRUE(waitFor(shell, PAUSED));
    pressKey(shell, parts);
}

}  // namespace

TEST(Terminal, CharsetsPauseAndSignals) {
    ScratchDir dir;
    Session shell;
    ASSERT_TRUE(startShell(shell));
    ASSERT_TRUE(waitFor(shell, "shell$ "));
    const std::string lineMode = mode(shell);
    // An older Finnish set-up in ISO 8859-15 gets its own bytes both ways; the
    // euro sign has no place in the console's code page.
    send(shell, "LC_ALL=fi_FI.ISO-8859-15@euro " + std::string(VASKI_BINARY) + "\r");
    ASSERT_TRUE(waitFor(shell, "Anna heitt\xE4j\xE4 1: "));
    send(shell, "V\xE4in\xF6\xA4\r\r\r7\r");
    ASSERT_TRUE(waitFor(shell, "\r\nV\xE4in\xF6?         7       7 "));
    send(shell, "\x04");
    ASSERT_TRUE(waitFor(shell, "shell$ "));
    // A locale that is not installed still names the terminal's character set.
    // A starts a new game beside the one the first run left to resume.
    send(shell, "LC_ALL=fi_FI.UTF-8@euro " + std::string(VASKI_BINARY) + "\rA\rÄijä\r\r\r7\r");
    ASSERT_TRUE(waitFor(shell, "Äijä           7       7        7.00 "));
    // A key of four UTF-8 bytes, three of them first, and an arrow key
    // (Ctrl-Up) in three parts: each one key, neither echoed nor left over.
    ASSERT_NO_FATAL_FAILURE(keyAtThePause(shell, {"\xF0\x9F\x8E", "\xAF"}));
    ASSERT_TRUE(waitFor(shell, STANDINGS));
    EXPECT_NE(shell.output.find(PAUSED + STANDINGS), std::string::npos);
    ASSERT_NO_FATAL_FAILURE(keyAtThePause(shell, {"\x1b", "[1", ";5A"}));
    ASSERT_TRUE(waitFor(shell, STANDINGS));
    // Ctrl-Z hands the shell its line mode back; fg brings the wait back.
    ASSERT_NO_FATAL_FAILURE(keyAtThePause(shell, {"\x1a"}));
    ASSERT_TRUE(waitFor(shell, "shell$ "));
    EXPECT_EQ(mode(shell), lineMode);
    send(shell, "fg\r");
    ASSERT_NO_FATAL_FAILURE(pressKey(shell, {"x"}));
    ASSERT_TRUE(waitFor(shell, STANDINGS));
    // Ctrl-C ends the program with the line mode restored.
    ASSERT_NO_FATAL_FAILURE(keyAtThePause(shell, {"\x03"}));
    ASSERT_TRUE(waitFor(shell, "shell$ "));
    EXPECT_EQ(mode(shell), lineMode);
}
