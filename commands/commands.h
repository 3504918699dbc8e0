#pragma once

#include <string>

#include "app/game_state.h"
#include "console/console.h"
#include "format/stamps.h"

// The commands of the round menu, one function each and all alike: given the
// console, the game and the clock, each does its work and says what became of
// the game. The round menu turns that into the recovery file's state in one
// place, then shows the command's message with a pause.

/// What a command did to the game.
enum class Outcome {
    Unchanged,   ///< the game is as it was
    Changed,     ///< the game changed: the recovery file must hold it
    Saved,       ///< the game stands whole in a saved record or the results file
    InputEnded,  ///< the input ended before the command was done
};

/// A command's outcome, and the message the operator must read, with a pause,
/// before the screen is cleared or the program ends (empty: no message and no
/// pause).
struct CommandResult {
    Outcome outcome = Outcome::Unchanged;
    std::string message;
};

/// N: the grid of every round and the winners of each, below the screen.
CommandResult showRoundHistory(Console& console, GameState& state, const Clock& clock);

/// H: removes the latest round from every thrower and counts one round less;
/// withdrawals stay. Only once a round has been played.
CommandResult discardLatestRound(Console& console, GameState& state, const Clock& clock);

/// U: asks a name; a name matching a withdrawn thrower recalls him, one
/// matching an active thrower or a blank one is refused, any other joins at the
/// end with NO_RESULT for every round played.
CommandResult addOrRecallThrower(Console& console, GameState& state, const Clock& clock);

/// T: asks the game's name the first time, then appends the game to the
/// saved-games file.
CommandResult saveGame(Console& console, GameState& state, const Clock& clock);

/// L: writes the results into a new dated file, never replacing one. The game
/// ends after it, written or not.
CommandResult writeResultsFile(Console& console, GameState& state, const Clock& clock);
