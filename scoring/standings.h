#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "scoring/form.h"
#include "scoring/thrower.h"

/// The standings: a title, the column heading, 76 hyphens, one row per thrower
/// in list order (withdrawn throwers too) and an empty line. The console title
/// names the round; the file form opens with "Lopulliset tulokset: " instead.
std::string standingsTable(const std::vector<ThrowerRecord>& throwers, std::uint32_t round,
                           Form form);
