#pragma once

#include <string>
#include <vector>

#include "app/game_state.h"

/// The one file that holds every saved game, in the working directory.
extern const char* const SAVED_GAMES_FILE;

/// The header line of a record: "NAME (D.M.YYYY, kierros R)".
std::string savedGameHeader(const GameState& state, const std::string& saveDate);

/// The record appended for one save: two empty lines, the header, the round
/// count, start date and time, maximum score, thrower count, three lines per
/// thrower (short name, withdrawn flag, the points each followed by a blank)
/// and a closing empty line.
std::string savedGameRecord(const GameState& state, const std::string& saveDate);

/// The header line of every record, trimmed and with its control bytes made
/// '?', in file order. When the file can be read, `savedGames` is refilled;
/// true when it lists at least one game.
bool listSavedGames(const std::string& fileName, std::vector<std::string>& savedGames);

/// Appends the record of the game, saved on `saveDate`, to the file. True only
/// when the whole record is safely in the file.
bool appendSavedGame(const GameState& state, const std::string& saveDate,
                     const std::string& fileName);

/// Loads the first record whose header, as listed, equals the trimmed entry and
/// that reads whole: round, start date and time, maximum score and throwers.
/// When no such record is found (missing, cut off, or holding values no save
/// can write) `state` is left untouched and the result is false.
bool loadSavedGame(const std::string& entry, const std::string& fileName, GameState& state);
