// Whole games over arbitrary console bytes, each in a fresh working directory
// with a fixed clock. An input starting with "#file\n" plants the bytes up to
// "#play\n" as the saved-games file, then "#recovery\n" likewise the recovery
// file of an interrupted game; the rest is what the operator types. Every game
// the planted file lists is first loaded, saved again and loaded back.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "app/driver.h"
#include "format/text.h"
#include "report/results.h"
#include "saves/dialogs.h"
#include "saves/record_reader.h"
#include "saves/recovery.h"
#include "saves/saved_games.h"
#include "scoring/points.h"
#include "support/test_support.h"

// Aborts when a property does not hold, so that libFuzzer keeps the input.
static void require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "Property broken: %s\n", what);
        std::abort();
    }
}

// Each thrower holds `round` entries of at most 1000 or NO_RESULT; the maximum is 1..1000.
static bool isPlayable(const GameState& state) {
    bool valid = state.maxScore >= 1 && state.maxScore <= HIGHEST_MAX_SCORE;
    for (const ThrowerRecord& thrower : state.throwers) {
        valid = valid && thrower.points.size() == state.round;
        for (const std::uint32_t entry : thrower.points)
            valid = valid && (entry <= HIGHEST_MAX_SCORE || entry == NO_RESULT);
    }
    return valid;
}

// Every display walks every round, so longer saved games take seconds under the
// sanitizers; they are loaded and saved again, but not played.
constexpr std::uint32_t MOST_ROUNDS_PLAYED = 2000;

// A game in progress that a load either replaces whole or leaves alone.
const GameState IN_PROGRESS{
    {thrower("Liisa", {40, NO_RESULT}, true)}, 2, 40, "Kesken", "1.2.2025", "18:00:00"};

// What saving a loaded game again must keep, whatever bytes its name and date
// lines held: the rounds, the maximum and every thrower's points and flag.
static GameState kept(GameState game) {
    game.gameName = game.startDate = game.startTime = "";
    for (ThrowerRecord& thrower : game.throwers) {
        thrower.name.clear();
    }
    return game;
}

// Loads a listed game over a game in progress and saves it again; gives the
// rounds it holds, 0 when it does not load.
static std::uint32_t checkLoad(const std::string& entry) {
    GameState state = IN_PROGRESS;
    if (!loadSavedGame(entry, SAVED_GAMES_FILE, state)) {
        require(sameState(state, IN_PROGRESS), "a failed load leaves the game as it was");
        return 0;
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
    return state.round;
}

// Plants the file `name` when the input starts with `mark`; gives the rest.
static std::string planted(const std::string& input, const std::string& mark, const char* name) {
    if (input.compare(0, mark.size(), mark) != 0) {
        return input;
    }
    const std::string playMark = "#play\n";
    const std::size_t play = input.find(playMark, mark.size());
    writeFile(name, input.substr(mark.size(), play - mark.size()));
    return play == std::string::npos ? "" : input.substr(play + playMark.size());
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ScratchDir dir;
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::istringstream in(
        planted(planted(input, "#file\n", SAVED_GAMES_FILE), "#recovery\n", RECOVERY_FILE));
    const std::string savedBefore = fileContents(SAVED_GAMES_FILE);
    const std::string recoveryBefore = fileContents(RECOVERY_FILE);
    std::string header;
    GameState longest;
    bool tooLong =
        readRecoveryRecord(recoveryBefore, header, longest) && longest.round > MOST_ROUNDS_PLAYED;
    std::vector<std::string> before;
    listSavedGames(SAVED_GAMES_FILE, before);
    for (const std::string& entry : before) {
        require(!isBlank(entry) && trimmed(entry) == entry, "a listed game is a trimmed line");
        tooLong = checkLoad(entry) > MOST_ROUNDS_PLAYED || tooLong;
    }
    if (tooLong) {
        return 0;
    }
    std::ostringstream out;
    Console console{in, out};
    GameState game;
    const int status = runGame(
        console, [] { return testTime(); }, game);
    const std::string output = out.str();
    require(status == 0 && output.back() == '\n' && console.endReports <= 1 && isPlayable(game),
            "the game ends with status 0 and a line end, reads nothing after the end of input, "
            "and every thrower holds one valid entry per round");
    const std::string results = resultsFileName(testTime(), 1);
    require(output.find("Tulokset tallennettu tiedostoon:\n" + results + "\n" + PAUSE) ==
                    std::string::npos ||
                fileContents(results) == resultsFileText(game, testTime()),
            "a results file reported as written holds the whole report");
    const std::string savedAfter = fileContents(SAVED_GAMES_FILE);
    const std::string left = fileContents(RECOVERY_FILE);
    require(recoveryBefore.empty() || savedAfter.find(recoveryBefore) != std::string::npos ||
                left == recoveryBefore || fileContents(damagedRecoveryName(1)) == recoveryBefore,
            "a planted recovery file is never lost (taken over, moved aside or kept)");
    GameState saveOfIt = game;
    GameState recovered = game;
    require(readRecoveryRecord(savedGameRecord(game, ""), header, saveOfIt) &&
                (access(RECOVERY_FILE, F_OK) != 0 || left == recoveryBefore ||
                 (readRecoveryRecord(left, header, recovered) && sameState(recovered, saveOfIt))),
            "a recovery file left at the end holds the game as a save of it reads back");
    // Every save reported (with its pause: a listed name can hold the words) adds
    // one listed game, as does a recovery record taken over after the banner.
    std::vector<std::string> after;
    GameState last;
    listSavedGames(SAVED_GAMES_FILE, after);
    const std::size_t saves =
        occurrences(output, "Pelitilanne tallennettu.\n" + PAUSE) +
        (output.find("Edellinen peli j\x84i kesken.") == output.find("\n\n") + 2 ? 1 : 0);
    require(savedAfter.compare(0, savedBefore.size(), savedBefore) == 0 &&
                after.size() == before.size() + saves &&
                (saves == 0 || loadSavedGame(after.back(), SAVED_GAMES_FILE, last)),
            "the saved-games file is only appended to, every save reported adds one listed "
            "game, and the game saved last can be loaded");
    require(onlyLineFeedsAndClears(output),
            "no control byte reaches the terminal but line feeds and the clear sequence");
    return 0;
}
