#include "saves/saved_games.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <regex>

#include "saves/record_reader.h"
#include "support/game_run.h"
#include "support/test_support.h"

namespace {

// Ilta after round 2: Matti scored 5 and skipped, Liisa scored 7 and withdrew.
const std::string ILTA_ENTRY = "Ilta (6.12.2026, kierros 2)";
const std::string ILTA_RECORD =
    "\n\nIlta (6.12.2026, kierros 2)\n2\n6.12.2026\n19:05:12\n50\n2\n"
    "Matti\n0\n5 1001 \nLiisa\n1\n7 1001 \n\n";

GameState game(const std::string& name, std::uint32_t round, std::uint32_t maxScore,
               std::vector<ThrowerRecord> throwers) {
    return GameState{std::move(throwers), round, maxScore, cp850(name), "6.12.2026", "19:05:12"};
}

const GameState ILTA =
    game("Ilta", 2, 50, {thrower("Matti", {5, 1001}), thrower("Liisa", {7, 1001}, true)});

// The game a load gives; the game as it was before when the load is refused.
std::pair<bool, GameState> load(const std::string& entry, const GameState& before = ILTA) {
    GameState state = before;
    const bool loaded = loadSavedGame(entry, SAVED_GAMES_FILE, state);
    state.gameName = before.gameName;  // left to the caller
    return {loaded, state};
}

std::vector<std::string> listed() {
    std::vector<std::string> games{"kept when nothing can be read"};
    listSavedGames(SAVED_GAMES_FILE, games);
    return games;
}

const std::string SAVE_FAILED = "Tallentaminen ei onnistunut. \n" + PAUSE + CLEAR;
const std::string WRITTEN = "Tulokset tallennettu tiedostoon:\n";
const std::string RESULTS_FAILED =
    "Tulosten tallentaminen ei onnistunut. Ohjelma lopetetaan. \n" + PAUSE;

}  // namespace

TEST(SavedGames, IltaIsSavedAsItsFifteenLinesAndComesBackWhole) {
    ScratchDir dir;
    EXPECT_EQ(listed(), std::vector<std::string>{"kept when nothing can be read"});
    ASSERT_TRUE(appendSavedGame(ILTA, "6.12.2026", SAVED_GAMES_FILE));
    EXPECT_EQ(fileContents(SAVED_GAMES_FILE), ILTA_RECORD);
    for (const std::string& bytes :
         {ILTA_RECORD, std::regex_replace(ILTA_RECORD, std::regex("\n"), "\r\n")}) {
        writeFile(SAVED_GAMES_FILE, bytes);
        EXPECT_EQ(listed(), std::vector<std::string>{ILTA_ENTRY});
        const auto [loaded, state] = load(ILTA_ENTRY, GameState{});
        EXPECT_TRUE(loaded &&
                    sameState(state, GameState{ILTA.throwers, 2, 50, "", "6.12.2026", "19:05:12"}));
        EXPECT_FALSE(load("Ilta (6.12.2026, kierros 3)").first);
    }
    for (const char* bytes : {"", "\n\n\n\n", " \r\n\t\r\n\r\n", "Ilta\n\nMatti\n"}) {
        writeFile(SAVED_GAMES_FILE, bytes);
        EXPECT_TRUE(listed().empty()) << bytes;
    }
    // A save starts on a line of its own, also after a file of one byte.
    writeFile(SAVED_GAMES_FILE, "x");
    ASSERT_TRUE(appendSavedGame(ILTA, "6.12.2026", SAVED_GAMES_FILE));
    EXPECT_EQ(fileContents(SAVED_GAMES_FILE), "x\n" + ILTA_RECORD);
}

TEST(SavedGames, RecordsThatNoSaveWritesAreRefused) {
    const struct {
        std::string rounds, maxScore, count, name, points;
        bool loads;
    } cases[] = {
        // clang-format off
        {"0", "50", "1", "Matti", "", true},       {"1", "1", "1", "Matti", "0", true},
        {"1", "1000", "1", "Matti", "1000", true}, {"1", "50", "1", "Matti", "1001", true},
        {"-1", "50", "1", "Matti", "5", false},    {"x", "50", "1", "Matti", "5", false},
        {"1", "50", "-1", "Matti", "5", false},    {"1", "0", "1", "Matti", "5", false},
        {"1", "1001", "1", "Matti", "5", false},   {"1", "50", "1", "Matti", "1002", false},
        {"1", "50", "1", "Matti", "4294967297", false}, {"1", "50", "1", "Matti", "-5", false},
        {"1", "50", "1", "Matti", "x", false},
        // Counts far beyond the data behind them fail on the missing data.
        {"1", "50", "4000000000", "Matti", "5", false},
        {"4000000000", "50", "1", "Matti", "5", false},
        // Without throwers nothing backs the round count: no game reaches more.
        {"1000000", "50", "0", "Matti", "5", true}, {"1000001", "50", "0", "Matti", "5", false},
        // A short name that is blank would open a record of its own when saved at round 0.
        {"1", "50", "1", " ", "5", false},
        {"1", "50", "1", std::string(15, '\r') + "Eero", "5", false},
        // clang-format on
    };
    ScratchDir dir;
    for (const auto& c : cases) {
        writeFile(SAVED_GAMES_FILE, "\n\nPeli (6.12.2026, kierros 1)\n" + c.rounds +
                                        "\n6.12.2026\n19:05:12\n" + c.maxScore + "\n" + c.count +
                                        "\n" + c.name + "\n0\n" + c.points + " \n\n");
        const auto [loaded, state] = load("Peli (6.12.2026, kierros 1)");
        EXPECT_EQ(loaded, c.loads)
            << c.rounds << " " << c.maxScore << " " << c.count << " " << c.points;
        EXPECT_TRUE(loaded ? state.round == std::stoul(c.rounds) &&
                                 state.maxScore == std::stoul(c.maxScore)
                           : sameState(state, ILTA));
    }
}

namespace {

// Three games as saves write them. Names that begin with digits give a cut-off
// record the chance to read the next record's header as one of its numbers.
const std::pair<GameState, const char*> SAVES[] = {
    {ILTA, "6.12.2026"},
    {game("2026 Kesä", 3, 100,
          {thrower("Åsa", {100, 0, 45}), thrower("Ville-äijä", {1001, 3, 99})}),
     "7.12.2026"},
    {game("7 veljestä", 1, 10, {thrower("Eero", {10})}), "8.12.2026"},
};

std::string record(int i) {
    return savedGameRecord(SAVES[i].first, SAVES[i].second);
}

bool loads(int i) {
    GameState expected = SAVES[i].first;
    const auto [loaded, state] = load(savedGameHeader(expected, SAVES[i].second), GameState{});
    expected.gameName.clear();
    return loaded && sameState(state, expected);
}

}  // namespace

// A save cut off anywhere, alone, followed by another game's save, or by the
// same game saved again (as when the operator repeats a save that failed).
TEST(SavedGames, CutOffAtEveryByteAndSavedAgain) {
    ScratchDir dir;
    const std::string both = record(0) + record(1);
    for (std::size_t cut = 0; cut <= both.size(); ++cut) {
        for (const int later : {-1, 2, 0}) {
            SCOPED_TRACE("cut at " + std::to_string(cut) + ", then " + std::to_string(later));
            const std::string kept = both.substr(0, cut);
            writeFile(SAVED_GAMES_FILE, kept);
            if (later >= 0) {
                ASSERT_TRUE(
                    appendSavedGame(SAVES[later].first, SAVES[later].second, SAVED_GAMES_FILE));
                const bool lineEnded = kept.empty() || kept.back() == '\n';
                EXPECT_EQ(fileContents(SAVED_GAMES_FILE),
                          kept + (lineEnded ? "" : "\n") + record(later));
                EXPECT_TRUE(loads(later));
            }
            // Every listed game either loads as it was saved or leaves the game alone.
            for (const std::string& entry : listed()) {
                const auto [loaded, state] = load(entry);
                const auto saved = std::find_if(
                    std::begin(SAVES), std::end(SAVES),
                    [&](const auto& s) { return savedGameHeader(s.first, s.second) == entry; });
                EXPECT_TRUE(loaded
                                ? saved != std::end(SAVES) && loads(static_cast<int>(saved - SAVES))
                                : sameState(state, ILTA))
                    << entry;
            }
            // A record whole before the cut is never lost; at the end of the file
            // only its closing empty lines may be missing.
            const std::size_t closing = later >= 0 ? 0 : 2;
            EXPECT_TRUE(cut + closing < record(0).size() || loads(0));
            EXPECT_TRUE(cut + closing < both.size() || loads(1));
        }
    }
}

namespace {

// Saves twice, then ends the game.
const std::string SAVE_TWICE = "Matti\n\n\n5\nT\nIlta\n\nT\n\nL\n\n";

std::string resultsFile() {
    const std::string name = filesStartingWith("vaskipiikkikisa_tulokset_");
    return name.empty() ? "" : fileContents(name.substr(0, name.size() - 1));
}

// Writes past the limit fail with EFBIG instead of stopping the program.
struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t bytes) : handler(signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &before);
        const rlimit limit{bytes, before.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &before);
        signal(SIGXFSZ, handler);
    }
    void (*handler)(int);
    rlimit before{};
};

}  // namespace

// Nothing to resume at the start; each save reported failed, with the pause and
// the standings again; the name asked once; the results written when they can be.
TEST(FileFaults, NoFileAtTheSavedGamesNameOrNoWorkingDirectory) {
    const struct {
        const char* what;
        int (*make)();
        std::string ending;
    } cases[] = {
        // clang-format off
        {"directory", [] { return mkdir(SAVED_GAMES_FILE, 0777); }, WRITTEN},
        {"/dev/full", [] { return symlink("/dev/full", SAVED_GAMES_FILE); }, WRITTEN},
        {"/dev/zero", [] { return symlink("/dev/zero", SAVED_GAMES_FILE); }, WRITTEN},
        {"/dev/null", [] { return symlink("/dev/null", SAVED_GAMES_FILE); }, WRITTEN},
        {"named pipe", [] { return mkfifo(SAVED_GAMES_FILE, 0666); }, WRITTEN},
        {"no working directory", [] { return mkdir("a", 0777) | chdir("a") | rmdir("../a"); },
         RESULTS_FAILED},
        // clang-format on
    };
    for (const auto& c : cases) {
        ScratchDir dir;
        ASSERT_EQ(c.make(), 0) << c.what;
        const std::string output = playGame(SAVE_TWICE).output;
        EXPECT_EQ(output.find(BANNER + SETUP_HEADING), 0u) << c.what;
        EXPECT_EQ(occurrences(output, "Anna pelille"), 1u) << c.what;
        EXPECT_EQ(occurrences(output, SAVE_FAILED), 2u) << c.what;
        EXPECT_NE(output.find(c.ending), std::string::npos) << c.what;
    }
}

// Short writes are never reported as success, for either file.
TEST(FileFaults, FileSizeLimitCutsTheSaveAndTheResultsAnywhere) {
    const std::string script = "Matti\nLiisa\n\n\n5\n7\nT\nIlta\n\nL\n\n";
    std::size_t recordSize = 0;
    std::size_t resultsSize = 0;
    {
        ScratchDir dir;
        playGame(script);
        recordSize = fileContents(SAVED_GAMES_FILE).size();
        resultsSize = resultsFile().size();
        ASSERT_GT(resultsSize, recordSize);
    }
    std::vector<std::size_t> limits = {0, recordSize - 1, recordSize, resultsSize - 1, resultsSize};
    for (std::size_t limit = 1; limit < resultsSize; limit += 61) {
        limits.push_back(limit);
    }
    for (const std::size_t limit : limits) {
        ScratchDir dir;
        std::string output;
        {
            const FileSizeLimit capped(limit);
            output = playGame(script).output;
        }
        const std::size_t saved = fileContents(SAVED_GAMES_FILE).size();
        const std::size_t written = resultsFile().size();
        EXPECT_EQ(saved, std::min(limit, recordSize)) << limit;
        EXPECT_EQ(occurrences(output, "Pelitilanne tallennettu.\n" + PAUSE),
                  saved == recordSize ? 1u : 0u);
        EXPECT_EQ(occurrences(output, SAVE_FAILED), saved < recordSize ? 1u : 0u) << limit;
        EXPECT_EQ(written, std::min(limit, resultsSize)) << limit;
        EXPECT_EQ(occurrences(output, WRITTEN), written == resultsSize ? 1u : 0u);
        EXPECT_EQ(occurrences(output, RESULTS_FAILED), written < resultsSize ? 1u : 0u) << limit;
    }
}
