#include "scoring/statistics.h"

#include <limits>

#include "format/numbers.h"
#include "scoring/figures.h"

namespace {

const char* const NO_BEST_ROUND = "Ei parasta kierrosta.";
const char* const ROUND_MEASURE = "yhteistuloksella";

// Hyphens under the heading, and the width every label is padded to so that
// the values start in one column.
constexpr std::size_t RULE_WIDTH = 56;
constexpr std::uint32_t LABEL_WIDTH = 27;
constexpr std::uint32_t AVERAGE_WIDTH = 7;

// Starting values out of reach of real figures: an average is never negative;
// a variance this large would need millions of rounds. No round total reaches
// infinity, so the first round always becomes the worst so far.
constexpr double NO_AVERAGE = -1.0;
constexpr double ABOVE_EVERY_VARIANCE = 1000000.0;
constexpr double ABOVE_EVERY_ROUND_TOTAL = std::numeric_limits<double>::infinity();

// Whole points, held exactly in a ranking's double, as digits.
std::string pointsText(double value) {
    return unsignedToText(static_cast<std::uint32_t>(value));
}

// Called with at least one round: the best round may have no total above 0,
// the worst round always has one.
void appendRoundLines(std::vector<StatisticsLine>& lines,
                      const std::vector<ThrowerRecord>& throwers, std::uint32_t rounds) {
    TieRanking bestRound{0.0, false, ""};
    TieRanking worstRound{ABOVE_EVERY_ROUND_TOTAL, true, ""};
    for (std::uint32_t round = 1; round <= rounds; ++round) {
        const double total = roundTotal(throwers, round);
        const std::string number = unsignedToText(round);
        offerCandidate(bestRound, total, number);
        offerCandidate(worstRound, total, number);
    }
    if (bestRound.best == 0.0) {
        bestRound.names = NO_BEST_ROUND;
    }
    lines.push_back({"Paras kierros:", bestRound.names, ROUND_MEASURE, pointsText(bestRound.best)});
    lines.push_back(
        {"Huonoin kierros:", worstRound.names, ROUND_MEASURE, pointsText(worstRound.best)});
}

}  // namespace

void offerCandidate(TieRanking& ranking, double value, const std::string& name) {
    if (value == ranking.best) {
        ranking.names += " & ";
        ranking.names += name;
    }
    if (ranking.lowestWins ? value < ranking.best : value > ranking.best) {
        ranking.best = value;
        ranking.names = name;
    }
}

std::uint32_t roundTotal(const std::vector<ThrowerRecord>& throwers, std::uint32_t round) {
    std::uint32_t total = 0;
    for (const ThrowerRecord& thrower : throwers) {
        const std::uint32_t entry = pointsOfRound(thrower, round);
        if (entry != NO_RESULT) {
            total += entry;
        }
    }
    return total;
}

std::vector<StatisticsLine> statisticsLines(const std::vector<ThrowerRecord>& throwers,
                                            std::uint32_t rounds) {
    TieRanking bestThrower{NO_AVERAGE, false, ""};
    TieRanking bestResult{0.0, false, ""};
    TieRanking mostEven{ABOVE_EVERY_VARIANCE, true, ""};
    for (const ThrowerRecord& thrower : throwers) {
        const std::string name = shortName(thrower);
        offerCandidate(bestThrower, averagePoints(thrower), name);
        offerCandidate(bestResult, bestPoints(thrower), name);
        offerCandidate(mostEven, variance(thrower), name);
    }
    std::vector<StatisticsLine> lines;
    if (bestThrower.best != NO_AVERAGE) {
        lines.push_back({"Paras heitt\x84j\x84:", bestThrower.names, "keskiarvolla",
                         decimalToColumn(bestThrower.best, AVERAGE_WIDTH)});
    }
    if (bestResult.best != 0.0) {
        lines.push_back({"Paras tulos:", "", "", pointsText(bestResult.best)});
        lines.push_back({"Parhaan tuloksen heitt\x84j\x84:", bestResult.names, "", ""});
    }
    lines.push_back({"Tasaisin heitt\x84j\x84:", mostEven.names, "", ""});
    if (rounds != 0) {
        appendRoundLines(lines, throwers, rounds);
    }
    return lines;
}

std::string statisticsBlock(const std::vector<ThrowerRecord>& throwers, std::uint32_t rounds,
                            Form form) {
    std::string text = "Tilastoja: \n" + std::string(RULE_WIDTH, '-') + "\n";
    for (const StatisticsLine& line : statisticsLines(throwers, rounds)) {
        text += padRight(line.label, LABEL_WIDTH) + line.subject;
        if (!line.measure.empty()) {
            text += " " + line.measure + " ";
        }
        text += line.figure + "\n";
    }
    if (form == Form::File) {
        text += "\n";
    }
    return text;
}
