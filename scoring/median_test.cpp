#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "format/numbers.h"
#include "scoring/figures.h"

namespace {

constexpr std::uint32_t NR = NO_RESULT;

ThrowerRecord withPoints(std::vector<std::uint32_t> points) {
    ThrowerRecord thrower = makeThrower("Matti");
    thrower.points = std::move(points);
    return thrower;
}

// The median as the rule states it: sort the results, take the middle one or
// the halved sum of the two middle ones.
std::string sortedMedian(const std::vector<std::uint32_t>& points) {
    std::vector<std::uint32_t> results;
    std::copy_if(points.begin(), points.end(), std::back_inserter(results),
                 [](std::uint32_t entry) { return entry != NR; });
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

// Values above the highest maximum score only come from an edited saved game,
// but they still count as results; the middle may fall on either side of 1000.
TEST(MedianTest, ResultsAboveTheHighestMaximum) {
    EXPECT_EQ(medianText(withPoints({1000, 2000})), "1500");
    EXPECT_EQ(medianText(withPoints({999, 1002})), "1000.5");
    EXPECT_EQ(medianText(withPoints({5000, 3, 4000})), "4000");
    EXPECT_EQ(medianText(withPoints({NR, 2000, 1, 3000, 1, NR})), "1000.5");
    EXPECT_EQ(medianText(withPoints({7, 1003, 1002, 1004, 6})), "1002");
    EXPECT_EQ(medianText(withPoints({5000, 1, 4000, 2000, 3000})), "3000");
    EXPECT_EQ(medianText(withPoints({5000, 4000, 2000, 3000})), "3500");
}

TEST(MedianTest, AgreesWithSortingOnRandomGames) {
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
