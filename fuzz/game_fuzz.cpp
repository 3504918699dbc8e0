// Whole games over arbitrary console bytes, each in a fresh working directory
// with a fixed clock. An input that starts with "#file\n" first plants the
// bytes up to "#play\n" as the saved-games file, so the start menu and
// resuming are reached; then "#recovery\n" likewise plants the recovery file of
// an interrupted game. The rest is what the operator types.
#include <unistd.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "app/driver.h"
#include "report/results.h"
#include "saves/recovery.h"
#include "saves/saved_games.h"
#include "support/test_support.h"

namespace {

const std::string FILE_MARK = "#file\n";
const std::string PLAY_MARK = "#play\n";
const std::string RECOVERY_MARK = "#recovery\n";
// The messages as the program prints them, each followed by the pause; a
// saved game's name echoed in the list of games can hold the same words.
const std::string SAVED = "Pelitilanne tallennettu.\n" + PAUSE;
const std::string RESULTS_FILE = resultsFileName(testTime(), 1);
const std::string RESULTS_WRITTEN =
    "Tulokset tallennettu tiedostoon:\n" + RESULTS_FILE + "\n" + PAUSE;

// Every display walks every round, so a saved game of a million rounds takes
// seconds under the sanitizers, and ending it writes a results file of 60 MB.
// Saved games longer than a typed input of the fuzzer's length could play are
// left to the saved-games target, which loads them without playing them.
constexpr std::uint32_t MOST_ROUNDS_PLAYED = 2000;

// Plants the file `name` when the input starts with `mark`; gives the rest.
std::string planted(const std::string& input, const std::string& mark, const char* name) {
    if (input.compare(0, mark.size(), mark) != 0) {
        return input;
    }
    const std::size_t play = input.find(PLAY_MARK, mark.size());
    writeFile(name, input.substr(mark.size(), play - mark.size()));
    return play == std::string::npos ? "" : input.substr(play + PLAY_MARK.size());
}

// A planted recovery file is never lost (taken into the saved games, moved
// aside, or kept when it could not be moved), and one this run left holds the
// game as it ended, as a save of it would read back.
void checkRecovery(const std::string& planted, const std::string& saved, const GameState& state) {
    const std::string left = fileContents(RECOVERY_FILE);
    require(planted.empty() || saved.find(planted) != std::string::npos || left == planted ||
                fileContents(damagedRecoveryName(1)) == planted,
            "a planted recovery file is never lost");
    std::string header;
    GameState saveOfIt = state;
    GameState recovered = state;
    require(readRecoveryRecord(savedGameRecord(state, ""), header, saveOfIt),
            "a save of the game reads back");
    require(access(RECOVERY_FILE, F_OK) != 0 || left == planted ||
                (readRecoveryRecord(left, header, recovered) && sameState(recovered, saveOfIt)),
            "a recovery file left at the end holds the game as it ended");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ScratchDir dir;
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::istringstream in(
        planted(planted(input, FILE_MARK, SAVED_GAMES_FILE), RECOVERY_MARK, RECOVERY_FILE));
    const std::string savedBefore = fileContents(SAVED_GAMES_FILE);
    const std::string recoveryBefore = fileContents(RECOVERY_FILE);
    std::string header;
    GameState recovered;
    if (readRecoveryRecord(recoveryBefore, header, recovered) &&
        recovered.round > MOST_ROUNDS_PLAYED) {
        return 0;
    }
    std::vector<std::string> before;
    listSavedGames(SAVED_GAMES_FILE, before);
    for (const std::string& entry : before) {
        GameState state;
        if (loadSavedGame(entry, SAVED_GAMES_FILE, state) && state.round > MOST_ROUNDS_PLAYED) {
            return 0;
        }
    }
    std::ostringstream out;
    Console console{in, out};
    GameState state;
    require(runGame(
                console, [] { return testTime(); }, state) == 0,
            "the game ends with exit status 0");
    const std::string output = out.str();
    require(console.endReports <= 1, "nothing is read after the end of input");
    require(isPlayable(state), "every thrower holds one valid entry per round");
    require(output.find(RESULTS_WRITTEN) == std::string::npos ||
                fileContents(RESULTS_FILE) == resultsFileText(state, testTime()),
            "a results file reported as written holds the whole report");
    // Saves only append, and every save reported adds one game to the list, as
    // does a recovery record taken over right after the banner.
    const std::string savedAfter = fileContents(SAVED_GAMES_FILE);
    checkRecovery(recoveryBefore, savedAfter, state);
    require(savedAfter.compare(0, savedBefore.size(), savedBefore) == 0,
            "the saved-games file is only appended to");
    std::vector<std::string> after;
    listSavedGames(SAVED_GAMES_FILE, after);
    const std::size_t saves =
        occurrences(output, SAVED) +
        (output.find("Edellinen peli j\x84i kesken.") == output.find("\n\n") + 2 ? 1 : 0);
    require(after.size() == before.size() + saves, "every save reported adds one listed game");
    GameState last;
    require(saves == 0 || loadSavedGame(after.back(), SAVED_GAMES_FILE, last),
            "the game saved last can be loaded");
    return 0;
}
