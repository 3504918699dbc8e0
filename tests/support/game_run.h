#pragma once

#include <string>

#include "app/game_state.h"

/// The outcome of one game played in-process over a scripted console.
struct GameRun {
    std::string output;
    int exitStatus = -1;
    GameState state;
    unsigned readsAfterEnd = 0;
};

/// Plays a whole game with `script` as the typed input and a clock fixed at
/// testTime(), in the current working directory.
GameRun playGame(const std::string& script);

/// The banner, the set-up heading and the round menu with its prompt, as the
/// program prints them (console bytes).
extern const std::string BANNER;
extern const std::string SETUP_HEADING;
extern const std::string ROUND_MENU;
extern const std::string MENU_PROMPT;
