#pragma once

#include <string>

#include "app/game_state.h"
#include "format/stamps.h"

/// The results of a game ended at `end` as one page for a browser, in UTF-8:
/// HTML5 that an XML parser reads too, with its style and its chart inline and
/// nothing to fetch. It holds the heading with the game's name and times, a
/// chart of every thrower's running total after each round, the final
/// standings, the statistics, and every round's points with the best result
/// marked and the round's winners: the texts and figures of the results file.
/// Names are text, never markup, written with the results file's letters (?
/// for what it lacks). The same game and end always give the same bytes.
std::string resultsPage(const GameState& state, const LocalTime& end);
