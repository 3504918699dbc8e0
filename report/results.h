#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/game_state.h"
#include "format/stamps.h"
#include "scoring/thrower.h"

/// The results' title: "Vaskipiikkikisa", then ": " and the game's name when
/// it has one (console bytes).
std::string resultsTitle(const GameState& state);

/// When the game was played: "Tulokset", its start date and time, " - ", and
/// its end, the end's date only when it is not the start's.
std::string resultsTimes(const GameState& state, const LocalTime& end);

/// The whole results file in ISO 8859-1: the title (with the game's name when
/// it has one), the start and end times, an empty line, and the report body.
std::string resultsFileText(const GameState& state, const LocalTime& end);

/// The name of the results file of a game ended at `end`; `attempt` 1 is the
/// plain name, 2 and up insert "_2", "_3" ... before ".txt".
std::string resultsFileName(const LocalTime& end, unsigned attempt);

/// Writes the results of a game ended at `end` into a new file under the
/// first free name, never replacing one, and the results page beside it under
/// the same name with ".html" (or no page, when that fails). The results
/// file's name; empty when it could not be written whole, and then no file is
/// left.
std::string storeResults(const GameState& state, const LocalTime& end);
