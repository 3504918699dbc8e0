#include "app/setup.h"

#include <algorithm>
#include <string>

#include "console/readers.h"
#include "format/numbers.h"
#include "format/text.h"

namespace {

// The new name's first 15 bytes against every short name as it stands, with
// a to z made capitals. Unlike U, the short names are not trimmed here: at
// set-up no name can end in a blank, as every typed name is trimmed.
bool isTaken(const GameState& state, const std::string& name) {
    // Comparing the first 15 bytes keeps two throwers from sharing a short name.
    const std::string wanted = upperCased(name.substr(0, SHORT_NAME_LENGTH));
    return std::any_of(
        state.throwers.begin(), state.throwers.end(),
        [&](const ThrowerRecord& thrower) { return upperCased(shortName(thrower)) == wanted; });
}

}  // namespace

bool setUpGame(Console& console, GameState& state) {
    console.out << "\nAnna heitt\x84j\x84t, ja paina lopuksi enteri\x84.\n";
    std::string line;
    for (;;) {
        const std::string prompt =
            "Anna heitt\x84j\x84 " +
            unsignedToText(static_cast<std::uint32_t>(state.throwers.size() + 1)) + ": ";
        if (!ask(console, prompt, line)) {
            return false;
        }
        // Control bytes are made harmless before the name is compared or shown.
        const std::string name = withoutControlBytes(trimmed(line));
        if (isBlank(name)) {
            break;
        }
        if (isTaken(state, name)) {
            console.out << "VIRHE: Kyseinen pelaaja on jo olemassa.\n";
            continue;
        }
        state.throwers.push_back(makeThrower(name));
    }
    console.out << '\n';
    return readNumber(console, "Anna maksimitulos (oletus = 50): ", 1, HIGHEST_MAX_SCORE,
                      DEFAULT_MAX_SCORE, state.maxScore);
}
