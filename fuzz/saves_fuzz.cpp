// Arbitrary saved-games files: listed, every listed game loaded, and every
// loaded game saved again and loaded back.
#include <cstdint>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "console/text.h"
#include "saves/dialogs.h"
#include "saves/record_reader.h"
#include "saves/saved_games.h"
#include "support/test_support.h"

namespace {

// A game in progress that a load either replaces whole or leaves alone.
GameState gameInProgress() {
    return GameState{{thrower("Matti", {3, NO_RESULT}), thrower("Liisa", {40, 0}, true)},
                     2,
                     40,
                     "Kesken",
                     "1.2.2025",
                     "18:00:00"};
}

// A resumed game saved again must come back with its rounds and points, or a
// game would be lost the second time it is saved.
void checkSavedAgain(const std::string& entry, GameState state) {
    const char* const again = "uudelleen.dat";
    state.gameName = gameNameOfEntry(entry);
    require(appendSavedGame(state, "1.1.2027", again), "a loaded game can be saved again");
    std::vector<std::string> games;
    GameState back = state;
    back.throwers.clear();
    require(listSavedGames(again, games) && games.size() == 1 &&
                games[0] == savedGameHeader(state, "1.1.2027") &&
                loadSavedGame(games[0], again, back) && sameState(back, state),
            "a game saved again is listed once under its header and loads as it was");
    std::remove(again);
}

void checkLoad(const std::string& entry) {
    const GameState before = gameInProgress();
    GameState state = before;
    if (!loadSavedGame(entry, SAVED_GAMES_FILE, state)) {
        require(sameState(state, before), "a failed load leaves the game as it was");
        return;
    }
    require(isPlayable(state) && state.round <= MOST_SAVED_ROUNDS,
            "a loaded game holds one valid entry per round, at most a million rounds");
    require(state.gameName == before.gameName, "a load leaves the game's name to the caller");
    checkSavedAgain(entry, state);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ScratchDir dir;
    writeFile(SAVED_GAMES_FILE, std::string(reinterpret_cast<const char*>(data), size));
    std::vector<std::string> games{"left as it was"};
    require(listSavedGames(SAVED_GAMES_FILE, games) == !games.empty(),
            "the list's flag tells whether it holds games");
    std::set<std::string> tried;
    for (const std::string& entry : games) {
        require(!isBlank(entry) && trimmed(entry) == entry, "a listed game is a trimmed line");
        if (tried.insert(entry).second) {
            checkLoad(entry);
        }
    }
    checkLoad("Ei tallennettu (1.1.2000, kierros 0)");
    return 0;
}
