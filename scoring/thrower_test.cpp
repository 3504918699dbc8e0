#include "scoring/thrower.h"

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace {

TEST(ThrowerTest, NewRecordKeepsWholeNameAndCanBeRecalled) {
    ThrowerRecord thrower = makeThrower("Kaarlo-Juhani Mattila");
    EXPECT_EQ(thrower.name, "Kaarlo-Juhani Mattila");
    EXPECT_TRUE(thrower.points.empty());
    EXPECT_FALSE(isWithdrawn(thrower));
    setWithdrawn(thrower);
    EXPECT_TRUE(isWithdrawn(thrower));
    clearWithdrawn(thrower);
    EXPECT_FALSE(isWithdrawn(thrower));
}

TEST(ThrowerTest, RoundsAreAddedAndRemovedAtTheEnd) {
    ThrowerRecord thrower = makeThrower("Matti");
    addRoundPoints(thrower, 3);
    addRoundPoints(thrower, NO_RESULT);
    addRoundPoints(thrower, 7);
    removeLastRound(thrower);
    EXPECT_EQ(thrower.points, (std::vector<std::uint32_t>{3, NO_RESULT}));

    EXPECT_EQ(pointsOfRound(thrower, 1), 3u);
    EXPECT_EQ(pointsOfRound(thrower, 2), NO_RESULT);
    EXPECT_EQ(pointsOfRound(thrower, 0), 0u);
    EXPECT_EQ(pointsOfRound(thrower, 3), 0u);

    removeLastRound(thrower);
    removeLastRound(thrower);
    removeLastRound(thrower);  // nothing left: must not fail
    EXPECT_TRUE(thrower.points.empty());
    EXPECT_EQ(pointsOfRound(thrower, 1), 0u);
}

TEST(ThrowerTest, ShortNameIsTheFirstFifteenBytes) {
    const struct {
        std::string name;
        std::string shortened;
    } cases[] = {
        {"Kaarlo-Juhani Mattila", "Kaarlo-Juhani M"},
        {"Kaarlo-Juhani M", "Kaarlo-Juhani M"},
        {"Matti", "Matti"},
        {"", ""},
        // Console letters are one byte each.
        {cp850("Äijä-Öljynen Åke"), cp850("Äijä-Öljynen Åk")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(shortName(makeThrower(c.name)), c.shortened) << c.name;
    }
}

}  // namespace
