#pragma once

#include <string>
#include <vector>

#include "app/game_state.h"

/// The outcome of one game played in-process over a scripted console.
struct GameRun {
    std::string output;
    int exitStatus = -1;
    GameState state;
    unsigned readsAfterEnd = 0;  ///< reads made after the end of input was reported
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

/// A fragment of Dialogue::expected that stands for the end of the output.
extern const char* const ENDS;

/// One game of a table of dialogues, played in a scratch directory by
/// playDialogues: `planted` (when not empty) is the saved-games file at the
/// start, `typed` the input. Each of `expected` must appear after the one
/// before it in what was seen: the output, then a form feed and the
/// saved-games file, then a form feed and the results file.
struct Dialogue {
    const char* what;
    std::string planted;
    std::string typed;
    std::vector<std::string> expected;
};

/// Plays every dialogue and checks its fragments, in order, and that it read
/// nothing after the end of input.
void playDialogues(const std::vector<Dialogue>& dialogues);
