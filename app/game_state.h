#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "scoring/thrower.h"

/// Everything one game keeps from round to round. Every record in `throwers`
/// holds exactly `round` entries whenever the standings or the round menu are
/// shown.
struct GameState {
    std::vector<ThrowerRecord> throwers;         ///< in the order the throwers joined
    std::uint32_t round = 0;                     ///< completed rounds
    std::uint32_t maxScore = DEFAULT_MAX_SCORE;  ///< 1 to 1000
    std::string gameName;                        ///< empty until saved or resumed
    std::string startDate;                       ///< D.M.YYYY of the game's first start
    std::string startTime;                       ///< hh:mm:ss of the game's first start
};
