#include "scoring/statistics.h"

#include "format/numbers.h"
#include "scoring/figures.h"

namespace {

const char* const NO_BEST_ROUND = "Ei parasta kierrosta.";

// A best-so-far scan that keeps every tied candidate. An equal candidate is
// appended (separator included) before a better one replaces the names, so a
// candidate equal to the starting value is appended too.
template <typename Value>
struct Ranking {
    Value best;
    bool (*better)(Value candidate, Value current);
    std::string names;

    void offer(Value candidate, const std::string& name) {
        if (candidate == best) {
            names += " & ";
            names += name;
        }
        if (better(candidate, best)) {
            best = candidate;
            names = name;
        }
    }
};

template <typename Value>
bool greater(Value candidate, Value current) {
    return candidate > current;
}

template <typename Value>
bool smaller(Value candidate, Value current) {
    return candidate < current;
}

std::string label(const char* text) {
    return padRight(text, 27);
}

std::string roundLines(const std::vector<ThrowerRecord>& throwers, std::uint32_t rounds) {
    Ranking<std::uint32_t> bestRound{0, greater<std::uint32_t>, ""};
    Ranking<std::uint32_t> worstRound{10000000, smaller<std::uint32_t>, ""};
    for (std::uint32_t round = 1; round <= rounds; ++round) {
        const std::uint32_t total = roundTotal(throwers, round);
        const std::string number = unsignedToText(round);
        bestRound.offer(total, number);
        worstRound.offer(total, number);
    }
    if (bestRound.best == 0) {
        bestRound.names = NO_BEST_ROUND;
    }
    if (worstRound.best == 10000000) {
        worstRound.names = NO_BEST_ROUND;
    }
    return label("Paras kierros:") + bestRound.names + " yhteistuloksella " +
           unsignedToText(bestRound.best) + "\n" + label("Huonoin kierros:") + worstRound.names +
           " yhteistuloksella " + unsignedToText(worstRound.best) + "\n";
}

}  // namespace

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
    Ranking<double> bestThrower{-1.0, greater<double>, ""};
    Ranking<std::uint32_t> bestResult{0, greater<std::uint32_t>, ""};
    Ranking<double> mostEven{1000000.0, smaller<double>, ""};
    for (const ThrowerRecord& thrower : throwers) {
        const std::string name = shortName(thrower);
        bestThrower.offer(averagePoints(thrower), name);
        bestResult.offer(bestPoints(thrower), name);
        mostEven.offer(variance(thrower), name);
    }

    std::string text = "Tilastoja: \n" + std::string(56, '-') + "\n";
    if (bestThrower.best != -1.0) {
        text += label("Paras heitt\x84j\x84:") + bestThrower.names + " keskiarvolla " +
                decimalToColumn(bestThrower.best, 7) + "\n";
    }
    if (bestResult.best != 0) {
        text += label("Paras tulos:") + unsignedToText(bestResult.best) + "\n";
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
