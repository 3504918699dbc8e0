#pragma once

#include "app/game_state.h"
#include "commands/commands.h"
#include "console/console.h"

/// Plays the next round: announces it, asks every thrower who has not
/// withdrawn for points, J or V, and appends exactly one entry to every
/// record: Changed. InputEnded when the input ends; the round then stays
/// unplayed.
Outcome playRound(Console& console, GameState& state);
