#include "commands/roster.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/test_support.h"

namespace {

constexpr std::uint32_t X = NO_RESULT;

// Three rounds played; Pekka withdrew in the second.
GameState threeRounds() {
    GameState state;
    state.round = 3;
    state.throwers = {{{10, 20, 30}, "Matti"},
                      {{5, X, X}, "Pekka", true},
                      {{X, 1, 2}, cp850("Äijä")},
                      {{4, 4, 4}, "Punaiset Ketut Oy"}};
    return state;
}

const std::string PROMPT = "Anna uuden pelaajan nimi: ";
const std::string REFUSED = cp850("Kyseinen pelaaja on jo olemassa. Pelaajaa ei lisätty.\n");
const std::string RECALLED =
    cp850("Kyseinen pelaaja oli vetäytynyt pelistä. Hänet kutsuttiin takaisin peliin.\n");

struct UResult {
    bool returned = false;
    std::string output;
    std::string rest;  // what was left of the input
    GameState state;
};

UResult runU(const std::string& input) {
    GameState state = threeRounds();
    std::istringstream in(input);
    std::ostringstream out;
    Console console{in, out};
    UResult result;
    result.returned = addOrRecallThrower(console, state);
    result.output = out.str();
    std::getline(in, result.rest);
    result.state = state;
    return result;
}

TEST(DiscardLatestRound, RemovesOneRoundAtATimeDownToZeroAndKeepsWithdrawals) {
    GameState state = threeRounds();
    discardLatestRound(state);
    EXPECT_EQ(state.round, 2u);
    EXPECT_EQ(state.throwers[1].points, (std::vector<std::uint32_t>{5, X}));
    for (int i = 0; i < 3; ++i) {
        discardLatestRound(state);  // the third finds nothing left to discard
    }
    EXPECT_EQ(state.round, 0u);
    for (const ThrowerRecord& t : state.throwers) {
        EXPECT_TRUE(t.points.empty()) << t.name;
    }
    EXPECT_TRUE(state.throwers[1].withdrawn);
}

TEST(AddOrRecallThrower, NewNameJoinsAtTheEndWithoutResultsForRoundsPlayed) {
    const UResult r = runU("  Liisa  \nnext\n");
    EXPECT_TRUE(r.returned);
    EXPECT_EQ(r.output, PROMPT);  // no message, no pause
    EXPECT_EQ(r.rest, "next");
    ASSERT_EQ(r.state.throwers.size(), 5u);
    EXPECT_EQ(r.state.throwers.back().name, "Liisa");
    EXPECT_EQ(r.state.throwers.back().points, (std::vector<std::uint32_t>{X, X, X}));
    EXPECT_FALSE(r.state.throwers.back().withdrawn);
}

TEST(AddOrRecallThrower, RefusalsAndRecallsPrintTheirMessageAndPauseForOneLine) {
    struct Case {
        std::string typed;
        std::string message;
    };
    const Case cases[] = {
        {" \t ", cp850("Pelaajaa ei lisätty.\n")},
        {"  Matti  ", REFUSED},
        {"punaiset ketut", REFUSED},     // the short name ends in a blank
        {"Punaiset Ketut Ry", REFUSED},  // long: its first 15 characters match
        {"PEKKA ", RECALLED},
    };
    for (const Case& c : cases) {
        const UResult r = runU(c.typed + "\nkey\nnext\n");
        EXPECT_TRUE(r.returned) << c.typed;
        EXPECT_EQ(r.output, PROMPT + c.message + PAUSE) << c.typed;
        EXPECT_EQ(r.rest, "next") << c.typed;
        ASSERT_EQ(r.state.throwers.size(), 4u) << c.typed;
        const bool recalled = c.message == RECALLED;
        EXPECT_EQ(r.state.throwers[1].withdrawn, !recalled) << c.typed;
        EXPECT_EQ(r.state.throwers[1].name, "Pekka");
        EXPECT_EQ(r.state.throwers[1].points, (std::vector<std::uint32_t>{5, X, X}));
    }
}

TEST(AddOrRecallThrower, OnlyLettersAToZAreMatchedWithoutCase) {
    const UResult r = runU(cp850("äIJä\n"));
    ASSERT_EQ(r.state.throwers.size(), 5u);
    EXPECT_EQ(r.state.throwers.back().name, cp850("äIJä"));
}

TEST(AddOrRecallThrower, EndOfInputEndsTheCommand) {
    EXPECT_FALSE(runU("").returned);
    // The pause meets the end of input: nothing more can be read after it.
    const UResult r = runU("Matti");
    EXPECT_EQ(r.output, PROMPT + REFUSED + PAUSE);
    EXPECT_FALSE(r.returned);
}

}  // namespace
