#pragma once

#include <cstdint>

/// The entry of a round in which a thrower has no result: skipped, withdrawn,
/// or not yet in the game. Lies above every maximum score a game can have.
constexpr std::uint32_t NO_RESULT = 1001;

/// The largest maximum score a game accepts, and so the largest result.
constexpr std::uint32_t HIGHEST_MAX_SCORE = 1000;

/// The maximum score of a game when the operator answers with a blank line.
constexpr std::uint32_t DEFAULT_MAX_SCORE = 50;
