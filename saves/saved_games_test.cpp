#include "saves/saved_games.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace {

const std::string ILTA_ENTRY = "Ilta (6.12.2026, kierros 2)";

// Ilta after round 2: Matti scored 5 and skipped, Liisa scored 7 and withdrew.
const std::string ILTA_RECORD =
    "\n\nIlta (6.12.2026, kierros 2)\n2\n6.12.2026\n19:05:12\n50\n2\n"
    "Matti\n0\n5 1001 \nLiisa\n1\n7 1001 \n\n";

GameState ilta() {
    GameState state;
    state.gameName = "Ilta";
    state.round = 2;
    state.startDate = "6.12.2026";
    state.startTime = "19:05:12";
    state.throwers = {{{5, NO_RESULT}, "Matti"}, {{7, NO_RESULT}, "Liisa", true}};
    return state;
}

// Everything a load can change, as one comparable text.
std::string describe(const GameState& state) {
    std::string text = "round " + std::to_string(state.round) + ", max " +
                       std::to_string(state.maxScore) + ", started " + state.startDate + " " +
                       state.startTime + ", name '" + state.gameName + "'";
    for (const ThrowerRecord& record : state.throwers) {
        text += " | '" + record.name + "'" + (record.withdrawn ? " withdrawn:" : ":");
        for (std::uint32_t entry : record.points) {
            text += " " + std::to_string(entry);
        }
    }
    return text;
}

// A state that no record holds, to see that a refused load leaves it alone.
GameState untouched() {
    GameState state;
    state.round = 7;
    state.maxScore = 9;
    state.startDate = "1.1.2020";
    state.startTime = "00:00:01";
    state.throwers = {{{1, 2, 3, 4, 5, 6, 7}, "Keke"}};
    return state;
}

std::vector<std::string> listed() {
    std::vector<std::string> games;
    listSavedGames(SAVED_GAMES_FILE, games);
    return games;
}

// The state a load gives; "refused" for a refusal that left the state alone.
std::string loaded(const std::string& entry) {
    GameState state = untouched();
    if (loadSavedGame(entry, SAVED_GAMES_FILE, state)) {
        return describe(state);
    }
    const std::string after = describe(state);
    return after == describe(untouched()) ? "refused" : "refused, yet changed to " + after;
}

const std::string ILTA_LOADED =
    "round 2, max 50, started 6.12.2026 19:05:12, name '' | 'Matti': 5 1001 | "
    "'Liisa' withdrawn: 7 1001";

}  // namespace

TEST(SavedGames, IltaIsAppendedAsItsFifteenLinesAndComesBackWhole) {
    ScratchDir dir;
    ASSERT_TRUE(appendSavedGame(ilta(), "6.12.2026", SAVED_GAMES_FILE));
    EXPECT_EQ(fileContents(SAVED_GAMES_FILE), ILTA_RECORD);
    EXPECT_EQ(listed(), std::vector<std::string>{ILTA_ENTRY});
    // The name stays in the header line only; the loader leaves it to the caller.
    EXPECT_EQ(loaded(ILTA_ENTRY), ILTA_LOADED);
    EXPECT_EQ(loaded("Ilta (6.12.2026, kierros 3)"), "refused");
}

TEST(SavedGames, EverySaveIsListedOldestFirstAndLoadsItsOwnStateTheEarlierOfOneHeader) {
    ScratchDir dir;
    // Round 0: empty points lines, and a 20-character name saved as its first 15.
    GameState nolla = ilta();
    nolla.gameName = "Nolla";
    nolla.round = 0;
    nolla.maxScore = 1000;
    nolla.throwers = {{{}, "Matti"}, {{}, "Abcdefghijklmnopqrst", true}};
    ASSERT_TRUE(appendSavedGame(nolla, "6.12.2026", SAVED_GAMES_FILE));
    EXPECT_EQ(fileContents(SAVED_GAMES_FILE),
              "\n\nNolla (6.12.2026, kierros 0)\n0\n6.12.2026\n19:05:12\n1000\n2\n"
              "Matti\n0\n\nAbcdefghijklmno\n1\n\n\n");
    // Ilta saved after round 2, again the same day after the same round, then after round 3.
    GameState state = ilta();
    ASSERT_TRUE(appendSavedGame(state, "6.12.2026", SAVED_GAMES_FILE));
    state.throwers[0].points = {8, 8};
    ASSERT_TRUE(appendSavedGame(state, "6.12.2026", SAVED_GAMES_FILE));
    addRoundPoints(state.throwers[0], 9);
    addRoundPoints(state.throwers[1], NO_RESULT);
    state.round = 3;
    ASSERT_TRUE(appendSavedGame(state, "7.12.2026", SAVED_GAMES_FILE));

    EXPECT_EQ(listed(), (std::vector<std::string>{"Nolla (6.12.2026, kierros 0)", ILTA_ENTRY,
                                                  ILTA_ENTRY, "Ilta (7.12.2026, kierros 3)"}));
    EXPECT_EQ(loaded("Nolla (6.12.2026, kierros 0)"),
              "round 0, max 1000, started 6.12.2026 19:05:12, name '' | 'Matti': | "
              "'Abcdefghijklmno' withdrawn:");
    EXPECT_EQ(loaded(ILTA_ENTRY), ILTA_LOADED);
    EXPECT_EQ(loaded("Ilta (7.12.2026, kierros 3)"),
              "round 3, max 50, started 6.12.2026 19:05:12, name '' | 'Matti': 8 8 9 | "
              "'Liisa' withdrawn: 7 1001 1001");
}

TEST(SavedGames, FilesWithoutRecordsListNothing) {
    ScratchDir dir;
    std::vector<std::string> games{"kept"};
    EXPECT_FALSE(listSavedGames(SAVED_GAMES_FILE, games));
    EXPECT_EQ(games, std::vector<std::string>{"kept"});  // no file: the list stays as it was
    EXPECT_EQ(loaded(ILTA_ENTRY), "refused");
    for (const char* bytes : {"", "\n\n\n\n", " \r\n\t\r\n\r\n", "Ilta\n\nMatti\n"}) {
        writeFile(SAVED_GAMES_FILE, bytes);
        games = {"kept"};
        EXPECT_FALSE(listSavedGames(SAVED_GAMES_FILE, games)) << bytes;
        EXPECT_TRUE(games.empty()) << bytes;
    }
}

TEST(SavedGames, CarriageReturnLineEndsListAndLoadLikeLineFeeds) {
    ScratchDir dir;
    std::string crlf;
    for (const char byte : ILTA_RECORD) {
        crlf += byte == '\n' ? std::string("\r\n") : std::string(1, byte);
    }
    writeFile(SAVED_GAMES_FILE, crlf);
    EXPECT_EQ(listed(), std::vector<std::string>{ILTA_ENTRY});
    EXPECT_EQ(loaded(ILTA_ENTRY), ILTA_LOADED);
}

TEST(SavedGames, ValuesNoSaveWritesAreRefused) {
    struct Case {
        const char* rounds;
        const char* maxScore;
        const char* count;
        const char* points;
        bool loads;
        std::string name = "Matti";
    };
    const Case cases[] = {
        {"1", "1", "1", "0", true},
        {"1", "1000", "1", "1000", true},
        {"1", "50", "1", "1001", true},
        {"-1", "50", "1", "5", false},
        {"x", "50", "1", "5", false},
        {"1", "50", "-1", "5", false},
        {"1", "50", "x", "5", false},
        {"1", "0", "1", "5", false},
        {"1", "1001", "1", "5", false},
        {"1", "50", "1", "1002", false},
        {"1", "50", "1", "4294967297", false},
        {"1", "50", "1", "-5", false},
        {"1", "50", "1", "x", false},
        // Counts far beyond what the file holds must fail on the missing data,
        // never by reserving room for them first.
        {"1", "50", "4000000000", "5", false},
        {"4000000000", "50", "1", "5", false},
        // Without throwers nothing backs the round count: no game reaches more.
        {"1000000", "50", "0", "5", true},
        {"1000001", "50", "0", "5", false},
        // A blank name, also one blank in the first 15 characters that a save
        // keeps: saved again at round 0 it would open a record of its own.
        {"1", "50", "1", "5", false, " "},
        {"1", "50", "1", "5", false, std::string(15, '\r') + "Eero"},
    };
    ScratchDir dir;
    for (const Case& c : cases) {
        const std::string count = c.count;
        writeFile(SAVED_GAMES_FILE, "\n\nPeli (6.12.2026, kierros 1)\n" + std::string(c.rounds) +
                                        "\n6.12.2026\n19:05:12\n" + c.maxScore + "\n" + count +
                                        "\n" + c.name + "\n0\n" + c.points + " \n\n");
        std::string expected = "refused";
        if (c.loads) {
            expected = std::string("round ") + c.rounds + ", max " + c.maxScore +
                       ", started 6.12.2026 19:05:12, name ''" +
                       (count == "0" ? "" : " | 'Matti': " + std::string(c.points));
        }
        EXPECT_EQ(loaded("Peli (6.12.2026, kierros 1)"), expected)
            << "R " << c.rounds << ", max " << c.maxScore << ", P " << c.count;
    }
}
