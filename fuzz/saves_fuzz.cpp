// Arbitrary saved-games files: listed, and every listed game loaded.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "console/text.h"
#include "harness.h"
#include "saves/saved_games.h"

namespace {

// A game in progress that a load either replaces whole or leaves alone.
GameState gameInProgress() {
    GameState state;
    state.round = 2;
    state.maxScore = 40;
    state.gameName = "Kesken";
    state.startDate = "1.2.2025";
    state.startTime = "18:00:00";
    state.throwers = {ThrowerRecord{{3, 1001}, "Matti", false},
                      ThrowerRecord{{40, 0}, "Liisa", true}};
    return state;
}

void checkLoad(const std::string& entry) {
    const GameState before = gameInProgress();
    GameState state = before;
    if (!loadSavedGame(entry, SAVED_GAMES_FILE, state)) {
        require(sameState(state, before), "a failed load leaves the game as it was");
        return;
    }
    require(isPlayable(state), "a loaded game holds one valid entry per round for every thrower");
    require(state.round <= 1000000, "a loaded game has at most a million rounds");
    require(state.gameName == before.gameName, "a load leaves the game's name to the caller");
    GameState again = gameInProgress();
    require(loadSavedGame(entry, SAVED_GAMES_FILE, again) && sameState(again, state),
            "loading the same game twice gives the same state");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzDir dir;
    plantFile(SAVED_GAMES_FILE, std::string(reinterpret_cast<const char*>(data), size));
    std::vector<std::string> games{"left as it was"};
    const bool listed = listSavedGames(SAVED_GAMES_FILE, games);
    require(listed == !games.empty(), "the list's flag tells whether it holds games");
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
