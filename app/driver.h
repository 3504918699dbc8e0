#pragma once

#include "app/game_state.h"
#include "console/console.h"
#include "format/stamps.h"

/// Runs one whole game on the console with a fresh `state`: banner, the take-over
/// of an interrupted game, start menu when saved games exist, set-up or resume,
/// then rounds and the round menu until L. Every change that no saved record
/// holds is kept in the recovery file. At the end of input it prints one line
/// end and stops, leaving the recovery file as it is; `state` then holds the
/// last completed round. Returns the program's exit status, always 0.
int runGame(Console& console, const Clock& clock, GameState& state);
