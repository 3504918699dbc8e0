#include "scoring/thrower.h"

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace {

TEST(ThrowerTest, RoundsAreAddedAndRemovedAtTheEnd) {
    ThrowerRecord thrower = makeThrower("Matti");
    addRoundPoints(thrower, 3);
    addRoundPoints(thrower, NO_RESULT);
    addRoundPoints(thrower, 7);
    removeLastRound(thrower);
    EXPECT_EQ(thrower.points, (std::vector<std::uint32_t>{3, NO_RESULT}));
    EXPECT_EQ(pointsOfRound(thrower, 2), NO_RESULT);
    EXPECT_EQ(pointsOfRound(thrower, 0), 0u);
    EXPECT_EQ(pointsOfRound(thrower, 3), 0u);
    removeLastRound(thrower);
    removeLastRound(thrower);
    removeLastRound(thrower);  // nothing left: must not fail
    EXPECT_TRUE(thrower.points.empty());
}

TEST(ThrowerTest, ShortNameIsTheFirstFifteenBytes) {
    EXPECT_EQ(shortName(makeThrower("Kaarlo-Juhani Mattila")), "Kaarlo-Juhani M");
    EXPECT_EQ(shortName(makeThrower("Matti")), "Matti");
    // Console letters are one byte each.
    EXPECT_EQ(shortName(makeThrower(cp850("Äijä-Öljynen Åke"))), cp850("Äijä-Öljynen Åk"));
}

}  // namespace
