// Arbitrary saved-games files: listed, every listed game loaded, and every
// loaded game saved again and loaded back.
#include <cstdint>
#include <cstdio>
#include <set>

#include "console/text.h"
#include "saves/dialogs.h"
#include "saves/record_reader.h"
#include "saves/saved_games.h"
#include "support/test_support.h"

namespace {

// A game in progress that a load either replaces whole or leaves alone.
const GameState IN_PROGRESS{
    {thrower("Liisa", {40, NO_RESULT}, true)}, 2, 40, "Kesken", "1.2.2025", "18:00:00"};

// What saving a loaded game again must keep, whatever bytes its name and date
// lines held: the rounds, the maximum and every thrower's points and flag.
GameState kept(GameState game) {
    game.gameName = game.startDate = game.startTime = "";
    for (ThrowerRecord& thrower : game.throwers) {
        thrower.name.clear();
    }
    return game;
}

void checkLoad(const std::string& entry) {
    GameState state = IN_PROGRESS;
    if (!loadSavedGame(entry, SAVED_GAMES_FILE, state)) {
        return require(sameState(state, IN_PROGRESS), "a failed load leaves the game as it was");
    }
    require(isPlayable(state) && state.round <= MOST_SAVED_ROUNDS &&
                state.gameName == IN_PROGRESS.gameName,
            "a load gives one valid entry per round, at most a million rounds, and no name");
    // A resumed game saved again must come back whole, or it would be lost the
    // second time it is saved.
    state.gameName = gameNameOfEntry(entry);
    std::vector<std::string> games;
    GameState back = IN_PROGRESS;
    require(appendSavedGame(state, "1.1.2027", "again") && listSavedGames("again", games) &&
                games == std::vector<std::string>{savedGameHeader(state, "1.1.2027")} &&
                loadSavedGame(games[0], "again", back) && sameState(kept(back), kept(state)),
            "a loaded game saved again is listed once under its header and loads as it was");
    std::remove("again");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ScratchDir dir;
    writeFile(SAVED_GAMES_FILE, std::string(reinterpret_cast<const char*>(data), size));
    std::vector<std::string> games{"left as it was"};
    require(listSavedGames(SAVED_GAMES_FILE, games) == !games.empty(),
            "the list's flag tells whether it holds games");
    for (const std::string& entry : std::set<std::string>(games.begin(), games.end())) {
        require(!isBlank(entry) && trimmed(entry) == entry, "a listed game is a trimmed line");
        checkLoad(entry);
    }
    checkLoad("Ei tallennettu (1.1.2000, kierros 0)");
    return 0;
}
