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

ThrowerRecord thrower(const std::string& name, std::vector<std::uint32_t> points,
                      bool withdrawn = false) {
    ThrowerRecord record = makeThrower(name);
    record.points = std::move(points);
    record.withdrawn = withdrawn;
    return record;
}

GameState ilta() {
    GameState state;
    state.gameName = "Ilta";
    state.round = 2;
    state.startDate = "6.12.2026";
    state.startTime = "19:05:12";
    state.throwers = {thrower("Matti", {5, NO_RESULT}), thrower("Liisa", {7, NO_RESULT}, true)};
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
    state.throwers = {thrower("Keke", {1, 2, 3, 4, 5, 6, 7})};
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

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

const std::string ILTA_LOADED =
    "round 2, max 50, started 6.12.2026 19:05:12, name '' | 'Matti': 5 1001 | "
    "'Liisa' withdrawn: 7 1001";

}  // namespace

TEST(SavedGames, IltaIsAppendedAsItsFifteenLinesAndComesBackWhole) {
    ScratchDir dir;
    EXPECT_STREQ(SAVED_GAMES_FILE, "vaskipiikkikisa_tallennukset.dat");
    ASSERT_TRUE(appendSavedGame(ilta(), "6.12.2026", SAVED_GAMES_FILE));
    EXPECT_EQ(fileContents(SAVED_GAMES_FILE), ILTA_RECORD);
    EXPECT_EQ(listed(), std::vector<std::string>{ILTA_ENTRY});
    // The name stays in the header line only; the loader leaves it to the caller.
    EXPECT_EQ(loaded(ILTA_ENTRY), ILTA_LOADED);
    EXPECT_EQ(loaded("Ilta (6.12.2026, kierros 3)"), "refused");
}

TEST(SavedGames, EachSaveAddsARecordListedOldestFirstThatLoadsItsOwnRound) {
    ScratchDir dir;
    GameState state = ilta();
    ASSERT_TRUE(appendSavedGame(state, "6.12.2026", SAVED_GAMES_FILE));
    addRoundPoints(state.throwers[0], 9);
    addRoundPoints(state.throwers[1], NO_RESULT);
    state.round = 3;
    ASSERT_TRUE(appendSavedGame(state, "7.12.2026", SAVED_GAMES_FILE));
    EXPECT_EQ(fileContents(SAVED_GAMES_FILE), ILTA_RECORD + savedGameRecord(state, "7.12.2026"));
    EXPECT_EQ(listed(), (std::vector<std::string>{ILTA_ENTRY, "Ilta (7.12.2026, kierros 3)"}));
    EXPECT_EQ(loaded(ILTA_ENTRY), ILTA_LOADED);
    EXPECT_EQ(loaded("Ilta (7.12.2026, kierros 3)"),
              "round 3, max 50, started 6.12.2026 19:05:12, name '' | 'Matti': 5 1001 9 | "
              "'Liisa' withdrawn: 7 1001 1001");
}

TEST(SavedGames, TwoRecordsWithOneHeaderAreBothListedAndTheEarlierLoads) {
    ScratchDir dir;
    GameState state = ilta();
    ASSERT_TRUE(appendSavedGame(state, "6.12.2026", SAVED_GAMES_FILE));
    state.throwers[0].points = {8, 8};
    ASSERT_TRUE(appendSavedGame(state, "6.12.2026", SAVED_GAMES_FILE));
    EXPECT_EQ(listed(), (std::vector<std::string>{ILTA_ENTRY, ILTA_ENTRY}));
    EXPECT_EQ(loaded(ILTA_ENTRY), ILTA_LOADED);
}

TEST(SavedGames, RoundZeroRecordHasEmptyPointsLinesAndIsListedOnce) {
    ScratchDir dir;
    GameState state = ilta();
    state.gameName = "Nolla";
    state.round = 0;
    state.maxScore = 1000;
    state.throwers = {thrower("Matti", {}), thrower("Abcdefghijklmnopqrst", {}, true)};
    ASSERT_TRUE(appendSavedGame(state, "6.12.2026", SAVED_GAMES_FILE));
    EXPECT_EQ(fileContents(SAVED_GAMES_FILE),
              "\n\nNolla (6.12.2026, kierros 0)\n0\n6.12.2026\n19:05:12\n1000\n2\n"
              "Matti\n0\n\nAbcdefghijklmno\n1\n\n\n");
    ASSERT_TRUE(appendSavedGame(ilta(), "6.12.2026", SAVED_GAMES_FILE));
    EXPECT_EQ(listed(), (std::vector<std::string>{"Nolla (6.12.2026, kierros 0)", ILTA_ENTRY}));
    // The 20-character name comes back as the 15 characters that were saved.
    EXPECT_EQ(loaded("Nolla (6.12.2026, kierros 0)"),
              "round 0, max 1000, started 6.12.2026 19:05:12, name '' | 'Matti': | "
              "'Abcdefghijklmno' withdrawn:");
    EXPECT_EQ(loaded(ILTA_ENTRY), ILTA_LOADED);
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
    const std::string second =
        replaced(ILTA_RECORD, "kierros 2)\n2\n", "kierros 2)\n2\r\n");  // a mixed file too
    const std::string night = cp850("Yö (6.12.2026, kierros 2)");
    writeFile(SAVED_GAMES_FILE,
              replaced(ILTA_RECORD, "\n", "\r\n") + replaced(second, "Ilta", cp850("Yö")));
    EXPECT_EQ(listed(), (std::vector<std::string>{ILTA_ENTRY, night}));
    EXPECT_EQ(loaded(ILTA_ENTRY), ILTA_LOADED);
    EXPECT_EQ(loaded(night), ILTA_LOADED);
}

TEST(SavedGames, CutOffRecordIsListedButNeverLoaded) {
    ScratchDir dir;
    const std::size_t headerEnd = ILTA_RECORD.find("\n2\n") + 1;
    // Everything up to "7 1001" without what follows it is a record cut short.
    for (std::size_t length = headerEnd; length + 2 < ILTA_RECORD.size(); ++length) {
        writeFile(SAVED_GAMES_FILE, ILTA_RECORD.substr(0, length));
        EXPECT_EQ(listed(), std::vector<std::string>{ILTA_ENTRY}) << length;
        EXPECT_EQ(loaded(ILTA_ENTRY), "refused") << ILTA_RECORD.substr(0, length);
    }
    writeFile(SAVED_GAMES_FILE, ILTA_RECORD.substr(0, ILTA_RECORD.size() - 2));
    EXPECT_EQ(loaded(ILTA_ENTRY), ILTA_LOADED);
}

TEST(SavedGames, SaveAfterACutOffRecordStartsOnALineOfItsOwn) {
    // Cut after a whole number, and inside one: "10" is what is left of 1001.
    for (std::size_t kept : {2, 4}) {
        ScratchDir dir;
        const std::string cut = ILTA_RECORD.substr(0, ILTA_RECORD.find("7 1001") + kept);
        writeFile(SAVED_GAMES_FILE, cut);
        GameState state = ilta();
        state.gameName = "Uusi";
        ASSERT_TRUE(appendSavedGame(state, "7.12.2026", SAVED_GAMES_FILE));
        EXPECT_EQ(fileContents(SAVED_GAMES_FILE), cut + "\n" + savedGameRecord(state, "7.12.2026"));
        EXPECT_EQ(listed(), (std::vector<std::string>{ILTA_ENTRY, "Uusi (7.12.2026, kierros 2)"}));
        EXPECT_EQ(loaded(ILTA_ENTRY), "refused") << cut;
        EXPECT_EQ(loaded("Uusi (7.12.2026, kierros 2)"), ILTA_LOADED);
    }
}

TEST(SavedGames, ValuesNoSaveWritesAreRefused) {
    struct Case {
        const char* rounds;
        const char* maxScore;
        const char* count;
        const char* points;
        bool loads;
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
        {"1", "-50", "1", "5", false},
        {"1", "x", "1", "5", false},
        {"1", "50", "1", "1002", false},
        {"1", "50", "1", "4294967297", false},
        {"1", "50", "1", "-5", false},
        {"1", "50", "1", "x", false},
        // Counts far beyond what the file holds must fail on the missing data,
        // never by reserving room for them first.
        {"1", "50", "4000000000", "5", false},
        {"4000000000", "50", "1", "5", false},
    };
    ScratchDir dir;
    for (const Case& c : cases) {
        writeFile(SAVED_GAMES_FILE, std::string("\n\nPeli (6.12.2026, kierros 1)\n") + c.rounds +
                                        "\n6.12.2026\n19:05:12\n" + c.maxScore + "\n" + c.count +
                                        "\nMatti\n0\n" + c.points + " \n\n");
        const std::string result = loaded("Peli (6.12.2026, kierros 1)");
        const std::string expected =
            c.loads ? std::string("round 1, max ") + c.maxScore +
                          ", started 6.12.2026 19:05:12, name '' | 'Matti': " + c.points
                    : "refused";
        EXPECT_EQ(result, expected)
            << "R " << c.rounds << ", max " << c.maxScore << ", P " << c.count;
    }
}
