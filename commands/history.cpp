#include "commands/history.h"

#include "format/numbers.h"
#include "scoring/figures.h"
#include "scoring/statistics.h"

namespace {

std::uint32_t columnWidth(const ThrowerRecord& thrower) {
    const std::size_t width = shortName(thrower).size() + 2;
    return static_cast<std::uint32_t>(width < 4 ? 4 : width);
}

bool gridFitsConsole(const std::vector<ThrowerRecord>& throwers) {
    std::size_t width = 25;
    for (const ThrowerRecord& thrower : throwers) {
        width += columnWidth(thrower);
    }
    return width <= 79;
}

std::string roundLine(const std::vector<ThrowerRecord>& throwers, std::uint32_t round) {
    std::string line = padRight(unsignedToText(round), 10);
    for (const ThrowerRecord& thrower : throwers) {
        const std::uint32_t entry = pointsOfRound(thrower, round);
        line += entry == NO_RESULT ? padRight("-", columnWidth(thrower))
                                   : unsignedToColumn(entry, columnWidth(thrower));
    }
    return line + "   " + unsignedToText(roundTotal(throwers, round)) + "\n";
}

std::string grid(const std::vector<ThrowerRecord>& throwers, std::uint32_t rounds,
                 std::size_t leadingHyphens) {
    std::string text = "Kierros   ";
    std::string rule(leadingHyphens, '-');
    for (const ThrowerRecord& thrower : throwers) {
        text += padRight(shortName(thrower), 2) + "  ";
        rule.append(columnWidth(thrower), '-');
    }
    text += "   Yhteens\x84\n" + rule + "\n";
    for (std::uint32_t round = 1; round <= rounds; ++round) {
        text += roundLine(throwers, round);
    }
    return text;
}

std::string winnerLines(const std::vector<ThrowerRecord>& throwers, std::uint32_t rounds) {
    std::string text;
    for (std::uint32_t round = 1; round <= rounds; ++round) {
        text += "  Kierros " + unsignedToText(round) + ": " + roundWinners(throwers, round) + "\n";
    }
    return text;
}

}  // namespace

std::string roundWinners(const std::vector<ThrowerRecord>& throwers, std::uint32_t round) {
    std::uint32_t best = 0;
    std::string names;
    for (const ThrowerRecord& thrower : throwers) {
        const std::uint32_t entry = pointsOfRound(thrower, round);
        if (entry == NO_RESULT) {
            continue;
        }
        if (entry == best) {
            names += " & " + shortName(thrower);
        } else if (entry > best) {
            best = entry;
            names = shortName(thrower);
        }
    }
    if (best == 0) {
        return "Ei parasta tulosta.";
    }
    return names + " tuloksella " + unsignedToText(best);
}

std::string roundHistory(const std::vector<ThrowerRecord>& throwers, std::uint32_t rounds,
                         Form form) {
    if (form == Form::File) {
        return grid(throwers, rounds, 24) + "\n\nKierrosten voittajat: \n" +
               winnerLines(throwers, rounds);
    }
    std::string text = "\n" + std::string(65, '-') + "\n";
    if (gridFitsConsole(throwers)) {
        text += "\nEdellisten kierrosten tulokset: \n" + grid(throwers, rounds, 22) + "\n";
    }
    return text + "Edellisten kierrosten voittajat: \n" + winnerLines(throwers, rounds) + "\n";
}

void showRoundHistory(Console& console, const GameState& state) {
    console.out << roundHistory(state.throwers, state.round, Form::Console);
}
