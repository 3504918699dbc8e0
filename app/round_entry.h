#pragma once

#include "app/game_state.h"
#include "console/console.h"

/// Plays the next round: announces it, asks every thrower who has not
/// withdrawn for points, J or V, and appends exactly one entry to every
/// record. Returns false at the end of input; the round then stays unfinished.
bool playRound(Console& console, GameState& state);
