#include "format/numbers.h"

#include <utility>

#include <gtest/gtest.h>

namespace {

TEST(NumbersTest, TextsOfEveryFormatter) {
    const std::pair<std::string, std::string> cases[] = {
        {unsignedToText(4294967295u), "4294967295"},
        {signedToText(0), "0"},
        {signedToText(-5), "-5"},
        {signedToText(-2147483647 - 1), "-2147483648"},
        {twoDigitText(9), "09"},
        {twoDigitText(10), "10"},
        // Each digit is cut from the double left after the previous one, so a
        // value stored just below its decimal loses a hundredth: 2.3 is 2.29.
        {decimalToText(2.3, 2), "2.29"},
        {decimalToText(2.0 / 3.0, 2), "0.66"},
        {decimalToText(12.5, 0), "12"},
        {decimalToText(4294967295.5, 1), "4294967295.5"},
        // Out of the figures' domain: clamped rather than undefined.
        {decimalToText(-1.5, 2), "0.00"},
        {decimalToText(1e20, 0), "4294967295"},
        {padRight("abcde", 4), "abcde"},
        {decimalToColumn(5.5, 6), "5.50  "},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(text, expected);
    }
}

}  // namespace
