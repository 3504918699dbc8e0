#include "commands/roster.h"

#include <sstream>

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace {

constexpr std::uint32_t X = NO_RESULT;
const std::string PROMPT = "Anna uuden pelaajan nimi: ";
const std::string REFUSED = cp850("Kyseinen pelaaja on jo olemassa. Pelaajaa ei lisätty.\n");
const std::string RECALLED =
    cp850("Kyseinen pelaaja oli vetäytynyt pelistä. Hänet kutsuttiin takaisin peliin.\n");

// Command U after three rounds in which Pekka withdrew in the second. A message
// is followed by a pause that takes one line; a new thrower joins silently.
TEST(AddOrRecallThrower, JoinsRefusalsAndRecalls) {
    const struct {
        std::string typed, message, joined;
    } cases[] = {
        {"  Liisa  ", "", "Liisa"},
        {cp850("äIJä"), "", cp850("äIJä")},  // only a to z match without case
        {" \t ", cp850("Pelaajaa ei lisätty.\n"), ""},
        {"  matti  ", REFUSED, ""},
        {"punaiset ketut", REFUSED, ""},     // the short name ends in a blank
        {"Punaiset Ketut Ry", REFUSED, ""},  // long: its first 15 bytes match
        {"PEKKA ", RECALLED, ""},
    };
    for (const auto& c : cases) {
        GameState state;
        state.round = 3;
        state.throwers = {thrower("Matti", {10, 20, 30}), thrower("Pekka", {5, X, X}, true),
                          thrower(cp850("Äijä"), {X, 1, 2}),
                          thrower("Punaiset Ketut Oy", {4, 4, 4})};
        std::istringstream in(c.typed + "\nkey\nnext\n");
        std::ostringstream out;
        Console console{in, out};
        EXPECT_TRUE(addOrRecallThrower(console, state)) << c.typed;
        std::string rest;
        std::getline(in, rest);
        EXPECT_EQ(rest, c.message.empty() ? "key" : "next") << c.typed;
        EXPECT_EQ(out.str(), PROMPT + c.message + (c.message.empty() ? "" : PAUSE)) << c.typed;
        ASSERT_EQ(state.throwers.size(), c.joined.empty() ? 4u : 5u) << c.typed;
        EXPECT_EQ(state.throwers.back().name, c.joined.empty() ? "Punaiset Ketut Oy" : c.joined);
        EXPECT_EQ(state.throwers.back().points,
                  (c.joined.empty() ? std::vector<std::uint32_t>{4, 4, 4}
                                    : std::vector<std::uint32_t>{X, X, X}));
        EXPECT_EQ(state.throwers[1].withdrawn, c.message != RECALLED) << c.typed;
        EXPECT_EQ(state.throwers[1].points, (std::vector<std::uint32_t>{5, X, X}));
    }
}

// The pause after a refusal may meet the end of input: nothing may be read after it.
TEST(AddOrRecallThrower, EndOfInputEndsTheCommand) {
    for (const std::string input : {"", "Matti"}) {
        GameState state;
        state.throwers = {thrower("Matti", {})};
        std::istringstream in(input);
        std::ostringstream out;
        Console console{in, out};
        EXPECT_FALSE(addOrRecallThrower(console, state)) << input;
        EXPECT_EQ(out.str(), PROMPT + (input.empty() ? "" : REFUSED + PAUSE));
    }
}

}  // namespace
