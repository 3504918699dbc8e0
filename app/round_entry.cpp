#include "app/round_entry.h"

#include <cstdint>
#include <string>
#include <vector>

#include "console/readers.h"
#include "format/numbers.h"

namespace {

// The hyphens under a round's announcement.
constexpr std::size_t ROUND_RULE_WIDTH = 70;

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

bool playRound(Console& console, GameState& state) {
    const std::uint32_t round = state.round + 1;
    console.out << "Kierros " << unsignedToText(round) << " alkaa. \n";
    console.out << "Anna heitt\x84jien pistem\x84\x84r\x84t. (0-" << unsignedToText(state.maxScore)
                << ", J = J\x84t\x84 v\x84liin, V = Vet\x84ydy)\n";
    console.out << std::string(ROUND_RULE_WIDTH, '-') << '\n';

    // The round is stored only once every answer is in, so it is never left half entered.
    std::vector<std::uint32_t> entries;
    if (!askRound(console, state, entries)) {
        return false;
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
    return true;
}
