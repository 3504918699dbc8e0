#include "commands/history.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace {

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

}  // namespace
