// Whole games over arbitrary console bytes, each in a fresh working directory
// with a fixed clock. An input that starts with "#file\n" first plants the
// bytes up to "#play\n" as the saved-games file, so the start menu and
// resuming are reached; then "#recovery\n" likewise plants the recovery file of
// an interrupted game. The rest is what the operator types.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "app/driver.h"
#include "harness.h"
#include "report/results.h"
#include "saves/recovery.h"
#include "saves/saved_games.h"

namespace {

const LocalTime NOW{2026, 12, 6, 19, 2, 44};
const std::string FILE_MARK = "#file\n";
const std::string PLAY_MARK = "#play\n";
const std::string RECOVERY_MARK = "#recovery\n";
const std::string TAKEN_OVER = "Edellinen peli j\x84i kesken.";
// The messages as the program prints them, each followed by the pause; a
// saved game's name echoed in the list of games can hold the same words.
const std::string PAUSE = "Jatka painamalla mit\x84 tahansa n\x84pp\x84int\x84 . . . ";
const std::string SAVED = "Pelitilanne tallennettu.\n" + PAUSE;
const std::string RESULTS_FILE = resultsFileName(NOW, 1);
const std::string RESULTS_WRITTEN =
    "Tulokset tallennettu tiedostoon:\n" + RESULTS_FILE + "\n" + PAUSE;

// Plants the file `name` when the input starts with `mark`; gives the rest.
std::string planted(const std::string& input, const std::string& mark, const char* name) {
    if (input.compare(0, mark.size(), mark) != 0) {
        return input;
    }
    const std::size_t play = input.find(PLAY_MARK, mark.size());
    const std::size_t end = play == std::string::npos ? input.size() : play;
    plantFile(name, input.substr(mark.size(), end - mark.size()));
    return play == std::string::npos ? "" : input.substr(play + PLAY_MARK.size());
}

std::string typedPart(const std::string& input) {
    return planted(planted(input, FILE_MARK, SAVED_GAMES_FILE), RECOVERY_MARK, RECOVERY_FILE);
}

// Every display walks every round, so a saved game of a million rounds takes
// seconds under the sanitizers, and ending it writes a results file of 60 MB.
// Saved games longer than a typed input of the fuzzer's length could play are
// left to the saved-games target, which loads them without playing them.
constexpr std::uint32_t MOST_ROUNDS_PLAYED = 2000;

bool savedGamesArePlayable(const std::vector<std::string>& games) {
    std::string header;
    GameState recovered;
    if (readRecoveryRecord(fileBytes(RECOVERY_FILE), header, recovered) &&
        recovered.round > MOST_ROUNDS_PLAYED) {
        return false;
    }
    for (const std::string& entry : games) {
        GameState state;
        if (loadSavedGame(entry, SAVED_GAMES_FILE, state) && state.round > MOST_ROUNDS_PLAYED) {
            return false;
        }
    }
    return true;
}

std::size_t count(const std::string& text, const std::string& part) {
    std::size_t found = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++found;
    }
    return found;
}

// A planted recovery file is never lost, and one left at the end holds the game
// as it ended; the file of an earlier run may stay when it could not be moved.
void checkRecovery(const std::string& planted, const std::string& saved, const GameState& state) {
    const std::string left = fileBytes(RECOVERY_FILE);
    require(planted.empty() || saved.find(planted) != std::string::npos || left == planted ||
                fileBytes(damagedRecoveryName(1)) == planted,
            "a planted recovery file is never lost");
    GameState expected = state;  // names are kept in their short form
    for (ThrowerRecord& thrower : expected.throwers) {
        thrower.name = shortName(thrower);
    }
    std::string header;
    GameState recovered = expected;
    require(access(RECOVERY_FILE, F_OK) != 0 || left == planted ||
                (readRecoveryRecord(left, header, recovered) && sameState(recovered, expected)),
            "a recovery file left at the end holds the game as it ended");
}

// A results file is reported only when it holds the whole report of the game.
void checkResults(const std::string& output, const GameState& state) {
    if (output.find(RESULTS_WRITTEN) != std::string::npos) {
        require(fileBytes(RESULTS_FILE) == resultsFileText(state, NOW),
                "a results file reported as written holds the whole report");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzDir dir;
    std::istringstream in(typedPart(std::string(reinterpret_cast<const char*>(data), size)));
    const std::string savedBefore = fileBytes(SAVED_GAMES_FILE);
    const std::string recoveryBefore = fileBytes(RECOVERY_FILE);
    std::vector<std::string> gamesBefore;
    listSavedGames(SAVED_GAMES_FILE, gamesBefore);
    if (!savedGamesArePlayable(gamesBefore)) {
        return 0;
    }

    std::ostringstream out;
    Console console{in, out};
    GameState state;
    const int status = runGame(
        console, [] { return NOW; }, state);
    const std::string output = out.str();

    require(status == 0, "the game ends with exit status 0");
    require(console.readsAfterEnd == 0, "nothing is read after the end of input");
    require(isPlayable(state), "every thrower holds one valid entry per round");
    checkResults(output, state);
    checkRecovery(recoveryBefore, fileBytes(SAVED_GAMES_FILE), state);
    // Saves only append, and every save reported adds one game to the list.
    const std::string savedAfter = fileBytes(SAVED_GAMES_FILE);
    require(savedAfter.compare(0, savedBefore.size(), savedBefore) == 0,
            "the saved-games file is only appended to");
    std::vector<std::string> gamesAfter;
    listSavedGames(SAVED_GAMES_FILE, gamesAfter);
    // A recovery record taken over at the start counts like a save.
    const std::size_t saves =
        count(output, SAVED) + (output.find(TAKEN_OVER) == output.find("\n\n") + 2 ? 1 : 0);
    require(gamesAfter.size() == gamesBefore.size() + saves,
            "every save reported adds one listed game");
    GameState last;
    require(saves == 0 || loadSavedGame(gamesAfter.back(), SAVED_GAMES_FILE, last),
            "the game saved last can be loaded");
    return 0;
}
