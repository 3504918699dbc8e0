#pragma once

#include <string>

#include "app/game_state.h"
#include "console/console.h"
#include "saves/saved_games.h"

enum class ResumeResult { Loaded, Failed, InputEnded };

/// The name of the game behind a saved-games entry: the part before its last
/// " (", trimmed.
std::string gameNameOfEntry(const std::string& entry);

/// Start menu J: takes the only saved game, or lists them and asks which one,
/// then loads it into `state` and names the game after it. On failure `state`
/// is untouched.
ResumeResult resumeGame(Console& console, const SavedGames& savedGames, GameState& state,
                        const std::string& fileName);
