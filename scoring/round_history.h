#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "scoring/form.h"
#include "scoring/thrower.h"

/// The winners of round `round`: the short names of every thrower with the
/// round's highest points, joined by " & ", then " tuloksella " and the
/// points; "Ei parasta tulosta." when the highest points are 0 or nobody threw.
std::string roundWinners(const std::vector<ThrowerRecord>& throwers, std::uint32_t round);

/// The grid of `rounds` rounds (a column per thrower, a total per round) and
/// the winners of each round. The console form opens with a hyphen line and
/// leaves the grid out when it would not fit in 79 columns; the file form is
/// the opening section of the results report. Console bytes.
std::string roundHistory(const std::vector<ThrowerRecord>& throwers, std::uint32_t rounds,
                         Form form);
