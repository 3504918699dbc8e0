#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "scoring/points.h"

/// Length of the short form of a name, the only form in which a name is shown,
/// compared or saved.
constexpr std::size_t SHORT_NAME_LENGTH = 15;

/// One participant of a game: one points entry per completed round (a result or
/// NO_RESULT), the name as given, and whether the thrower has withdrawn.
struct ThrowerRecord {
    std::vector<std::uint32_t> points;
    std::string name;
    bool withdrawn = false;
};

/// A new record with no points that has not withdrawn.
ThrowerRecord makeThrower(std::string name);

/// Appends the entry of the next round (a result or NO_RESULT).
void addRoundPoints(ThrowerRecord& thrower, std::uint32_t value);

/// The entry of round `round`, counted from 1; 0 for round 0 or a round past
/// the last entry.
std::uint32_t pointsOfRound(const ThrowerRecord& thrower, std::uint32_t round);

/// Removes the latest entry, which there must be.
void removeLastRound(ThrowerRecord& thrower);

void setWithdrawn(ThrowerRecord& thrower);
void clearWithdrawn(ThrowerRecord& thrower);
bool isWithdrawn(const ThrowerRecord& thrower);

/// The first 15 bytes of the name, or the whole name when it is shorter.
std::string shortName(const ThrowerRecord& thrower);
