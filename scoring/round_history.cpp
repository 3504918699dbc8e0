#include "scoring/round_history.h"

#include "format/numbers.h"
#include "scoring/figures.h"
#include "scoring/statistics.h"

namespace {

// A thrower's column is the short name, filled to at least 2 bytes, and 2 blanks.
constexpr std::size_t SHORTEST_NAME = 2;
constexpr std::size_t NAME_GAP = 2;
// The round number's column, before the throwers' columns.
constexpr std::uint32_t ROUND_COLUMN = 10;
// The console shows the grid only when the fixed part (the round column and the
// total) and every thrower's column fit in the console's width.
constexpr std::size_t FIXED_GRID_WIDTH = 25;
constexpr std::size_t CONSOLE_WIDTH = 79;
// Hyphens of the rule line before the throwers' columns, and the console's
// separator line above the history.
constexpr std::size_t FILE_RULE_LEAD = 24;
constexpr std::size_t CONSOLE_RULE_LEAD = 22;
constexpr std::size_t SEPARATOR_WIDTH = 65;

std::uint32_t columnWidth(const ThrowerRecord& thrower) {
    const std::size_t name = shortName(thrower).size();
    return static_cast<std::uint32_t>((name < SHORTEST_NAME ? SHORTEST_NAME : name) + NAME_GAP);
}

bool gridFitsConsole(const std::vector<ThrowerRecord>& throwers) {
    std::size_t width = FIXED_GRID_WIDTH;
    for (const ThrowerRecord& thrower : throwers) {
        width += columnWidth(thrower);
    }
    return width <= CONSOLE_WIDTH;
}

// Appends one round's line; the total is summed from the cells as they are written.
void appendRoundLine(std::string& text, const std::vector<ThrowerRecord>& throwers,
                     const std::vector<std::uint32_t>& widths, std::uint32_t round) {
    text += padRight(unsignedToText(round), ROUND_COLUMN);
    std::uint32_t total = 0;
    for (std::size_t i = 0; i < throwers.size(); ++i) {
        const std::uint32_t entry = pointsOfRound(throwers[i], round);
        if (entry == NO_RESULT) {
            text += padRight("-", widths[i]);
        } else {
            text += unsignedToColumn(entry, widths[i]);
            total += entry;
        }
    }
    text += "   " + unsignedToText(total) + "\n";
}

// The history can run to megabytes, so every part of it is appended to one
// text instead of being built apart and copied in.
void appendGrid(std::string& text, const std::vector<ThrowerRecord>& throwers, std::uint32_t rounds,
                std::size_t leadingHyphens) {
    text += "Kierros   ";
    std::string rule(leadingHyphens, '-');
    std::vector<std::uint32_t> widths;
    for (const ThrowerRecord& thrower : throwers) {
        widths.push_back(columnWidth(thrower));
        text += padRight(shortName(thrower), SHORTEST_NAME) + "  ";
        rule.append(widths.back(), '-');
    }
    text += "   Yhteens\x84\n" + rule + "\n";
    for (std::uint32_t round = 1; round <= rounds; ++round) {
        appendRoundLine(text, throwers, widths, round);
    }
}

void appendWinnerLines(std::string& text, const std::vector<ThrowerRecord>& throwers,
                       std::uint32_t rounds) {
    for (std::uint32_t round = 1; round <= rounds; ++round) {
        text += "  Kierros " + unsignedToText(round) + ": " + roundWinners(throwers, round) + "\n";
    }
}

}  // namespace

std::string roundWinners(const std::vector<ThrowerRecord>& throwers, std::uint32_t round) {
    TieRanking winners{0.0, false, ""};
    for (const ThrowerRecord& thrower : throwers) {
        const std::uint32_t entry = pointsOfRound(thrower, round);
        if (entry != NO_RESULT) {
            offerCandidate(winners, entry, shortName(thrower));
        }
    }
    // Nobody scoring above 0 leaves no winner; names tied at 0 are dropped too.
    if (winners.best == 0.0) {
        return "Ei parasta tulosta.";
    }
    return winners.names + " tuloksella " +
           unsignedToText(static_cast<std::uint32_t>(winners.best));
}

std::string roundHistory(const std::vector<ThrowerRecord>& throwers, std::uint32_t rounds,
                         Form form) {
    std::string text;
    if (form == Form::File) {
        appendGrid(text, throwers, rounds, FILE_RULE_LEAD);
        text += "\n\nKierrosten voittajat: \n";
        appendWinnerLines(text, throwers, rounds);
        return text;
    }
    text += "\n" + std::string(SEPARATOR_WIDTH, '-') + "\n";
    if (gridFitsConsole(throwers)) {
        text += "\nEdellisten kierrosten tulokset: \n";
        appendGrid(text, throwers, rounds, CONSOLE_RULE_LEAD);
        text += "\n";
    }
    text += "Edellisten kierrosten voittajat: \n";
    appendWinnerLines(text, throwers, rounds);
    text += "\n";
    return text;
}
