#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

/// Decimal digits of n, without sign, leading zeros or separators.
std::string unsignedToText(std::uint32_t n);

/// Decimal digits of n, with "-" in front when n is negative.
std::string signedToText(std::int32_t n);

/// Decimal digits of n with one "0" in front when n is below 10; never cut.
std::string twoDigitText(std::uint32_t n);

/// x with exactly `decimals` digits after a point, truncated, never rounded:
/// each digit is taken from the double left after the previous one, so 2.3
/// gives 2.29. With 0 decimals the integer part alone, without a point.
/// Values below 0 count as 0 and values of 2^32 or more as 4294967295.
std::string decimalToText(double x, std::uint32_t decimals);

/// The text followed by blanks up to `width` bytes; a longer text is kept whole.
std::string padRight(std::string text, std::uint32_t width);

/// decimalToText with 2 decimals, padded to `width`.
std::string decimalToColumn(double x, std::uint32_t width);

/// What a line holds where a number is expected.
enum class NumberKind {
    None,        ///< no digits after optional whitespace and sign
    Value,       ///< a number from 0 to 4294967295
    OutOfRange,  ///< too large for 32 bits, or negative and not zero
};

struct ParsedNumber {
    NumberKind kind = NumberKind::None;
    std::uint32_t value = 0;
};

/// The largest number a typed answer or a saved record can hold.
constexpr std::uint64_t LARGEST_NUMBER = 4294967295u;

/// A decimal number as written: its sign and its digits' value.
struct ScannedNumber {
    bool found = false;  ///< at least one digit
    bool negative = false;
    std::uint64_t magnitude = 0;  ///< LARGEST_NUMBER + 1 for anything larger
};

/// Scans a decimal number from `at` on: leading whitespace (line ends
/// included), one optional sign, then digits in base 10; `at` ends after the
/// digits, and whatever follows them is left.
ScannedNumber scanNumber(const std::string& text, std::size_t& at);

/// Reads a decimal number at the start of a line as scanNumber does; whatever
/// follows it is ignored, so "12abc" is 12, "007" is 7 and "0x5" is 0. "-0" is 0.
ParsedNumber parseNumber(const std::string& line);
