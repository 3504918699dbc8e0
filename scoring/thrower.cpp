#include "scoring/thrower.h"

#include <utility>

ThrowerRecord makeThrower(std::string name) {
    ThrowerRecord thrower;
    thrower.name = std::move(name);
    return thrower;
}

void addRoundPoints(ThrowerRecord& thrower, std::uint32_t value) {
    thrower.points.push_back(value);
}

std::uint32_t pointsOfRound(const ThrowerRecord& thrower, std::uint32_t round) {
    if (round == 0 || round > thrower.points.size()) {
        return 0;
    }
    return thrower.points[round - 1];
}

void removeLastRound(ThrowerRecord& thrower) {
    thrower.points.pop_back();
}

void setWithdrawn(ThrowerRecord& thrower) {
    thrower.withdrawn = true;
}

void clearWithdrawn(ThrowerRecord& thrower) {
    thrower.withdrawn = false;
}

bool isWithdrawn(const ThrowerRecord& thrower) {
    return thrower.withdrawn;
}

std::string shortName(const ThrowerRecord& thrower) {
    return thrower.name.substr(0, SHORT_NAME_LENGTH);
}
