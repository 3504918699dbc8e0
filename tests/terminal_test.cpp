// The program on a (pseudo-)terminal, under a shell with job control: the
// pause takes one key without Enter, however its bytes arrive, and a signal
// during the wait leaves the terminal's mode as it was.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "support/session.h"
#include "support/test_support.h"

namespace {

const std::string PAUSED = "Pelaajaa ei lisätty.\r\nJatka painamalla mitä tahansa näppäintä . . . ";
const std::string STANDINGS = std::string("\r\n") + CLEAR + "Tilanne kierroksen 1 jälkeen: ";

// U with an empty name: the message and the pause, waiting for its key.
void pauseAtTheMenu(Session& shell) {
    ASSERT_TRUE(waitFor(shell, "Valintasi (S/N/H/U/T/L): "));
    send(shell, "U\r\r");
    ASSERT_TRUE(waitFor(shell, PAUSED));
    ASSERT_TRUE(waitForKeyMode(shell));
}

}  // namespace

TEST(Terminal, PauseTakesOneKeyAndSignalsLeaveTheModeAsItWas) {
    ScratchDir dir;
    Session shell;
    ASSERT_TRUE(startOnTerminal(shell, {"/bin/bash", "--norc", "--noprofile", "--noediting", "-i"},
                                "PS1=shell$ "));
    ASSERT_TRUE(waitFor(shell, "shell$ "));
    const termios lineMode = terminalMode(shell);
    send(shell, std::string(VASKI_BINARY) + "\rÄijä\r\r\r7\r");
    ASSERT_TRUE(waitFor(shell, "Äijä           7       7        7.00 "));
    // A key of four UTF-8 bytes, three of them first: one key, neither echoed
    // nor left over to spoil the next answer.
    ASSERT_NO_FATAL_FAILURE(pauseAtTheMenu(shell));
    send(shell, "\xF0\x9F\x8E");
    usleep(30000);
    send(shell, "\xAF");
    ASSERT_TRUE(waitFor(shell, STANDINGS));
    EXPECT_EQ(shell.output.find(PAUSED + STANDINGS), shell.seen - PAUSED.size() - STANDINGS.size());
    // Ctrl-Z gives the shell its line mode back; fg brings the wait for a key back.
    ASSERT_NO_FATAL_FAILURE(pauseAtTheMenu(shell));
    send(shell, "\x1a");
    ASSERT_TRUE(waitFor(shell, "shell$ "));
    EXPECT_TRUE(sameMode(terminalMode(shell), lineMode));
    send(shell, "fg\r");
    ASSERT_TRUE(waitForKeyMode(shell));
    send(shell, "x");
    ASSERT_TRUE(waitFor(shell, STANDINGS));
    // Ctrl-C ends the program with the line mode restored.
    ASSERT_NO_FATAL_FAILURE(pauseAtTheMenu(shell));
    send(shell, "\x03");
    ASSERT_TRUE(waitFor(shell, "shell$ "));
    EXPECT_TRUE(sameMode(terminalMode(shell), lineMode));
    send(shell, "exit\r");
    EXPECT_TRUE(finish(shell));
}
