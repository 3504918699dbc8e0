#pragma once

#include <cstdint>
#include <string>

#include "scoring/thrower.h"

// A thrower's figures, computed afresh from the points every time. The results
// are the entries that are not NO_RESULT; every figure is taken over them only.

/// Sum of the results (unsigned 32-bit); 0 without results.
std::uint32_t totalPoints(const ThrowerRecord& thrower);

/// Highest result; 0 without results.
std::uint32_t bestPoints(const ThrowerRecord& thrower);

/// Lowest result; 0 without results.
std::uint32_t worstPoints(const ThrowerRecord& thrower);

/// Total divided by the number of results; 0.0 without results.
double averagePoints(const ThrowerRecord& thrower);

/// The middle result, or the mean of the two middle ones: a whole number, or
/// one decimal for a half (5.5, never 5.50); "0" without results.
std::string medianText(const ThrowerRecord& thrower);

/// Square root of the sum of squared deviations from the average (neither
/// divided by the count nor left without the root); 0.0 below two results.
double variance(const ThrowerRecord& thrower);

/// Decimal digits of n padded with blanks to `width`; a longer text is kept whole.
std::string unsignedToColumn(std::uint32_t n, std::uint32_t width);
