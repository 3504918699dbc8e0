#pragma once

#include <string>

#include "app/game_state.h"

/// Reads the fields that follow a record's header line (lines end with plain
/// line feeds): round count, start date and time, maximum score, thrower count
/// and three lines per thrower. On success replaces round, startDate,
/// startTime, maxScore and throwers of `state`; otherwise leaves `state`
/// untouched. Refuses what no save writes: a negative or missing count, more
/// than 1,000,000 rounds, a maximum outside 1 to 1000, a thrower name whose
/// first 15 characters are blank, points above 1000 other than NO_RESULT.
bool readSavedGameBody(const std::string& text, GameState& state);
