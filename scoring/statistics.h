#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "scoring/form.h"
#include "scoring/thrower.h"

/// The sum of every thrower's result in round `round` (1-based), NO_RESULT
/// left out; 0 when nobody has a result.
std::uint32_t roundTotal(const std::vector<ThrowerRecord>& throwers, std::uint32_t round);

/// The statistics block after the standings: best thrower by average, best
/// single result and its throwers, most even thrower by variance, and the best
/// and worst of `rounds` rounds by total. Ties are all named, joined by " & ".
/// The file form closes with one more empty line.
std::string statisticsBlock(const std::vector<ThrowerRecord>& throwers, std::uint32_t rounds,
                            Form form);
