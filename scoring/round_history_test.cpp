#include "scoring/round_history.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

// The grid is shown while 25 and the columns make at most 79; the file has no
// limit. Twelve one-letter throwers take 12 x 4 columns, "Matt" the last 6.
TEST(RoundHistory, ConsoleGridUpToSeventyNineColumns) {
    for (const std::string last : {"Matt", "Matti"}) {
        std::vector<ThrowerRecord> throwers;
        for (char letter = 'A'; letter < 'A' + 12; ++letter)
            throwers.push_back(thrower(std::string(1, letter), {}));
        throwers.push_back(thrower(last, {}));
        const std::string grid = "Kierros   A   B   C";
        EXPECT_EQ(roundHistory(throwers, 0, Form::Console).find(grid) != std::string::npos,
                  last == "Matt");
        EXPECT_EQ(roundHistory(throwers, 0, Form::File).rfind(grid, 0), 0u);
    }
}
