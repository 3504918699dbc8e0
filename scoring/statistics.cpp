#include "scoring/statistics.h"

#include "format/numbers.h"
#include "scoring/figures.h"

namespace {

const char* const NO_BEST_ROUND = "Ei parasta kierrosta.";

// Hyphens under the heading, and the width every label is padded to so that
// the values start in one column.
constexpr std::size_t RULE_WIDTH = 56;
constexpr std::uint32_t LABEL_WIDTH = 27;
constexpr std::uint32_t AVERAGE_WIDTH = 7;

// Starting values out of reach of real figures: an average is never negative;
// a variance or a round total this large would need millions of rounds.
constexpr double NO_AVERAGE = -1.0;
constexpr double ABOVE_EVERY_VARIANCE = 1000000.0;
constexpr double ABOVE_EVERY_ROUND_TOTAL = 10000000.0;

std::string label(const char* text) {
    return padRight(text, LABEL_WIDTH);
}

// Whole points, held exactly in a ranking's double, as digits.
std::string pointsText(double value) {
    return unsignedToText(static_cast<std::uint32_t>(value));
}

std::string roundLines(const std::vector<ThrowerRecord>& throwers, std::uint32_t rounds) {
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
    if (worstRound.best == ABOVE_EVERY_ROUND_TOTAL) {
        worstRound.names = NO_BEST_ROUND;
    }
    return label("Paras kierros:") + bestRound.names + " yhteistuloksella " +
           pointsText(bestRound.best) + "\n" + label("Huonoin kierros:") + worstRound.names +
           " yhteistuloksella " + pointsText(worstRound.best) + "\n";
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

std::string statisticsBlock(const std::vector<ThrowerRecord>& throwers, std::uint32_t rounds,
                            Form form) {
    TieRanking bestThrower{NO_AVERAGE, false, ""};
    TieRanking bestResult{0.0, false, ""};
    TieRanking mostEven{ABOVE_EVERY_VARIANCE, true, ""};
    for (const ThrowerRecord& thrower : throwers) {
        const std::string name = shortName(thrower);
        offerCandidate(bestThrower, averagePoints(thrower), name);
        offerCandidate(bestResult, bestPoints(thrower), name);
        offerCandidate(mostEven, variance(thrower), name);
    }

    std::string text = "Tilastoja: \n" + std::string(RULE_WIDTH, '-') + "\n";
    if (bestThrower.best != NO_AVERAGE) {
        text += label("Paras heitt\x84j\x84:") + bestThrower.names + " keskiarvolla " +
                decimalToColumn(bestThrower.best, AVERAGE_WIDTH) + "\n";
    }
    if (bestResult.best != 0.0) {
        text += label("Paras tulos:") + pointsText(bestResult.best) + "\n";
        text += label("Parhaan tuloksen heitt\x84j\x84:") + bestResult.names + "\n";
    }
    text += label("Tasaisin heitt\x84j\x84:") + mostEven.names + "\n";
    if (rounds != 0) {
        text += roundLines(throwers, rounds);
    }
    if (form == Form::File) {
        text += "\n";
    }
    return text;
}
