#pragma once

#include "app/game_state.h"
#include "console/console.h"

/// Command H: removes the latest round from every thrower and counts one round
/// less. Withdrawals stay. Does nothing when no round has been played.
void discardLatestRound(GameState& state);

/// Command U: asks a name; a name matching a withdrawn thrower recalls him, one
/// matching an active thrower or a blank one is refused (with a message and a
/// pause), any other joins at the end with NO_RESULT for every round played.
/// Returns false at the end of input.
bool addOrRecallThrower(Console& console, GameState& state);
