#include "commands/history.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace {

constexpr std::uint32_t X = NO_RESULT;

// The grid is shown while 25 and the columns make at most 79; the file has no limit.
TEST(RoundHistory, ConsoleGridUpToSeventyNineColumns) {
    const struct {
        std::vector<std::string> last;  // after twelve one-letter throwers (12 x 4 columns)
        bool shown;
    } cases[] = {{{"M"}, true}, {{"Matt"}, true}, {{"Matti"}, false}, {{"M", "N"}, false}};
    for (const auto& c : cases) {
        std::vector<ThrowerRecord> throwers;
        for (char letter = 'A'; letter < 'A' + 12; ++letter) {
            throwers.push_back(thrower(std::string(1, letter), {}));
        }
        for (const std::string& name : c.last) {
            throwers.push_back(thrower(name, {}));
        }
        const std::string console = roundHistory(throwers, 0, Form::Console);
        EXPECT_EQ(console.find("Kierros   A   B   C") != std::string::npos, c.shown) << c.last[0];
        EXPECT_EQ(roundHistory(throwers, 0, Form::File).rfind("Kierros   A   B   C", 0), 0u);
    }
}

// 1000 fills A's four columns and touches the next cell; a long name is cut to
// 15 in the header and the winners. Nobody threw in round 2, and only 0 in round 3.
TEST(RoundHistory, FileGridWithThousandPointsLongNamesAndNoWinners) {
    const std::vector<ThrowerRecord> throwers = {thrower("A", {1000, X, 0}),
                                                 thrower("B", {5, X, X}),
                                                 thrower("Punainen Joukkue", {1000, X, 0})};
    EXPECT_EQ(roundHistory(throwers, 3, Form::File),
              cp850("Kierros   A   B   Punainen Joukku     Yhteensä\n") + std::string(49, '-') +
                  "\n1         10005   1000" + std::string(16, ' ') + "2005\n" +
                  "2         -   -   -" + std::string(19, ' ') + "0\n" + "3         0   -   0" +
                  std::string(19, ' ') +
                  "0\n\n\n"
                  "Kierrosten voittajat: \n"
                  "  Kierros 1: A & Punainen Joukku tuloksella 1000\n"
                  "  Kierros 2: Ei parasta tulosta.\n"
                  "  Kierros 3: Ei parasta tulosta.\n");
}

}  // namespace
