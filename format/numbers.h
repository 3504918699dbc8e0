#pragma once

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
