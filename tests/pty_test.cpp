// The program on a real (pseudo-)terminal with a UTF-8 locale, seen as the
// operator sees it: what is typed in UTF-8 comes back in UTF-8, while the
// files keep their own single-byte encodings.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <string>

#include "support/pty.h"
#include "support/test_support.h"

namespace {

const std::string PAUSE_SHOWN = "Jatka painamalla mitä tahansa näppäintä . . . ";
const std::string MENU_PROMPT = "Valintasi (S/N/H/U/T/L): ";

// Starts the program and enters the names and the default maximum score; the
// first round's prompt for the first thrower is then waiting.
void startGame(PtySession& session, const std::vector<std::string>& names) {
    ASSERT_TRUE(startOnPty(session, {VASKI_BINARY}));
    for (std::size_t i = 0; i < names.size(); ++i) {
        ASSERT_TRUE(expect(session, "Anna heittäjä " + std::to_string(i + 1) + ": "));
        type(session, names[i] + "\r");
    }
    ASSERT_TRUE(expect(session, "Anna heittäjä " + std::to_string(names.size() + 1) + ": "));
    type(session, "\r");
    ASSERT_TRUE(expect(session, "Anna maksimitulos (oletus = 50): "));
    type(session, "\r");
    ASSERT_TRUE(expect(session, std::string(CLEAR) + "Kierros 1 alkaa. \r\n"));
}

// Every standings display comes right after the screen-clearing bytes.
std::size_t standingsAfterClear(const std::string& screen) {
    std::size_t count = 0;
    for (std::size_t at = screen.find("Tilanne kierroksen"); at != std::string::npos;
         at = screen.find("Tilanne kierroksen", at + 1)) {
        EXPECT_EQ(screen.rfind(CLEAR, at), at - std::string(CLEAR).size());
        ++count;
    }
    return count;
}

TEST(Terminal, NamesTypedInUtf8ComeBackInUtf8InTheirColumns) {
    ScratchDir dir;
    PtySession session;
    ASSERT_TRUE(startOnPty(session, {VASKI_BINARY}));
    const termios before = terminalMode(session);
    // Only a to z are folded: äijä differs from Äijä, MATTI equals Matti.
    const struct {
        const char* typed;
        const char* reply;
    } names[] = {{"Äijä", "Anna heittäjä 2: "},
                 {"äijä", "Anna heittäjä 3: "},
                 {"Matti", "Anna heittäjä 4: "},
                 {"MATTI", "VIRHE: Kyseinen pelaaja on jo olemassa.\r\nAnna heittäjä 4: "},
                 {"Öljy", "Anna heittäjä 5: "},
                 {"Åsa", "Anna heittäjä 6: "},
                 {"", "Anna maksimitulos (oletus = 50): "},
                 {"", "Kierros 1 alkaa. "}};
    ASSERT_TRUE(expect(session, "Anna heittäjä 1: "));
    for (const auto& name : names) {
        type(session, std::string(name.typed) + "\r");
        ASSERT_TRUE(expect(session, name.reply)) << name.typed;
    }
    const char* prompts[] = {"1. Äijä: ", "2. äijä: ", "3. Matti: ", "4. Öljy: ", "5. Åsa: "};
    const char* points[] = {"7", "12", "J", "12", "0"};
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(expect(session, prompts[i]));
        type(session, std::string(points[i]) + "\r");
    }
    EXPECT_TRUE(expect(
        session,
        std::string(CLEAR) +
            "Tilanne kierroksen 1 jälkeen: \r\n\r\n"
            "Nimi:          Paras:  Huonoin: Keskiarvo: Yhteensä: Mediaani: Varianssi: \r\n" +
            std::string(76, '-') +
            "\r\n"
            "Äijä           7       7        7.00       7         7         0.00 \r\n"
            "äijä           12      12       12.00      12        12        0.00 \r\n"
            "Matti          0       0        0.00       0         0         0.00 \r\n"
            "Öljy           12      12       12.00      12        12        0.00 \r\n"
            "Åsa            0       0        0.00       0         0         0.00 \r\n"));
    ASSERT_TRUE(expect(session, MENU_PROMPT));
    type(session, "N\r");
    EXPECT_TRUE(expect(session, "Kierros   Äijä  äijä  Matti  Öljy  Åsa     Yhteensä\r\n" +
                                    std::string(52, '-') +
                                    "\r\n"
                                    "1         7     12    -      12    0       31\r\n\r\n"
                                    "Edellisten kierrosten voittajat: \r\n"
                                    "  Kierros 1: äijä & Öljy tuloksella 12\r\n"));
    ASSERT_TRUE(expect(session, MENU_PROMPT));
    type(session, "\x04");  // Ctrl-D: the end of input
    ASSERT_TRUE(waitForEnd(session));
    EXPECT_EQ(session.exitStatus, 0);
    EXPECT_TRUE(sameMode(terminalMode(session), before));
}

TEST(Terminal, PauseTakesOneKeyWithoutEnterAndFilesKeepTheirBytes) {
    ScratchDir dir;
    PtySession session;
    ASSERT_NO_FATAL_FAILURE(startGame(session, {"Äijä", "Öljy", "Åsa"}));
    const termios before = terminalMode(session);
    for (const char* entry : {"7\r", "12\r", "3\r"})
        type(session, entry);
    ASSERT_TRUE(expect(session, MENU_PROMPT));
    type(session, "T\r");
    ASSERT_TRUE(expect(session, "Anna pelille/tallennukselle nimi: "));
    type(session, "Kesä\r");
    ASSERT_TRUE(expect(session, "Pelitilanne tallennettu.\r\n" + PAUSE_SHOWN));
    ASSERT_TRUE(waitForKeyMode(session));
    // A letter whose two bytes arrive apart is still one key, and not echoed.
    type(session, "\xC3");
    usleep(20000);
    type(session, "\xA4");
    ASSERT_TRUE(expect(session, "\r\n" + std::string(CLEAR) + "Tilanne kierroksen 1 jälkeen: "));
    EXPECT_EQ(session.screen.find(PAUSE_SHOWN + "\r\n" + CLEAR), session.screen.find(PAUSE_SHOWN));
    // Nothing of the key is left over to spoil the next line.
    ASSERT_TRUE(expect(session, MENU_PROMPT));
    type(session, "N\r");
    ASSERT_TRUE(expect(session, "  Kierros 1: Öljy tuloksella 12\r\n"));
    type(session, "L\r");
    ASSERT_TRUE(expect(session, "Tulokset tallennettu tiedostoon:\r\n"));
    ASSERT_TRUE(expect(session, PAUSE_SHOWN));
    ASSERT_TRUE(waitForKeyMode(session));
    type(session, "q");
    ASSERT_TRUE(waitForEnd(session));
    EXPECT_EQ(session.exitStatus, 0);
    EXPECT_TRUE(sameMode(terminalMode(session), before));
    EXPECT_EQ(standingsAfterClear(session.screen), 2u);

    const std::string saved = fileContents("vaskipiikkikisa_tallennukset.dat");
    EXPECT_NE(saved.find(cp850("Kesä")), std::string::npos) << saved;
    EXPECT_NE(saved.find(cp850("Äijä")), std::string::npos) << saved;
    const std::string listed = filesStartingWith("vaskipiikkikisa_tulokset_");
    ASSERT_EQ(std::count(listed.begin(), listed.end(), '\n'), 1) << listed;
    const std::string results = fileContents(listed.substr(0, listed.size() - 1));
    EXPECT_NE(results.find(latin1("Vaskipiikkikisa: Kesä\n")), std::string::npos) << results;
    EXPECT_NE(results.find(
                  latin1("Äijä           7       7        7.00       7         7         0.00 \n")),
              std::string::npos)
        << results;
    for (const std::string* file : {&saved, &results}) {
        EXPECT_EQ(file->find('\xC3'), std::string::npos) << "UTF-8 in a file: " << *file;
    }
}

TEST(Terminal, CtrlCDuringThePauseLeavesTheModeAsItWas) {
    ScratchDir dir;
    PtySession session;
    ASSERT_NO_FATAL_FAILURE(startGame(session, {}));
    const termios before = terminalMode(session);
    ASSERT_TRUE(expect(session, MENU_PROMPT));
    type(session, "U\r\r");
    ASSERT_TRUE(expect(session, "Pelaajaa ei lisätty.\r\n" + PAUSE_SHOWN));
    ASSERT_TRUE(waitForKeyMode(session));
    type(session, "\x03");
    ASSERT_TRUE(waitForEnd(session));
    EXPECT_EQ(session.endSignal, SIGINT);
    EXPECT_TRUE(sameMode(terminalMode(session), before));
}

// Under a shell with job control: Ctrl-Z at the pause hands the shell the
// terminal in line mode, and fg brings the wait for one key back.
TEST(Terminal, StoppedAndContinuedDuringThePauseStillTakesOneKey) {
    ScratchDir dir;
    PtySession session;
    ASSERT_TRUE(startOnPty(session, {"/bin/bash", "--norc", "--noprofile", "--noediting", "-i"},
                           {"PS1=shell$ "}));
    ASSERT_TRUE(expect(session, "shell$ "));
    const termios lineMode = terminalMode(session);
    type(session, std::string(VASKI_BINARY) + "\r\r\r");
    ASSERT_TRUE(expect(session, MENU_PROMPT));
    type(session, "U\r\r");
    ASSERT_TRUE(expect(session, PAUSE_SHOWN));
    ASSERT_TRUE(waitForKeyMode(session));
    type(session, "\x1a");  // Ctrl-Z
    ASSERT_TRUE(expect(session, "Stopped"));
    ASSERT_TRUE(expect(session, "shell$ "));
    EXPECT_TRUE(sameMode(terminalMode(session), lineMode));
    type(session, "fg\r");
    ASSERT_TRUE(expect(session, std::string(VASKI_BINARY) + "\r\n"));
    ASSERT_TRUE(waitForKeyMode(session));
    type(session, "x");
    EXPECT_TRUE(expect(session, "\r\n" + std::string(CLEAR) + "Tilanne kierroksen 1 jälkeen: "));
    ASSERT_TRUE(expect(session, MENU_PROMPT));
    type(session, "\x04");
    ASSERT_TRUE(expect(session, "shell$ "));
    type(session, "exit\r");
    EXPECT_TRUE(waitForEnd(session));
}

}  // namespace
