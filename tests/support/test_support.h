#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/game_state.h"
#include "format/stamps.h"

// Helpers shared by the unit tests, the process tests and the fuzz target.

/// The text with the UTF-8 letters ä ö å Ä Ö Å as the console's code page 850 bytes.
std::string cp850(std::string text);

/// A thrower record with the given points (NO_RESULT for a round without one).
ThrowerRecord thrower(const std::string& name, std::vector<std::uint32_t> points,
                      bool withdrawn = false);

/// What a pause prints, with the line end after the key (inline for other constants).
inline const std::string PAUSE = cp850("Jatka painamalla mitä tahansa näppäintä . . . \n");

/// The screen-clearing bytes the program writes.
inline const std::string CLEAR = "\x1b[H\x1b[2J\x1b[3J";

/// A fixed clock reading for tests: 6.12.2026 19:02:44.
LocalTime testTime(int day = 6, int hour = 19, int minute = 2, int second = 44);

/// Every field of the two games equal, field by field.
bool sameState(const GameState& a, const GameState& b);

/// How often `part` occurs in `text`.
std::size_t occurrences(const std::string& text, const std::string& part);

/// True when the only control bytes (below 0x20, and 0x7F) in `shown` are line
/// feeds and the three escapes of each clear sequence.
bool onlyLineFeedsAndClears(const std::string& shown);

/// A fresh directory under TMPDIR, the working directory for the value's life.
struct ScratchDir {
    ScratchDir();
    ~ScratchDir();
    std::string path;
    std::string previous;
};

/// Whole file contents; empty when the file cannot be read.
std::string fileContents(const std::string& path);

/// Writes a file, replacing it.
void writeFile(const std::string& path, const std::string& bytes);

/// The working directory's names that start with `prefix`, sorted, each ending in "\n".
std::string filesStartingWith(const std::string& prefix);
