#include "format/numbers.h"

#include <utility>

#include <gtest/gtest.h>

TEST(NumbersTest, TextsOfEveryFormatter) {
    EXPECT_EQ(signedToText(0) + " " + signedToText(-5) + " " + signedToText(-2147483647 - 1) + " " +
                  twoDigitText(9) + " " + twoDigitText(10) + " " + padRight("abcde", 4) + "|",
              "0 -5 -2147483648 09 10 abcde|");
    // Each digit is cut from the double left after the previous one, so a value
    // stored just below its decimal loses a hundredth: 2.3 is 2.29. Values out
    // of the figures' domain are clamped rather than undefined.
    std::string decimals;
    for (const auto& [x, places] :
         {std::pair{2.3, 2u}, {12.5, 0u}, {4294967295.5, 1u}, {-1.5, 2u}, {1e20, 0u}})
        decimals += decimalToText(x, places) + " ";
    EXPECT_EQ(decimals, "2.29 12 4294967295.5 0.00 4294967295 ");
}
