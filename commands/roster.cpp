#include <string>

#include "commands/commands.h"
#include "format/text.h"

namespace {

// The key under which U matches a name: its short form, trimmed, with a to z
// made capitals. Unlike set-up, which compares untrimmed short names, a short
// name that ends in a blank (a long name cut at a blank) is still found by the
// name typed without it. A long typed name is cut the same way as a stored
// one, so it cannot become a second thrower under an existing short name.
std::string matchKey(const std::string& name) {
    return upperCased(trimmed(name.substr(0, SHORT_NAME_LENGTH)));
}

ThrowerRecord* findThrower(GameState& state, const std::string& name) {
    const std::string key = matchKey(name);
    for (ThrowerRecord& thrower : state.throwers) {
        if (matchKey(thrower.name) == key) {
            return &thrower;
        }
    }
    return nullptr;
}

}  // namespace

CommandResult discardLatestRound(Console&, GameState& state, const Clock&) {
    for (ThrowerRecord& thrower : state.throwers) {
        removeLastRound(thrower);
    }
    --state.round;
    return {Outcome::Changed, ""};
}

CommandResult addOrRecallThrower(Console& console, GameState& state, const Clock&) {
    std::string line;
    if (!ask(console, "Anna uuden pelaajan nimi: ", line)) {
        return {Outcome::InputEnded, ""};
    }
    // Control bytes are made harmless before the name is looked up or shown.
    const std::string name = withoutControlBytes(trimmed(line));
    if (isBlank(name)) {
        return {Outcome::Unchanged, "Pelaajaa ei lis\x84tty.\n"};
    }
    ThrowerRecord* existing = findThrower(state, name);
    if (existing == nullptr) {
        ThrowerRecord thrower = makeThrower(name);
        thrower.points.assign(state.round, NO_RESULT);
        state.throwers.push_back(std::move(thrower));
        return {Outcome::Changed, ""};
    }
    if (!isWithdrawn(*existing)) {
        return {Outcome::Unchanged, "Kyseinen pelaaja on jo olemassa. Pelaajaa ei lis\x84tty.\n"};
    }
    clearWithdrawn(*existing);
    return {
        Outcome::Changed,
        "Kyseinen pelaaja oli vet\x84ytynyt pelist\x84. H\x84net kutsuttiin takaisin peliin.\n"};
}
