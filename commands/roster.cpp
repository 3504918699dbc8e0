#include "commands/roster.h"

#include <string>

#include "format/text.h"

namespace {

// The key under which a name is matched: its short form, trimmed, with a to z
// made capitals. A long typed name is cut the same way as a stored one, so it
// cannot become a second thrower under an existing short name.
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

void discardLatestRound(GameState& state) {
    if (state.round == 0) {
        return;
    }
    for (ThrowerRecord& thrower : state.throwers) {
        removeLastRound(thrower);
    }
    --state.round;
}

bool addOrRecallThrower(Console& console, GameState& state) {
    std::string line;
    if (!ask(console, "Anna uuden pelaajan nimi: ", line)) {
        return false;
    }
    // Control bytes are made harmless before the name is looked up or shown.
    const std::string name = withoutControlBytes(trimmed(line));
    if (isBlank(name)) {
        console.out << "Pelaajaa ei lis\x84tty.\n";
        pause(console);
        return !console.inputEnded;
    }
    ThrowerRecord* existing = findThrower(state, name);
    if (existing == nullptr) {
        ThrowerRecord thrower = makeThrower(name);
        thrower.points.assign(state.round, NO_RESULT);
        state.throwers.push_back(std::move(thrower));
        return true;
    }
    if (isWithdrawn(*existing)) {
        console.out << "Kyseinen pelaaja oli vet\x84ytynyt pelist\x84. "
                       "H\x84net kutsuttiin takaisin peliin.\n";
        clearWithdrawn(*existing);
    } else {
        console.out << "Kyseinen pelaaja on jo olemassa. Pelaajaa ei lis\x84tty.\n";
    }
    // The pause may meet the end of input; the caller must not read after it.
    pause(console);
    return !console.inputEnded;
}
