#include "commands/history.h"

#include "format/numbers.h"

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

// Appends the cell and blanks up to `width`; a longer cell is kept whole.
void appendCell(std::string& text, const std::string& cell, std::size_t width) {
    text += cell;
    if (cell.size() < width) {
        text.append(width - cell.size(), ' ');
    }
}

// Appends one round's line; the total is summed from the cells as they are written.
void appendRoundLine(std::string& text, const std::vector<ThrowerRecord>& throwers,
                     const std::vector<std::uint32_t>& widths, std::uint32_t round) {
    appendCell(text, unsignedToText(round), 10);
    std::uint32_t total = 0;
    for (std::size_t i = 0; i < throwers.size(); ++i) {
        const std::uint32_t entry = pointsOfRound(throwers[i], round);
        if (entry == NO_RESULT) {
            appendCell(text, "-", widths[i]);
        } else {
            appendCell(text, unsignedToText(entry), widths[i]);
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
        text += padRight(shortName(thrower), 2) + "  ";
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
    std::string text;
    if (form == Form::File) {
        appendGrid(text, throwers, rounds, 24);
        text += "\n\nKierrosten voittajat: \n";
        appendWinnerLines(text, throwers, rounds);
        return text;
    }
    text += "\n" + std::string(65, '-') + "\n";
    if (gridFitsConsole(throwers)) {
        text += "\nEdellisten kierrosten tulokset: \n";
        appendGrid(text, throwers, rounds, 22);
        text += "\n";
    }
    text += "Edellisten kierrosten voittajat: \n";
    appendWinnerLines(text, throwers, rounds);
    text += "\n";
    return text;
}

void showRoundHistory(Console& console, const GameState& state) {
    console.out << roundHistory(state.throwers, state.round, Form::Console);
}
