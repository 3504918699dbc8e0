#pragma once

#include <string>
#include <vector>

#include "app/game_state.h"
#include "console/console.h"
#include "format/stamps.h"

enum class ResumeResult { Loaded, Failed, InputEnded };

/// The name of the game behind a saved-games entry: the part before its last
/// " (", trimmed.
std::string gameNameOfEntry(const std::string& entry);

/// Start menu J: takes the only saved game, or lists them and asks which one,
/// then loads it into `state` and names the game after it. On failure `state`
/// is untouched.
ResumeResult resumeGame(Console& console, const std::vector<std::string>& savedGames,
                        GameState& state, const std::string& fileName);

/// Command T: asks the game's name the first time, appends the game to the
/// saved-games file, reports the outcome and pauses. False at the end of input,
/// also when the pause meets it. `saved`, when given, tells whether the record
/// went into the file.
bool saveGame(Console& console, GameState& state, const std::string& fileName, const Clock& clock,
              bool* saved = nullptr);
