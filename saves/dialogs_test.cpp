#include "saves/dialogs.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/driver.h"
#include "saves/saved_games.h"
#include "support/test_support.h"

namespace {

const std::string ILTA_RECORD =
    "\n\nIlta (6.12.2026, kierros 2)\n2\n6.12.2026\n19:05:12\n50\n2\n"
    "Matti\n0\n5 1001 \nLiisa\n1\n7 1001 \n\n";

const std::string BANNER = std::string(51, '-') + "\n    Vaskipiikkikisa by Vilkaro v. 1.1\n" +
                           cp850("        - näyttää ja arkistoi tuloksesi\n") +
                           "        - laskee tilastotietoja\n" + std::string(51, '-') + "\n\n";
const std::string START_MENU =
    cp850("Valitse: \n A = Aloita uusi peli\n J = Jatka tallennettua peliä\n");
const std::string SET_UP = cp850("\nAnna heittäjät, ja paina lopuksi enteriä.\nAnna heittäjä 1: ");
const std::string NAME_PROMPT = "Anna pelille/tallennukselle nimi: ";

const Clock CLOCK = [] { return testTime(); };

// Ilta after round 2, not yet named.
GameState unnamed() {
    GameState state;
    state.round = 2;
    state.startDate = "6.12.2026";
    state.startTime = "19:05:12";
    state.throwers = {makeThrower("Matti"), makeThrower("Liisa")};
    state.throwers[0].points = {5, NO_RESULT};
    state.throwers[1].points = {7, NO_RESULT};
    setWithdrawn(state.throwers[1]);
    return state;
}

// Whatever the pause prints while it waits for its line.
std::string pauseText() {
    std::istringstream in("\n");
    std::ostringstream out;
    Console console{in, out};
    pause(console);
    return out.str();
}

// A whole game run in-process on the typed lines, until they run out.
std::string play(const std::string& input, GameState& state, LocalTime now = testTime()) {
    std::istringstream in(input);
    std::ostringstream out;
    Console console{in, out};
    EXPECT_EQ(runGame(
                  console, [now] { return now; }, state),
              0);
    return out.str();
}

std::string prefix(const std::string& text, const std::string& expected) {
    return text.substr(0, expected.size());
}

std::size_t count(const std::string& text, const std::string& part) {
    std::size_t found = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++found;
    }
    return found;
}

}  // namespace

TEST(Dialogs, GameNameIsTheTrimmedTextBeforeTheLastParenthesis) {
    const std::pair<const char*, const char*> cases[] = {
        {"Ilta (6.12.2026, kierros 2)", "Ilta"},
        {"Peli (A) (6.12.2026, kierros 1)", "Peli (A)"},
        {"Ilta   (6.12.2026, kierros 0)", "Ilta"},
        {"Ilta(6.12.2026)", "Ilta(6.12.2026)"},
        {"  Ilta  ", "Ilta"},
    };
    for (const auto& [entry, name] : cases) {
        EXPECT_EQ(gameNameOfEntry(entry), name) << entry;
    }
}

TEST(Dialogs, SaveAsksTheNameOnceThenAppendsEverySaveUnderIt) {
    ScratchDir dir;
    GameState state = unnamed();
    std::istringstream in("\n   \nIlta\n\nnext\n");
    std::ostringstream out;
    Console console{in, out};
    ASSERT_TRUE(saveGame(console, state, SAVED_GAMES_FILE, CLOCK));
    EXPECT_EQ(out.str(),
              NAME_PROMPT + NAME_PROMPT + NAME_PROMPT + "Pelitilanne tallennettu.\n" + pauseText());
    EXPECT_EQ(state.gameName, "Ilta");
    EXPECT_EQ(fileContents(SAVED_GAMES_FILE), ILTA_RECORD);

    addRoundPoints(state.throwers[0], 4);
    addRoundPoints(state.throwers[1], NO_RESULT);
    state.round = 3;
    out.str("");
    ASSERT_TRUE(saveGame(console, state, SAVED_GAMES_FILE, CLOCK));
    EXPECT_EQ(out.str(), "Pelitilanne tallennettu.\n" + pauseText());
    EXPECT_EQ(in.peek(), EOF);  // the pause took the line "next"
    std::vector<std::string> games;
    ASSERT_TRUE(listSavedGames(SAVED_GAMES_FILE, games));
    EXPECT_EQ(games, (std::vector<std::string>{"Ilta (6.12.2026, kierros 2)",
                                               "Ilta (6.12.2026, kierros 3)"}));
}

TEST(Dialogs, ResumedGameTakesItsNameFromTheHeaderLine) {
    struct Case {
        const char* typed;
        const char* header;
        const char* entry;
        const char* resumed;
    };
    const Case cases[] = {
        {"Ilta", "Ilta (6.12.2026, kierros 2)", "Ilta (6.12.2026, kierros 2)", "Ilta"},
        {"  Ilta  ", "  Ilta   (6.12.2026, kierros 2)", "Ilta   (6.12.2026, kierros 2)", "Ilta"},
        {"Peli (A)", "Peli (A) (6.12.2026, kierros 2)", "Peli (A) (6.12.2026, kierros 2)",
         "Peli (A)"},
    };
    for (const Case& c : cases) {
        ScratchDir dir;
        GameState state = unnamed();
        std::istringstream in(std::string(c.typed) + "\n\n");
        std::ostringstream out;
        Console console{in, out};
        ASSERT_TRUE(saveGame(console, state, SAVED_GAMES_FILE, CLOCK));
        EXPECT_EQ(state.gameName, c.typed);
        EXPECT_EQ(fileContents(SAVED_GAMES_FILE).substr(0, 3 + std::string(c.header).size()),
                  "\n\n" + std::string(c.header) + "\n");
        std::vector<std::string> games;
        ASSERT_TRUE(listSavedGames(SAVED_GAMES_FILE, games));
        EXPECT_EQ(games, std::vector<std::string>{c.entry});

        // With one saved game nothing is listed or asked.
        GameState resumed;
        out.str("");
        ASSERT_EQ(resumeGame(console, games, resumed, SAVED_GAMES_FILE), ResumeResult::Loaded);
        EXPECT_EQ(out.str(), "\n");
        EXPECT_EQ(resumed.gameName, c.resumed) << c.typed;
        EXPECT_EQ(resumed.round, 2u);
        EXPECT_TRUE(isWithdrawn(resumed.throwers.at(1)));
    }
}

TEST(Dialogs, ThreeSavedGamesAreListedAndOnlyANumberInRangeIsTaken) {
    ScratchDir dir;
    const std::string names[] = {"Aamu", "Ilta", cp850("Yö")};
    std::vector<std::string> games;
    for (std::uint32_t i = 0; i < 3; ++i) {
        GameState state = unnamed();
        state.gameName = names[i];
        state.throwers[0].points[0] = i + 1;
        ASSERT_TRUE(appendSavedGame(state, "6.12.2026", SAVED_GAMES_FILE));
    }
    ASSERT_TRUE(listSavedGames(SAVED_GAMES_FILE, games));
    std::istringstream in("4\n\nx\n2\n");
    std::ostringstream out;
    Console console{in, out};
    GameState state;
    ASSERT_EQ(resumeGame(console, games, state, SAVED_GAMES_FILE), ResumeResult::Loaded);
    EXPECT_EQ(out.str(), cp850("\nValitse peli: \n"
                               "  1: Aamu (6.12.2026, kierros 2)\n"
                               "  2: Ilta (6.12.2026, kierros 2)\n"
                               "  3: Yö (6.12.2026, kierros 2)\n"
                               "Valintasi: VIRHE: Valinnan pitää olla välillä 1 - 3.\n"
                               "Valintasi: Valintasi: Valintasi: "));
    EXPECT_EQ(state.gameName, "Ilta");
    EXPECT_EQ(state.throwers.at(0).points, (std::vector<std::uint32_t>{2, NO_RESULT}));
}

TEST(SaveAndResume, StartMenuFollowsTheBannerAndTakesTheLetterOnlyAsTyped) {
    ScratchDir dir;
    writeFile(SAVED_GAMES_FILE, ILTA_RECORD);
    GameState state;
    const std::string output = play(" a\na\n", state);
    const std::string expected =
        BANNER + START_MENU + "Valintasi (A/J): Valintasi (A/J): " + SET_UP;
    EXPECT_EQ(prefix(output, expected), expected);
}

TEST(SaveAndResume, CutOffRecordGivesTheErrorLineAndAFreshGame) {
    ScratchDir dir;
    writeFile(SAVED_GAMES_FILE, ILTA_RECORD.substr(0, ILTA_RECORD.find("7 1001") + 2));
    {
        std::istringstream in;
        std::ostringstream out;
        Console console{in, out};
        GameState kept;
        kept.round = 1;
        kept.throwers = {makeThrower("Keke")};
        kept.throwers[0].points = {9};
        ASSERT_EQ(resumeGame(console, {"Ilta (6.12.2026, kierros 2)"}, kept, SAVED_GAMES_FILE),
                  ResumeResult::Failed);
        EXPECT_EQ(kept.round, 1u);
        EXPECT_EQ(kept.gameName, "");
        ASSERT_EQ(kept.throwers.size(), 1u);
        EXPECT_EQ(kept.throwers[0].points, std::vector<std::uint32_t>{9});
        EXPECT_EQ(out.str(), "\n");  // the driver prints the error line
    }
    GameState state;
    const std::string output = play("J\nAnna\n\n\n3\n", state);
    const std::string expected = BANNER + START_MENU + "Valintasi (A/J): \n" +
                                 "VIRHE: Lataus ei onnistunut. Aloitetaan uusi peli.\n\n" + SET_UP +
                                 cp850("Anna heittäjä 2: \nAnna maksimitulos (oletus = 50): ") +
                                 CLEAR + "Kierros 1 alkaa. \n";
    EXPECT_EQ(prefix(output, expected), expected);
    EXPECT_EQ(state.round, 1u);
    EXPECT_EQ(state.gameName, "");
    EXPECT_EQ(state.startTime, "19:02:44");
    ASSERT_EQ(state.throwers.size(), 1u);
    EXPECT_EQ(state.throwers[0].points, std::vector<std::uint32_t>{3});
}

TEST(SaveAndResume, ResumedGameShowsItsStandingsAndKeepsItsStartInTheResults) {
    ScratchDir dir;
    writeFile(SAVED_GAMES_FILE, ILTA_RECORD);
    GameState state;
    const std::string output = play("J\nL\n\n", state, testTime(7, 10, 0, 0));
    const std::string expected = BANNER + START_MENU + "Valintasi (A/J): \n" + CLEAR +
                                 cp850("Tilanne kierroksen 2 jälkeen: \n\n");
    EXPECT_EQ(prefix(output, expected), expected);
    const std::string results = fileContents("vaskipiikkikisa_tulokset_20261207_10.00.00.txt");
    const std::string head =
        "Vaskipiikkikisa: Ilta\nTulokset 6.12.2026 klo 19:05:12 - 7.12.2026 klo 10:00:00\n\n";
    EXPECT_EQ(prefix(results, head), head);
}

TEST(SaveAndResume, UnwritableFileReportsTheFailureAndTheGameGoesOn) {
    for (bool directory : {true, false}) {
        ScratchDir dir;
        ASSERT_EQ(
            directory ? mkdir(SAVED_GAMES_FILE, 0777) : symlink("/dev/full", SAVED_GAMES_FILE), 0);
        GameState state;
        const std::string output = play("Matti\n\n\n5\nT\nIlta\n\nT\n\nS\n6\n", state);
        const std::string failed = "Tallentaminen ei onnistunut. \n" + pauseText() + CLEAR +
                                   cp850("Tilanne kierroksen 1 jälkeen: \n\n");
        EXPECT_EQ(count(output, failed), 2u) << output;
        EXPECT_EQ(count(output, NAME_PROMPT), 1u);  // the second save does not ask again
        EXPECT_EQ(count(output, "Kierros 2 alkaa. \n"), 1u);
        EXPECT_EQ(count(output, "VIRHE"), 0u);
        EXPECT_EQ(state.round, 2u);
        EXPECT_EQ(state.gameName, "Ilta");
        EXPECT_EQ(state.throwers.at(0).points, (std::vector<std::uint32_t>{5, 6}));
    }
}
