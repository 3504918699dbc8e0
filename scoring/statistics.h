#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "scoring/form.h"
#include "scoring/thrower.h"

/// A best-so-far ranking that names every tied candidate. Used for the
/// statistics block and for the winners of a round. Whole points are held
/// exactly in a double, so one ranking serves points and averages alike.
struct TieRanking {
    double best;        ///< the starting value, then the best value offered
    bool lowestWins;    ///< smaller is better (variance, worst round)
    std::string names;  ///< the names of every candidate holding `best`
};

/// Offers one candidate: one equal to `best` gets " & " and its name appended
/// (even while `best` is still the starting value); then one better than
/// `best` becomes the best with its name alone.
void offerCandidate(TieRanking& ranking, double value, const std::string& name);

/// The sum of every thrower's result in round `round` (1-based), NO_RESULT
/// left out; 0 when nobody has a result.
std::uint32_t roundTotal(const std::vector<ThrowerRecord>& throwers, std::uint32_t round);

/// The statistics block after the standings: best thrower by average, best
/// single result and its throwers, most even thrower by variance, and the best
/// and worst of `rounds` rounds by total. Ties are all named, joined by " & ".
/// The file form closes with one more empty line.
std::string statisticsBlock(const std::vector<ThrowerRecord>& throwers, std::uint32_t rounds,
                            Form form);
