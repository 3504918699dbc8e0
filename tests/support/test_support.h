#pragma once

#include <string>

#include <cstdint>
#include <vector>

#include "format/stamps.h"
#include "scoring/thrower.h"

// Helpers shared by the tests: readable expectations and a scratch directory.

/// The text with the UTF-8 letters ä ö å Ä Ö Å turned into the console's code
/// page 850 bytes, so expectations can be written as they read.
std::string cp850(const std::string& utf8);

/// The same letters as the results file's ISO 8859-1 bytes.
std::string latin1(const std::string& utf8);

/// A thrower record with the given points (NO_RESULT for a round without a
/// result), withdrawn or not.
ThrowerRecord thrower(const std::string& name, std::vector<std::uint32_t> points,
                      bool withdrawn = false);

/// What a pause prints, with the line end that follows the key (console bytes).
/// Inline, so constants of other files may be built from it.
inline const std::string PAUSE = cp850("Jatka painamalla mitä tahansa näppäintä . . . \n");

/// The screen-clearing bytes the program writes.
extern const char* const CLEAR;

/// A fixed clock reading for tests: 6.12.2026 19:02:44.
LocalTime testTime(int day = 6, int hour = 19, int minute = 2, int second = 44);

/// A fresh empty directory made the working directory for the test's life,
/// removed with everything in it afterwards.
struct ScratchDir {
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    std::string path;
    std::string previous;
};

/// Whole file contents; empty when the file cannot be read.
std::string fileContents(const std::string& path);

/// Writes a file (replacing it); for planting saved-games files.
void writeFile(const std::string& path, const std::string& bytes);

/// The names in the working directory that start with `prefix`, sorted.
std::string filesStartingWith(const std::string& prefix);
