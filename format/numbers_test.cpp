#include "format/numbers.h"

#include <cstdint>
#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace {

TEST(NumbersTest, IntegerTexts) {
    EXPECT_EQ(unsignedToText(0), "0");
    EXPECT_EQ(unsignedToText(4294967295u), "4294967295");
    EXPECT_EQ(signedToText(-5), "-5");
    EXPECT_EQ(signedToText(0), "0");
    EXPECT_EQ(signedToText(std::numeric_limits<std::int32_t>::min()), "-2147483648");
    EXPECT_EQ(signedToText(std::numeric_limits<std::int32_t>::max()), "2147483647");
    EXPECT_EQ(twoDigitText(0), "00");
    EXPECT_EQ(twoDigitText(9), "09");
    EXPECT_EQ(twoDigitText(10), "10");
    EXPECT_EQ(twoDigitText(100), "100");
}

// Digits are truncated from the double itself, so values whose nearest double
// lies just below them lose a hundredth.
TEST(NumbersTest, DecimalToTextTruncates) {
    const struct {
        double x;
        std::uint32_t decimals;
        const char* text;
    } cases[] = {
        {0.0, 2, "0.00"},
        {2.0 / 3.0, 2, "0.66"},
        {2.3, 2, "2.29"},
        {4.35, 2, "4.34"},
        {22.2, 2, "22.19"},
        {0.7, 2, "0.70"},
        {35.0 / 3.0, 2, "11.66"},
        {2.3, 1, "2.2"},
        {12.5, 0, "12"},
        {4294967295.5, 1, "4294967295.5"},
        // Out of the figures' domain: clamped rather than undefined.
        {-1.5, 2, "0.00"},
        {1e20, 0, "4294967295"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(decimalToText(c.x, c.decimals), c.text) << c.x << " with " << c.decimals;
    }
}

TEST(NumbersTest, PaddingNeverCuts) {
    EXPECT_EQ(padRight("abc", 7), "abc    ");
    EXPECT_EQ(padRight("abcde", 5), "abcde");
    EXPECT_EQ(padRight("Kaarlo-Juhani Mattila", 15), "Kaarlo-Juhani Mattila");
}

}  // namespace
