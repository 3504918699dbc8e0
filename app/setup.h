#pragma once

#include "app/game_state.h"
#include "console/console.h"

/// Sets up a new game: throwers' names one per line until a blank one (a name
/// whose first 15 bytes equal an existing short name, ignoring the case of a
/// to z, is refused), then the maximum score (1 to 1000, default 50).
/// Returns false at the end of input.
bool setUpGame(Console& console, GameState& state);
