#include "saves/dialogs.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "saves/saved_games.h"
#include "support/game_run.h"
#include "support/test_support.h"

namespace {

const std::string ILTA_RECORD =
    "\n\nIlta (6.12.2026, kierros 2)\n2\n6.12.2026\n19:05:12\n50\n2\n"
    "Matti\n0\n5 1001 \nLiisa\n1\n7 1001 \n\n";

const std::string START_MENU =
    cp850("Valitse: \n A = Aloita uusi peli\n J = Jatka tallennettua peliä\n");
const std::string NAME_PROMPT = "Anna pelille/tallennukselle nimi: ";
const std::string SAVED = "Pelitilanne tallennettu.\n";

const Clock CLOCK = [] { return testTime(); };

// Ilta after round 2, not yet named.
GameState unnamed() {
    GameState state;
    state.round = 2;
    state.startDate = "6.12.2026";
    state.startTime = "19:05:12";
    state.throwers = {{{5, NO_RESULT}, "Matti"}, {{7, NO_RESULT}, "Liisa", true}};
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

std::string prefix(const std::string& text, const std::string& expected) {
    return text.substr(0, expected.size());
}

}  // namespace

TEST(Dialogs, GameNameIsTheTrimmedTextBeforeTheLastParenthesis) {
    EXPECT_EQ(gameNameOfEntry("Peli (A) (6.12.2026, kierros 1)"), "Peli (A)");
    EXPECT_EQ(gameNameOfEntry("Ilta(6.12.2026)"), "Ilta(6.12.2026)");
    EXPECT_EQ(gameNameOfEntry("  Ilta  "), "Ilta");
}

TEST(Dialogs, SaveAsksTheNameOnceThenAppendsEverySaveUnderIt) {
    ScratchDir dir;
    GameState state = unnamed();
    std::istringstream in("\n   \nIlta\n\nnext\n");
    std::ostringstream out;
    Console console{in, out};
    ASSERT_TRUE(saveGame(console, state, SAVED_GAMES_FILE, CLOCK));
    EXPECT_EQ(out.str(), NAME_PROMPT + NAME_PROMPT + NAME_PROMPT + SAVED + pauseText());
    EXPECT_EQ(fileContents(SAVED_GAMES_FILE), ILTA_RECORD);

    out.str("");
    ASSERT_TRUE(saveGame(console, state, SAVED_GAMES_FILE, CLOCK));
    EXPECT_EQ(out.str(), SAVED + pauseText());
    EXPECT_EQ(in.peek(), EOF);  // the pause took the line "next"
    EXPECT_EQ(fileContents(SAVED_GAMES_FILE), ILTA_RECORD + ILTA_RECORD);
}

TEST(Dialogs, ResumedGameTakesItsNameFromTheHeaderLine) {
    struct Case {
        const char* typed;
        const char* header;
        const char* entry;
        const char* resumed;
    };
    const Case cases[] = {
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
        const std::string header = "\n\n" + std::string(c.header) + "\n";
        EXPECT_EQ(prefix(fileContents(SAVED_GAMES_FILE), header), header);
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
    const std::string expected = BANNER + START_MENU +
                                 "Valintasi (A/J): Valintasi (A/J): " + SETUP_HEADING +
                                 cp850("Anna heittäjä 1: ");
    EXPECT_EQ(prefix(playGame(" a\na\n").output, expected), expected);
}

TEST(SaveAndResume, CutOffRecordGivesTheErrorLineAndAFreshGame) {
    ScratchDir dir;
    writeFile(SAVED_GAMES_FILE, ILTA_RECORD.substr(0, ILTA_RECORD.find("7 1001") + 2));
    const GameRun run = playGame("J\nAnna\n\n\n3\n");
    const std::string expected = BANNER + START_MENU + "Valintasi (A/J): \n" +
                                 "VIRHE: Lataus ei onnistunut. Aloitetaan uusi peli.\n\n" +
                                 SETUP_HEADING +
                                 cp850(
                                     "Anna heittäjä 1: Anna heittäjä 2: \n"
                                     "Anna maksimitulos (oletus = 50): ") +
                                 CLEAR + "Kierros 1 alkaa. \n";
    EXPECT_EQ(prefix(run.output, expected), expected);
    EXPECT_EQ(run.state.round, 1u);
    EXPECT_EQ(run.state.gameName, "");
    EXPECT_EQ(run.state.startTime, "19:02:44");
    ASSERT_EQ(run.state.throwers.size(), 1u);
    EXPECT_EQ(run.state.throwers[0].points, std::vector<std::uint32_t>{3});
}

TEST(SaveAndResume, ResumedGameShowsItsStandingsAndKeepsItsStartInTheResults) {
    ScratchDir dir;
    GameState saved = unnamed();
    saved.gameName = "Ilta";
    saved.startDate = "5.12.2026";  // played the day before, resumed today
    ASSERT_TRUE(appendSavedGame(saved, "5.12.2026", SAVED_GAMES_FILE));
    const std::string output = playGame("J\nL\n\n").output;
    const std::string expected = BANNER + START_MENU + "Valintasi (A/J): \n" + CLEAR +
                                 cp850("Tilanne kierroksen 2 jälkeen: \n\n");
    EXPECT_EQ(prefix(output, expected), expected);
    const std::string head =
        "Vaskipiikkikisa: Ilta\nTulokset 5.12.2026 klo 19:05:12 - 6.12.2026 klo 19:02:44\n\n";
    EXPECT_EQ(prefix(fileContents("vaskipiikkikisa_tulokset_20261206_19.02.44.txt"), head), head);
}
