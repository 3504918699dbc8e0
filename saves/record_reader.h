#pragma once

#include <cstdint>
#include <string>

#include "app/game_state.h"

/// More rounds than any game played by hand reaches (a round every minute for
/// two years). A record without throwers needs no data behind its round count,
/// and every standings display, history and added thrower walks every round, so
/// a larger count would only stop the program.
constexpr std::int64_t MOST_SAVED_ROUNDS = 1000000;

/// Reads the fields that follow a record's header line (lines end with a line
/// feed, one carriage return before it dropped): round count, start date and
/// time, maximum score, thrower count and three lines per thrower. On success
/// replaces round, startDate, startTime, maxScore and throwers of `state`;
/// otherwise leaves `state` untouched. Refuses what no save writes: a negative
/// or missing count, more than MOST_SAVED_ROUNDS rounds, a maximum outside 1
/// to 1000, a thrower name whose first 15 characters are blank, points above
/// 1000 other than NO_RESULT. The control bytes of a name are made '?'.
bool readSavedGameBody(const std::string& text, GameState& state);
