#pragma once

#include <cstdint>
#include <string>

#include "console/console.h"
#include "scoring/points.h"

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

/// Reads a decimal number at the start of a line: leading whitespace, one
/// optional sign, then digits in base 10; whatever follows them is ignored, so
/// "12abc" is 12, "007" is 7 and "0x5" is 0. "-0" is 0.
ParsedNumber parseNumber(const std::string& line);

// The readers print the prompt without a line break and keep asking until an
// acceptable line arrives; they return false only at the end of input.

/// A number in min..max; text without a number is asked again silently, a
/// number out of range gets the range error line. With blankMeansMax, a blank
/// line stands for max.
bool readChoice(Console& console, const std::string& prompt, std::uint32_t min, std::uint32_t max,
                bool blankMeansMax, std::uint32_t& value);

/// As readChoice, but a blank line stands for defaultValue, which is then
/// tested against min..max like a typed number.
bool readNumber(Console& console, const std::string& prompt, std::uint32_t min, std::uint32_t max,
                std::uint32_t defaultValue, std::uint32_t& value);

/// Points in min..max, NO_RESULT for exactly "J" or "j", WITHDRAW for exactly
/// "V" or "v". Every other unacceptable line gets the result error line. When
/// min equals max, gives min without asking.
bool readResult(Console& console, const std::string& prompt, std::uint32_t min, std::uint32_t max,
                bool blankMeansMax, std::uint32_t& value);
