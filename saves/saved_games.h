#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "app/game_state.h"
#include "console/platform/files.h"

/// The one file that holds every saved game, in the working directory.
extern const char* const SAVED_GAMES_FILE;

/// The saved games as listed: one entry per record, in file order, each its
/// header line trimmed and with its control bytes made '?'. Held in one text,
/// as a file may list a million.
struct SavedGames {
    std::string text;               ///< the entries, one after another
    std::vector<std::size_t> ends;  ///< where each entry ends in `text`
};

/// How many games the list holds.
std::size_t gameCount(const SavedGames& games);

/// Entry `index` (from 0) of the list.
std::string savedGame(const SavedGames& games, std::size_t index);

/// Lists the file's games into `games` (emptied first) when the file can be
/// read; Missing when there is no file.
ReadResult listSavedGames(const std::string& fileName, SavedGames& games);

/// Appends the record of the game, saved on `saveDate`. True only when the
/// whole record is safely in the file.
bool appendSavedGame(const GameState& state, const std::string& saveDate,
                     const std::string& fileName);

/// Appends one whole record as it stands (an interrupted game's), unless the
/// file already ends with it: a second attempt never adds it twice.
bool appendRecordOnce(const std::string& record, const std::string& fileName);

/// Loads the chosen game: entry `index` of the list, `entry`, when its record
/// reads whole, or else the next record with the same entry that does. On
/// success replaces round, start date and time, maximum score and throwers of
/// `state`; otherwise leaves it untouched.
bool loadSavedGame(std::size_t index, const std::string& entry, const std::string& fileName,
                   GameState& state);
