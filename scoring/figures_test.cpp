#include "scoring/figures.h"

#include <cmath>
#include <cstdint>
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
    {{1, 1, 2}, 4, 2, 1, 4.0 / 3.0, "1", std::sqrt(2.0 / 3.0)},
    {{1, 2}, 3, 2, 1, 1.5, "1.5", std::sqrt(0.5)},
    {{10, 20}, 30, 20, 10, 15.0, "15", std::sqrt(50.0)},
    {{}, 0, 0, 0, 0.0, "0", 0.0},
    {{NR, NR}, 0, 0, 0, 0.0, "0", 0.0},
    {{0}, 0, 0, 0, 0.0, "0", 0.0},
    {{12, NR}, 12, 12, 12, 12.0, "12", 0.0},
    {{NR, 4, NR, 7}, 11, 7, 4, 5.5, "5.5", std::sqrt(4.5)},
    // Unsorted lists, duplicates and ends of the range: the median must be the
    // middle of the sorted results however it is found.
    {{5, 1, 5, 3, 9}, 23, 9, 1, 4.6, "5", std::sqrt(35.2)},
    {{9, 1, 8, 2, 7, 3}, 30, 9, 1, 5.0, "5", std::sqrt(58.0)},
    {{10, 1, 2, 9}, 22, 10, 1, 5.5, "5.5", std::sqrt(65.0)},
    {{6, 6, 1, 1}, 14, 6, 1, 3.5, "3.5", std::sqrt(25.0)},
    {{1000, 999}, 1999, 1000, 999, 999.5, "999.5", std::sqrt(0.5)},
    {{0, 1000}, 1000, 1000, 0, 500.0, "500", std::sqrt(500000.0)},
    // Only a saved-games file could bring in a value this high; it is never
    // taken as the lowest result.
    {{2000}, 2000, 2000, 0, 2000.0, "2000", 0.0},
    {{2000, 5}, 2005, 2000, 5, 1002.5, "1002.5", std::sqrt(1990012.5)},
    {{1500, NR, 3, 1200}, 2703, 1500, 3, 901.0, "1200", std::sqrt(1254606.0)},
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

TEST(FiguresTest, ShownDigitsAreTruncated) {
    EXPECT_EQ(decimalToText(variance(withPoints({3, NR, 7, 5})), 2), "2.82");
    EXPECT_EQ(decimalToText(variance(withPoints({4, 7})), 2), "2.12");
    EXPECT_EQ(decimalToText(variance(withPoints({10, 20})), 2), "7.07");
    EXPECT_EQ(decimalToText(averagePoints(withPoints({1, 1, 2})), 2), "1.33");
    EXPECT_EQ(decimalToText(averagePoints(withPoints({0, 0, 2})), 2), "0.66");
}

TEST(FiguresTest, IntegerColumns) {
    EXPECT_EQ(unsignedToColumn(7, 8), "7       ");
    EXPECT_EQ(unsignedToColumn(123456789, 8), "123456789");
    EXPECT_EQ(unsignedToColumn(0, 1), "0");
}

}  // namespace
