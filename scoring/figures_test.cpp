#include "scoring/figures.h"

#include <algorithm>
#include <random>

#include <gtest/gtest.h>

#include "format/numbers.h"
#include "support/test_support.h"

constexpr std::uint32_t NR = NO_RESULT;

// Total, best, worst, average and variance. Values above 1000 (only from an edited saved
// game) still count as results, but one of 1005 or more is never taken as the lowest. The
// median counts the results instead of sorting them; sorting is the rule.
TEST(FiguresTest, FiguresAndTheMedianAgainstSorting) {
    // clang-format off
    const std::pair<std::vector<std::uint32_t>, const char*> cases[] = {
        {{3, NR, 7, 5}, "15 7 3 5.00 2.82"}, {{NR, NR}, "0 0 0 0.00 0.00"},
        {{999, 1002}, "2001 1002 999 1000.50 2.12"}, {{2000}, "2000 2000 0 2000.00 0.00"}};
    // clang-format on
    for (const auto& [points, figures] : cases) {
        const ThrowerRecord t = thrower("Matti", points);
        EXPECT_EQ(unsignedToText(totalPoints(t)) + " " + unsignedToText(bestPoints(t)) + " " +
                      unsignedToText(worstPoints(t)) + " " + decimalToText(averagePoints(t), 2) +
                      " " + decimalToText(variance(t), 2),
                  figures);
    }
    std::mt19937 random(7);
    for (std::uint32_t game = 0; game < 600; ++game) {  // none, some or most above 1000 by turns
        std::vector<std::uint32_t> points(random() % 40), results;
        for (std::uint32_t& entry : points) {
            const std::uint32_t kind = random() % 20;
            entry = kind == 19 ? NR : kind < game % 3 * 8 ? 1000 + random() % 4001 : random() % 51;
            if (entry != NR)
                results.push_back(entry);
        }
        std::sort(results.begin(), results.end());
        // The mean of the two middle results (one counted twice for an odd
        // count), written as people write it: a whole number, or its half.
        const std::size_t n = results.size();
        const std::uint32_t twice = n == 0 ? 0 : results[(n - 1) / 2] + results[n / 2];
        EXPECT_EQ(medianText(thrower("Matti", points)),
                  std::to_string(twice / 2) + (twice % 2 == 1 ? ".5" : ""))
            << ::testing::PrintToString(points);
    }
}
