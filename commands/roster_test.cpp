#include "commands/roster.h"

#include <sstream>

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace {

constexpr std::uint32_t X = NO_RESULT;

// Command U again and again after three rounds in which Pekka withdrew in the
// second. Every message is followed by a pause; a new thrower joins silently.
TEST(AddOrRecallThrower, JoinsRefusalsRecallsAndTheEndOfInput) {
    GameState state;
    state.round = 3;
    state.throwers = {thrower("Pekka", {5, X, X}, true), thrower("Punaiset Ketut Oy", {4, 4, 4})};
    // A short name may end in a blank; a long typed name matches by its first
    // 15 bytes. The last refusal's pause meets the end of input.
    std::istringstream in(
        "  Liisa  \n \t \nkey\npunaiset ketut\nkey\nPunaiset Ketut Ry\nkey\nPEKKA \nkey\nliisa");
    std::ostringstream out;
    Console console{in, out};
    unsigned commands = 1;
    while (addOrRecallThrower(console, state)) {
        ++commands;
    }
    const std::string prompt = "Anna uuden pelaajan nimi: ";
    const std::string refused = cp850("Kyseinen pelaaja on jo olemassa. Pelaajaa ei lisätty.\n");
    EXPECT_EQ(out.str(), cp850(prompt + prompt + "Pelaajaa ei lisätty.\n" + PAUSE + prompt +
                               refused + PAUSE + prompt + refused + PAUSE + prompt +
                               "Kyseinen pelaaja oli vetäytynyt pelistä. Hänet kutsuttiin "
                               "takaisin peliin.\n" +
                               PAUSE + prompt + refused + PAUSE));
    EXPECT_EQ(commands, 6u);
    ASSERT_EQ(state.throwers.size(), 3u);
    EXPECT_EQ(state.throwers[2].name, "Liisa");
    EXPECT_EQ(state.throwers[2].points, std::vector<std::uint32_t>(3, X));
    EXPECT_FALSE(state.throwers[0].withdrawn);
}

}  // namespace
