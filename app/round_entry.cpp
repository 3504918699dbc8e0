#include "app/round_entry.h"

#include <cstdint>
#include <string>
#include <vector>

#include "format/numbers.h"

namespace {

// The hyphens under a round's announcement.
constexpr std::size_t ROUND_RULE_WIDTH = 70;

// What the result reader gives when a thrower withdraws; never stored. Like
// NO_RESULT for a skip, it lies above every maximum score.
constexpr std::uint32_t WITHDRAW = 1002;

// Points in min..max, NO_RESULT for exactly "J" or "j", WITHDRAW for exactly
// "V" or "v"; every other line, a blank one too, gets the error line and the
// prompt again. False at the end of input.
bool readResult(Console& console, const std::string& prompt, std::uint32_t min, std::uint32_t max,
                std::uint32_t& value) {
    std::string line;
    while (ask(console, prompt, line)) {
        if (line == "J" || line == "j") {
            value = NO_RESULT;
            return true;
        }
        if (line == "V" || line == "v") {
            value = WITHDRAW;
            return true;
        }
        const ParsedNumber number = parseNumber(line);
        if (number.kind == NumberKind::Value && number.value >= min && number.value <= max) {
            value = number.value;
            return true;
        }
        console.out << "VIRHE: Tuloksen pit\x84\x84 olla v\x84lill\x84 " << unsignedToText(min)
                    << " - " << unsignedToText(max) << " (tai J tai V).\n";
    }
    return false;
}

// Asks every thrower still in the game; entries[i] is NO_RESULT or the points,
// WITHDRAW where the thrower withdrew. False at the end of input.
bool askRound(Console& console, const GameState& state, std::vector<std::uint32_t>& entries) {
    std::uint32_t position = 0;
    for (const ThrowerRecord& thrower : state.throwers) {
        ++position;
        std::uint32_t answer = NO_RESULT;
        if (!isWithdrawn(thrower)) {
            const std::string prompt = unsignedToText(position) + ". " + shortName(thrower) + ": ";
            if (!readResult(console, prompt, 0, state.maxScore, answer)) {
                return false;
            }
        }
        entries.push_back(answer);
    }
    return true;
}

}  // namespace

Outcome playRound(Console& console, GameState& state) {
    const std::uint32_t round = state.round + 1;
    console.out << "Kierros " << unsignedToText(round) << " alkaa. \n";
    console.out << "Anna heitt\x84jien pistem\x84\x84r\x84t. (0-" << unsignedToText(state.maxScore)
                << ", J = J\x84t\x84 v\x84liin, V = Vet\x84ydy)\n";
    console.out << std::string(ROUND_RULE_WIDTH, '-') << '\n';

    // The round is stored only once every answer is in, so it is never left half entered.
    std::vector<std::uint32_t> entries;
    if (!askRound(console, state, entries)) {
        return Outcome::InputEnded;
    }
    state.round = round;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        ThrowerRecord& thrower = state.throwers[i];
        if (entries[i] == WITHDRAW) {
            addRoundPoints(thrower, NO_RESULT);
            setWithdrawn(thrower);
        } else {
            addRoundPoints(thrower, entries[i]);
        }
    }
    return Outcome::Changed;
}
