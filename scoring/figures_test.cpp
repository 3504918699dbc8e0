#include "scoring/figures.h"

#include <algorithm>
#include <cmath>
#include <random>

#include <gtest/gtest.h>

#include "format/numbers.h"
#include "support/test_support.h"

namespace {

constexpr std::uint32_t NR = NO_RESULT;

TEST(FiguresTest, FiguresOverTheResults) {
    const struct {
        std::vector<std::uint32_t> points;
        std::uint32_t total, best, worst;
        double average;
        const char* median;
        double variance;
    } cases[] = {
        {{3, NR, 7, 5}, 15, 7, 3, 5.0, "5", std::sqrt(8.0)},
        {{4, 7}, 11, 7, 4, 5.5, "5.5", std::sqrt(4.5)},
        {{NR, NR}, 0, 0, 0, 0.0, "0", 0.0},
        // Only an edited saved game brings values above 1000; they still count
        // as results, but one of 1005 or more is never taken as the lowest.
        {{999, 1002}, 2001, 1002, 999, 1000.5, "1000.5", std::sqrt(4.5)},
        {{2000}, 2000, 2000, 0, 2000.0, "2000", 0.0},
    };
    for (const auto& c : cases) {
        const ThrowerRecord t = thrower("Matti", c.points);
        SCOPED_TRACE(::testing::PrintToString(c.points));
        EXPECT_EQ(totalPoints(t), c.total);
        EXPECT_EQ(bestPoints(t), c.best);
        EXPECT_EQ(worstPoints(t), c.worst);
        EXPECT_EQ(averagePoints(t), c.average);  // an exact quotient of doubles
        EXPECT_EQ(medianText(t), c.median);
        EXPECT_DOUBLE_EQ(variance(t), c.variance);
    }
}

// The median counts the results instead of sorting them; sorting is the rule.
TEST(FiguresTest, MedianAgreesWithSortingOnRandomGames) {
    std::mt19937 random(7);
    std::uniform_int_distribution<std::uint32_t> kind(0, 19), small(0, 50), large(1000, 5000);
    for (std::uint32_t game = 0; game < 600; ++game) {
        const std::uint32_t largeShare = game % 3 * 8;  // none, some or most above 1000
        std::vector<std::uint32_t> points(random() % 40), results;
        for (std::uint32_t& entry : points) {
            const std::uint32_t k = kind(random);
            entry = k == 19 ? NR : k < largeShare ? large(random) : small(random);
            if (entry != NR) {
                results.push_back(entry);
            }
        }
        std::sort(results.begin(), results.end());
        const std::size_t n = results.size();
        const std::uint32_t sum = n == 0 ? 0 : results[(n - 1) / 2] + results[n / 2];
        const std::string expected =
            sum % 2 == 0 ? unsignedToText(sum / 2) : decimalToText(sum / 2.0, 1);
        EXPECT_EQ(medianText(thrower("Matti", points)), expected)
            << ::testing::PrintToString(points);
    }
}

}  // namespace
