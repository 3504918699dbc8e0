// Whole games over arbitrary console bytes in a fresh folder with a fixed clock,
// for what only a fuzzer finds: crashes, hangs, sanitizer faults, and files that
// break the program's promises. "#file\n" plants the bytes up to "#play\n" as
// the saved-games file, then "#recovery\n" likewise the recovery file; the rest
// is typed. Every game the planted file lists is loaded, saved again, reloaded.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "app/driver.h"
#include "saves/record.h"
#include "saves/recovery.h"
#include "saves/saved_games.h"
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

// The game as a record keeps it: each name up to its 15th byte.
static GameState asRecorded(GameState game) {
    for (ThrowerRecord& thrower : game.throwers)
        thrower.name = shortName(thrower);
    return game;
}

// Every display walks every round, so longer saved games take seconds under the
// sanitizers; they are loaded and saved again, but not played.
constexpr std::uint32_t MOST_ROUNDS_PLAYED = 2000;

// Loads listed game `index` and saves it again; gives the rounds it holds, 0
// when it does not load.
static std::uint32_t checkLoad(std::size_t index, const std::string& entry) {
    GameState state;
    if (!loadSavedGame(index, entry, SAVED_GAMES_FILE, state)) {
        return 0;
    }
    require(isPlayable(state), "a load gives one valid entry per round");
    // What the program loads it must be able to write, and read back as it was.
    state.gameName = "Uudelleen";
    SavedGames games;
    GameState back;
    require(appendSavedGame(state, "1.1.2027", "again") &&
                listSavedGames("again", games) == ReadResult::Read && gameCount(games) == 1 &&
                loadSavedGame(0, savedGame(games, 0), "again", back) &&
                (back.gameName = state.gameName, sameState(back, asRecorded(state))),
            "a loaded game saved again is listed once and loads as it was");
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
        readOnlyRecord(recoveryBefore, header, longest) && longest.round > MOST_ROUNDS_PLAYED;
    SavedGames before;
    listSavedGames(SAVED_GAMES_FILE, before);
    for (std::size_t i = 0; i < gameCount(before); ++i) {
        tooLong = checkLoad(i, savedGame(before, i)) > MOST_ROUNDS_PLAYED || tooLong;
    }
    if (tooLong)
        return 0;
    std::ostringstream out;
    Console console{in, out};
    GameState game;
    const int status = runGame(
        console, [] { return testTime(); }, game);
    const std::string output = out.str();
    require(status == 0 && output.back() == '\n' && console.endReports <= 1 && isPlayable(game),
            "the game ends with status 0 and a line end, reads nothing after the end of input, "
            "and every thrower holds one valid entry per round");
    const std::string savedAfter = fileContents(SAVED_GAMES_FILE);
    const std::string left = fileContents(RECOVERY_FILE);
    require(savedAfter.compare(0, savedBefore.size(), savedBefore) == 0,
            "the saved-games file is only appended to");
    require(recoveryBefore.empty() || savedAfter.find(recoveryBefore) != std::string::npos ||
                left == recoveryBefore || fileContents(damagedRecoveryName(1)) == recoveryBefore,
            "a planted recovery file is never lost (taken over, moved aside or kept)");
    GameState recovered;
    require(left.empty() || left == recoveryBefore ||
                (readOnlyRecord(left, header, recovered) &&
                 (recovered.gameName = game.gameName, sameState(recovered, asRecorded(game)))),
            "a recovery file left at the end holds the game as it ended");
    require(onlyLineFeedsAndClears(output),
            "no control byte reaches the terminal but line feeds and the clear sequence");
    return 0;
}
