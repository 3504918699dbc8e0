// Whole games over arbitrary console bytes, each in a fresh working directory
// with a fixed clock. An input that starts with "#file\n" first plants the
// bytes up to "#play\n" as the saved-games file, so the start menu and
// resuming are reached; the rest is what the operator types.
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "app/driver.h"
#include "report/results.h"
#include "saves/saved_games.h"
#include "support/test_support.h"

namespace {

const std::string FILE_MARK = "#file\n";
const std::string PLAY_MARK = "#play\n";
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

// Plants the saved-games file when the input has one; gives the typed part.
std::string typedPart(const std::string& input) {
    if (input.compare(0, FILE_MARK.size(), FILE_MARK) != 0) {
        return input;
    }
    const std::size_t play = input.find(PLAY_MARK, FILE_MARK.size());
    writeFile(SAVED_GAMES_FILE, input.substr(FILE_MARK.size(), play - FILE_MARK.size()));
    return play == std::string::npos ? "" : input.substr(play + PLAY_MARK.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ScratchDir dir;
    std::istringstream in(typedPart(std::string(reinterpret_cast<const char*>(data), size)));
    const std::string savedBefore = fileContents(SAVED_GAMES_FILE);
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
    // Saves only append, and every save reported adds one game to the list.
    const std::string savedAfter = fileContents(SAVED_GAMES_FILE);
    require(savedAfter.compare(0, savedBefore.size(), savedBefore) == 0,
            "the saved-games file is only appended to");
    std::vector<std::string> after;
    listSavedGames(SAVED_GAMES_FILE, after);
    const std::size_t saves = occurrences(output, SAVED);
    require(after.size() == before.size() + saves, "every save reported adds one listed game");
    GameState last;
    require(saves == 0 || loadSavedGame(after.back(), SAVED_GAMES_FILE, last),
            "the game saved last can be loaded");
    return 0;
}
