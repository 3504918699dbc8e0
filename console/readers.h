#pragma once

#include <cstddef>
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

/// The largest number a reader or a saved-games file can hold.
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

// The readers print the prompt without a line break and keep asking until an
// acceptable line arrives; they return false only at the end of input.

/// A number in min..max (min below max); a line without a number, a blank one
/// too, is asked again silently, a number out of range gets the range error
/// line.
bool readChoice(Console& console, const std::string& prompt, std::uint32_t min, std::uint32_t max,
                std::uint32_t& value);

/// As readChoice, but a blank line stands for defaultValue, which is then
/// tested against min..max like a typed number.
bool readNumber(Console& console, const std::string& prompt, std::uint32_t min, std::uint32_t max,
                std::uint32_t defaultValue, std::uint32_t& value);

/// Points in min..max (min below max), NO_RESULT for exactly "J" or "j",
/// WITHDRAW for exactly "V" or "v". Every other unacceptable line, a blank one
/// too, gets the result error line.
bool readResult(Console& console, const std::string& prompt, std::uint32_t min, std::uint32_t max,
                std::uint32_t& value);
