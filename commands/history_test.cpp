#include "commands/history.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/test_support.h"

namespace {

constexpr std::uint32_t X = NO_RESULT;

TEST(RoundHistory, ConsoleShowsExampleGridAndWinners) {
    GameState state;  // Jo skipped the first round
    state.throwers = {thrower("Anna", {45, 20}), thrower("Eero", {30, 45}), thrower("Jo", {X, 45})};
    state.round = 2;
    std::istringstream in;
    std::ostringstream out;
    Console console{in, out};
    showRoundHistory(console, state);
    EXPECT_EQ(out.str(), "\n" + std::string(65, '-') + "\n\nEdellisten kierrosten tulokset: \n" +
                             cp850("Kierros   Anna  Eero  Jo     Yhteensä\n") +
                             std::string(38, '-') +
                             "\n"
                             "1         45    30    -      75\n"
                             "2         20    45    45     110\n"
                             "\nEdellisten kierrosten voittajat: \n"
                             "  Kierros 1: Anna tuloksella 45\n"
                             "  Kierros 2: Eero & Jo tuloksella 45\n\n");
}

TEST(RoundHistory, ConsoleGridFitsThirteenOneLetterThrowersButNotFourteen) {
    std::vector<ThrowerRecord> throwers;
    for (char letter = 'A'; letter < 'A' + 14; ++letter) {
        throwers.push_back(thrower(std::string(1, letter), {}));
    }
    EXPECT_EQ(roundHistory(throwers, 0, Form::Console),
              "\n" + std::string(65, '-') + "\nEdellisten kierrosten voittajat: \n\n");
    // The file has no width limit.
    EXPECT_EQ(roundHistory(throwers, 0, Form::File).rfind("Kierros   A   B   C", 0), 0u);
    throwers.pop_back();
    EXPECT_NE(roundHistory(throwers, 0, Form::Console).find("Edellisten kierrosten tulokset: "),
              std::string::npos);
}

// 1000 fills A's four characters and touches the next cell; a long name is cut
// to 15 in the header and the winners, its column two wider. Round 2 has no
// result at all.
TEST(RoundHistory, ShortAndLongNamesThousandPointsAndARoundWithoutResults) {
    const std::vector<ThrowerRecord> throwers = {thrower("A", {1000, X}), thrower("B", {5, X}),
                                                 thrower("Punainen Joukkue", {1000, X})};
    const std::string text = roundHistory(throwers, 2, Form::File);
    EXPECT_EQ(text.rfind("Kierros   A   B   Punainen Joukku     Yhteens", 0), 0u) << text;
    EXPECT_NE(text.find("\n1         10005   1000" + std::string(16, ' ') + "2005\n" +
                        "2         -   -   -" + std::string(19, ' ') + "0\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("  Kierros 1: A & Punainen Joukku tuloksella 1000\n"
                        "  Kierros 2: Ei parasta tulosta.\n"),
              std::string::npos);
}

TEST(RoundWinners, NamesEveryThrowerWithTheHighestPoints) {
    struct Case {
        std::vector<ThrowerRecord> throwers;
        std::string expected;
    };
    const Case cases[] = {
        {{thrower("Anna", {7}), thrower("Eero", {X}), thrower("Jo", {7})},
         "Anna & Jo tuloksella 7"},
        {{thrower("Anna", {0}), thrower("Eero", {X}), thrower("Jo", {0})}, "Ei parasta tulosta."},
        {{}, "Ei parasta tulosta."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(roundWinners(c.throwers, 1), c.expected);
    }
}

}  // namespace
