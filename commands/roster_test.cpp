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

// Command U after three rounds in which Pekka withdrew in the second. Every
// message is followed by a pause; a new thrower joins silently.
TEST(AddOrRecallThrower, JoinsRefusalsRecallsAndTheEndOfInput) {
    const struct {
        std::string input, message, joined;
        bool goesOn;
    } cases[] = {
        {"  Liisa  \n", "", "Liisa", true},
        {cp850("äIJä\n"), "", cp850("äIJä"), true},  // only a to z match without case
        {" \t \nkey\n", cp850("Pelaajaa ei lisätty.\n") + PAUSE, "", true},
        {"  matti  \nkey\n", REFUSED + PAUSE, "", true},
        {"punaiset ketut\nkey\n", REFUSED + PAUSE, "", true},     // the short name ends in a blank
        {"Punaiset Ketut Ry\nkey\n", REFUSED + PAUSE, "", true},  // long: its first 15 bytes match
        {"PEKKA \nkey\n", RECALLED + PAUSE, "", true},
        {"", "", "", false},
        {"Matti", REFUSED + PAUSE, "", false},  // the pause meets the end of input
    };
    for (const auto& c : cases) {
        GameState state;
        state.round = 3;
        state.throwers = {thrower("Matti", {10, 20, 30}), thrower("Pekka", {5, X, X}, true),
                          thrower(cp850("Äijä"), {X, 1, 2}),
                          thrower("Punaiset Ketut Oy", {4, 4, 4})};
        std::istringstream in(c.input);
        std::ostringstream out;
        Console console{in, out};
        EXPECT_EQ(addOrRecallThrower(console, state), c.goesOn) << c.input;
        EXPECT_EQ(out.str(), PROMPT + c.message) << c.input;
        ASSERT_EQ(state.throwers.size(), c.joined.empty() ? 4u : 5u) << c.input;
        EXPECT_EQ(state.throwers.back().name, c.joined.empty() ? "Punaiset Ketut Oy" : c.joined);
        EXPECT_EQ(state.throwers.back().points,
                  std::vector<std::uint32_t>(3, c.joined.empty() ? 4 : X));
        EXPECT_EQ(state.throwers[1].withdrawn, c.message != RECALLED + PAUSE) << c.input;
    }
}

}  // namespace
