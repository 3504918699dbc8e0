#include "scoring/figures.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "format/numbers.h"

namespace {

constexpr std::uint32_t NR = NO_RESULT;

ThrowerRecord withPoints(std::vector<std::uint32_t> points) {
    ThrowerRecord thrower = makeThrower("Matti");
    thrower.points = std::move(points);
    return thrower;
}

struct FigureCase {
    std::vector<std::uint32_t> points;
    std::uint32_t total, best, worst;
    double average;
    const char* median;
    double variance;
};

const FigureCase FIGURE_CASES[] = {
    {{3, NR, 7, 5}, 15, 7, 3, 5.0, "5", std::sqrt(8.0)},
    {{4, 7}, 11, 7, 4, 5.5, "5.5", std::sqrt(4.5)},
    {{4, 8}, 12, 8, 4, 6.0, "6", std::sqrt(8.0)},
    {{2, 9, 4, 1}, 16, 9, 1, 4.0, "3", std::sqrt(38.0)},
    {{5, 1, 5, 3, 9}, 23, 9, 1, 4.6, "5", std::sqrt(35.2)},
    {{}, 0, 0, 0, 0.0, "0", 0.0},
    {{NR, NR}, 0, 0, 0, 0.0, "0", 0.0},
    {{12, NR}, 12, 12, 12, 12.0, "12", 0.0},
    // Values above the highest maximum score are never typed, but they still
    // count as results; one of 1005 or more is never taken as the lowest.
    {{999, 1002}, 2001, 1002, 999, 1000.5, "1000.5", std::sqrt(4.5)},
    {{2000}, 2000, 2000, 0, 2000.0, "2000", 0.0},
    {{2000, 5}, 2005, 2000, 5, 1002.5, "1002.5", std::sqrt(1990012.5)},
};

TEST(FiguresTest, FiguresOverTheResults) {
    for (const FigureCase& c : FIGURE_CASES) {
        const ThrowerRecord thrower = withPoints(c.points);
        SCOPED_TRACE(::testing::PrintToString(c.points));
        EXPECT_EQ(totalPoints(thrower), c.total);
        EXPECT_EQ(bestPoints(thrower), c.best);
        EXPECT_EQ(worstPoints(thrower), c.worst);
        EXPECT_EQ(averagePoints(thrower), c.average);  // an exact quotient of doubles
        EXPECT_EQ(medianText(thrower), c.median);
        EXPECT_DOUBLE_EQ(variance(thrower), c.variance);
    }
}

// The median as the rule states it: sort the results, take the middle one or
// the halved sum of the two middle ones.
std::string sortedMedian(std::vector<std::uint32_t> results) {
    results.erase(std::remove(results.begin(), results.end(), NR), results.end());
    if (results.empty()) {
        return "0";
    }
    std::sort(results.begin(), results.end());
    const std::size_t n = results.size();
    if (n % 2 == 1) {
        return unsignedToText(results[n / 2]);
    }
    const std::uint32_t sum = results[n / 2 - 1] + results[n / 2];
    return sum % 2 == 0 ? unsignedToText(sum / 2) : decimalToText(sum / 2.0, 1);
}

TEST(FiguresTest, MedianAgreesWithSortingOnRandomGames) {
    std::mt19937 random(7);
    std::uniform_int_distribution<std::uint32_t> kind(0, 19), small(0, 50), large(1000, 5000);
    for (std::uint32_t game = 0; game < 600; ++game) {
        // Games without, with some and with mostly results above 1000.
        const std::uint32_t largeShare = game % 3 * 8;
        std::vector<std::uint32_t> points(random() % 40);
        for (std::uint32_t& entry : points) {
            const std::uint32_t k = kind(random);
            entry = k == 19 ? NR : k < largeShare ? large(random) : small(random);
        }
        SCOPED_TRACE(::testing::PrintToString(points));
        EXPECT_EQ(medianText(withPoints(points)), sortedMedian(points));
    }
}

}  // namespace
