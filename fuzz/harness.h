#pragma once

#include <string>

#include "app/game_state.h"

// What the fuzz targets share: a scratch working directory per run and the
// checks of a game state.

/// Stops the run with `what` when a property does not hold; libFuzzer then
/// keeps the input that broke it.
void require(bool holds, const char* what);

/// Every thrower holds exactly `round` entries, each at most 1000 or exactly
/// NO_RESULT, and the maximum score lies in 1..1000.
bool isPlayable(const GameState& state);

/// Every field equal, the game's name included.
bool sameState(const GameState& a, const GameState& b);

/// A fresh empty directory made the working directory for one run, removed
/// with the files in it afterwards.
struct FuzzDir {
    FuzzDir();
    ~FuzzDir();
    FuzzDir(const FuzzDir&) = delete;
    FuzzDir& operator=(const FuzzDir&) = delete;

    std::string path;
};

/// Writes a file whole (replacing it).
void plantFile(const std::string& name, const std::string& bytes);

/// The whole file; empty when it cannot be read.
std::string fileBytes(const std::string& name);
