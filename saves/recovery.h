#pragma once

#include <string>

#include "app/game_state.h"
#include "console/console.h"
#include "console/platform/files.h"
#include "format/stamps.h"

// The recovery file keeps every change that no saved record holds yet, so a
// game cut short by the end of input, a closed window, a kill or a power cut
// can be resumed at the next start. One running copy owns a folder's file.

/// The recovery file, in the working directory.
extern const char* const RECOVERY_FILE;

/// The lock file beside it, held by the running copy that owns it.
extern const char* const RECOVERY_LOCK;

/// The name a damaged recovery file is moved to; `attempt` 2 and up insert
/// "_2", "_3" ... before ".dat".
std::string damagedRecoveryName(unsigned attempt);

/// How the run stands with the folder's recovery file.
struct Recovery {
    RunLock lock;
    bool owned = false;      ///< this run may write and remove the file
    bool unsecured = false;  ///< the game holds a change that no file holds
    bool pending = false;    ///< a change waits to be written
};

/// At start, right after the banner: takes the folder's lock; removes a
/// temporary file left by a kill; appends a whole recovery record to the
/// saved-games file (unless it already ends with it), removes the recovery
/// file and tells so; renames a damaged one aside and tells so. A copy that
/// finds the lock held elsewhere says so and never touches the file; nor does
/// a run that cannot read it, move it aside or append it: it is kept for a
/// later run, and said so.
void startRecovery(Recovery& recovery, Console& console, const std::string& savedGamesFile);

/// The game has changed: secures it at once when the operator is awaited, or
/// holds the write back while typed input is already waiting (a script typed
/// ahead), until securePending is called before the program next waits.
void gameChanged(Recovery& recovery, Console& console, const GameState& state, const Clock& clock);

/// Writes a change held back by gameChanged.
void securePending(Recovery& recovery, const GameState& state, const Clock& clock);

/// Removes the recovery file once a saved record or the results file holds
/// the game.
void dropRecovery(Recovery& recovery);

/// Prints the warning line while the game holds a change that no file holds.
void warnIfUnsecured(Console& console, const Recovery& recovery);
