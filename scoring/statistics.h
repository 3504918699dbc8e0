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

/// One line of the statistics block, in console bytes: the label, what it
/// names (throwers or rounds, ties joined by " & "), and the figure with the
/// word that leads to it. The block writes them one after another.
struct StatisticsLine {
    std::string label;    ///< "Paras heittäjä:" and the like, without padding
    std::string subject;  ///< the names or rounds; empty on the best result's line
    std::string measure;  ///< "keskiarvolla", "yhteistuloksella", or empty
    std::string figure;   ///< the number as the block writes it; empty after names alone
};

/// The sum of every thrower's result in round `round` (from 1), NO_RESULT left
/// out; 0 when nobody has a result.
std::uint32_t roundTotal(const std::vector<ThrowerRecord>& throwers, std::uint32_t round);

/// The lines of the statistics block under its heading, in order: best
/// thrower by average (when there are throwers), best single result and its
/// throwers (when above 0), most even thrower by variance (always), and the
/// best and worst of `rounds` rounds by total (when there are rounds).
std::vector<StatisticsLine> statisticsLines(const std::vector<ThrowerRecord>& throwers,
                                            std::uint32_t rounds);

/// The statistics block after the standings: a heading, hyphens and the lines
/// of statisticsLines, each value starting in one column. The file form closes
/// with one more empty line.
std::string statisticsBlock(const std::vector<ThrowerRecord>& throwers, std::uint32_t rounds,
                            Form form);
