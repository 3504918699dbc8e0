#pragma once

#include <cstdint>
#include <string>

#include "console/console.h"

// The number readers print the prompt without a line break and keep asking
// until an acceptable line arrives; they return false only at the end of
// input. A line without a number, a blank one too, is asked again silently; a
// number out of range gets the range error line.

/// A number in min..max (min below max).
bool readChoice(Console& console, const std::string& prompt, std::uint32_t min, std::uint32_t max,
                std::uint32_t& value);

/// As readChoice, but a blank line stands for defaultValue, which is then
/// tested against min..max like a typed number.
bool readNumber(Console& console, const std::string& prompt, std::uint32_t min, std::uint32_t max,
                std::uint32_t defaultValue, std::uint32_t& value);
