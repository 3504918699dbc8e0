// Arbitrary saved-games files: listed, and every listed game loaded.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "console/text.h"
#include "harness.h"
#include "saves/dialogs.h"
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

// A resumed game saved again must come back with its rounds and points, or a
// game would be lost the second time it is saved.
void checkSavedAgain(const std::string& entry, GameState state) {
    const char* const again = "uudelleen.dat";
    state.gameName = gameNameOfEntry(entry);
    require(appendSavedGame(state, "1.1.2027", again), "a loaded game can be saved again");
    std::vector<std::string> games;
    require(listSavedGames(again, games) && games.size() == 1 &&
                games[0] == savedGameHeader(state, "1.1.2027"),
            "a game saved again is listed once under its header");
    GameState back;
    require(loadSavedGame(games[0], again, back), "a game saved again loads");
    require(back.round == state.round && back.maxScore == state.maxScore &&
                back.throwers.size() == state.throwers.size(),
            "a game saved again keeps its rounds, maximum and throwers");
    for (std::size_t i = 0; i < state.throwers.size(); ++i) {
        require(back.throwers[i].points == state.throwers[i].points &&
                    back.throwers[i].withdrawn == state.throwers[i].withdrawn,
                "a game saved again keeps every thrower's points");
    }
    std::remove(again);
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
    checkSavedAgain(entry, state);
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
