#include "commands/roster.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/test_support.h"

namespace {

constexpr std::uint32_t X = NO_RESULT;

ThrowerRecord thrower(const std::string& name, std::vector<std::uint32_t> points,
                      bool withdrawn = false) {
    ThrowerRecord record = makeThrower(name);
    record.points = std::move(points);
    record.withdrawn = withdrawn;
    return record;
}

// Three rounds played; Pekka withdrew in the second.
GameState threeRounds() {
    GameState state;
    state.round = 3;
    state.throwers = {thrower("Matti", {10, 20, 30}), thrower("Pekka", {5, X, X}, true),
                      thrower(cp850("Äijä"), {X, 1, 2}), thrower("Punaiset Ketut Oy", {4, 4, 4})};
    return state;
}

const std::string PROMPT = "Anna uuden pelaajan nimi: ";
const std::string PAUSE = cp850("Jatka painamalla mitä tahansa näppäintä . . . \n");
const std::string REFUSED = cp850("Kyseinen pelaaja on jo olemassa. Pelaajaa ei lisätty.\n");
const std::string RECALLED =
    cp850("Kyseinen pelaaja oli vetäytynyt pelistä. Hänet kutsuttiin takaisin peliin.\n");

struct UResult {
    bool returned = false;
    std::string output;
    std::string rest;  // what was left of the input
    GameState state;
};

UResult runU(const std::string& input, GameState state = threeRounds()) {
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
    EXPECT_EQ(state.throwers[0].points, (std::vector<std::uint32_t>{10, 20}));
    EXPECT_EQ(state.throwers[1].points, (std::vector<std::uint32_t>{5, X}));
    EXPECT_TRUE(state.throwers[1].withdrawn);
    discardLatestRound(state);
    discardLatestRound(state);
    EXPECT_EQ(state.round, 0u);
    for (const ThrowerRecord& t : state.throwers) {
        EXPECT_TRUE(t.points.empty()) << t.name;
    }
    discardLatestRound(state);  // nothing left to discard
    EXPECT_EQ(state.round, 0u);
    EXPECT_EQ(state.throwers.size(), 4u);
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
        {"", cp850("Pelaajaa ei lisätty.\n")},
        {" \t ", cp850("Pelaajaa ei lisätty.\n")},
        {"  Matti  ", REFUSED},
        {"MATTI", REFUSED},
        {cp850("Äijä"), REFUSED},
        {"punaiset ketut", REFUSED},     // the short name ends in a blank
        {"Punaiset Ketut Ry", REFUSED},  // long: its first 15 characters match
        {"punaiset ketut oy", REFUSED},
        {"pekka", RECALLED},
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

TEST(AddOrRecallThrower, LongNameMatchingInItsFirstFifteenCharactersIsNotAdded) {
    // A second "Punainen Joukku" would be two throwers under one name in every table.
    GameState state;
    state.throwers = {thrower("Punainen Joukkue", {})};
    const UResult r = runU("Punainen Joukkuu\n\n", state);
    EXPECT_EQ(r.output, PROMPT + REFUSED + PAUSE);
    EXPECT_EQ(r.state.throwers.size(), 1u);
}

TEST(AddOrRecallThrower, EndOfInputEndsTheCommand) {
    EXPECT_FALSE(runU("").returned);
    // The pause meets the end of input: nothing more can be read after it.
    const UResult r = runU("Matti");
    EXPECT_EQ(r.output, PROMPT + REFUSED + PAUSE);
    EXPECT_FALSE(r.returned);
}

}  // namespace
