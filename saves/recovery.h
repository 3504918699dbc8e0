#pragma once

#include <string>

#include "app/game_state.h"
#include "console/console.h"
#include "format/stamps.h"

// The recovery file keeps every change that no saved record holds yet, so a
// game cut short by the end of input, a closed window, a kill or a power cut
// can be resumed at the next start.

/// The recovery file, in the working directory.
extern const char* const RECOVERY_FILE;

/// The name a damaged recovery file is moved to; `attempt` 2 and up insert
/// "_2", "_3" ... before ".dat".
std::string damagedRecoveryName(unsigned attempt);

/// How the run stands with its recovery file.
struct Recovery {
    bool unsecured = false;  ///< the latest write failed, or the file is kept
    bool kept = false;       ///< a file of an earlier run stays: never write or remove it
    bool pending = false;    ///< a change waits to be written
};

/// True when `bytes` are exactly one whole record as a save writes it; then
/// `header` holds its header line and `state` the game it holds (gameName
/// untouched).
bool readRecoveryRecord(const std::string& bytes, std::string& header, GameState& state);

/// At start, before anything else: removes a temporary file left by a kill;
/// appends a whole recovery record to the saved-games file, removes the
/// recovery file and tells so; renames a damaged one aside and tells so. When
/// the record cannot be appended the file is kept for a later run.
Recovery takeOverRecovery(Console& console, const std::string& savedGamesFile);

/// Replaces the recovery file with the game as it stands, as a save would
/// append it on the clock's date; an unnamed game is called "Keskeytynyt peli".
void secureGame(Recovery& recovery, const GameState& state, const Clock& clock);

/// The game has changed: secures it at once when the operator is awaited, or
/// holds the write back while typed input is already waiting (a script typed
/// ahead), until securePending is called before the program next waits.
void gameChanged(Recovery& recovery, Console& console, const GameState& state, const Clock& clock);

/// Writes a change held back by gameChanged.
void securePending(Recovery& recovery, const GameState& state, const Clock& clock);

/// Removes the recovery file once a saved record or the results file holds
/// the game.
void dropRecovery(Recovery& recovery);

/// Prints the warning line while the latest change could not be written.
void warnIfUnsecured(Console& console, const Recovery& recovery);
