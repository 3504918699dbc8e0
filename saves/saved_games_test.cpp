#include "saves/saved_games.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <regex>
#include <sstream>

#include "support/game_run.h"
#include "support/test_support.h"

namespace {

GameState game(const std::string& name, std::uint32_t round, std::uint32_t maxScore,
               std::vector<ThrowerRecord> throwers) {
    return GameState{std::move(throwers), round, maxScore, cp850(name), "6.12.2026", "19:05:12"};
}

// Three games as saves write them; Ilta after round 2, Matti skipped and Liisa
// withdrew. Names that begin with digits give a cut-off record the chance to
// read the next record's header as one of its numbers.
const std::pair<GameState, const char*> SAVES[] = {
    {game("Ilta", 2, 50, {thrower("Matti", {5, 1001}), thrower("Liisa", {7, 1001}, true)}),
     "6.12.2026"},
    {game("2026 Kesä", 3, 100,
          {thrower("Åsa", {100, 0, 45}), thrower("Ville-äijä", {1001, 3, 99})}),
     "7.12.2026"},
    {game("7 veljestä", 1, 10, {thrower("Eero", {10})}), "8.12.2026"},
};
const GameState& ILTA = SAVES[0].first;

// The game a load gives (its name left to the caller); the game as it was when refused.
std::pair<bool, GameState> load(const std::string& entry, const GameState& before = ILTA) {
    GameState state = before;
    const bool loaded = loadSavedGame(entry, SAVED_GAMES_FILE, state);
    state.gameName = before.gameName;
    return {loaded, state};
}

std::vector<std::string> listed() {
    std::vector<std::string> games{"kept when nothing can be read"};
    listSavedGames(SAVED_GAMES_FILE, games);
    return games;
}

bool loads(int i) {
    GameState expected = SAVES[i].first;
    const auto [loaded, state] = load(savedGameHeader(expected, SAVES[i].second), GameState{});
    expected.gameName.clear();
    return loaded && sameState(state, expected);
}

#ifndef _WIN32  // for the file faults only
std::string resultsFile() {
    const std::string name = filesStartingWith("vaskipiikkikisa_tulokset_");
    return name.empty() ? "" : fileContents(name.substr(0, name.size() - 1));
}
#endif

const std::string SAVE_FAILED = "Tallentaminen ei onnistunut. \n" + PAUSE + CLEAR;
const std::string WRITTEN = "Tulokset tallennettu tiedostoon:\n";
const std::string RESULTS_FAILED =
    "Tulosten tallentaminen ei onnistunut. Ohjelma lopetetaan. \n" + PAUSE;

}  // namespace

TEST(SavedGames, IltaIsSavedAsItsFifteenLinesAndComesBackWhole) {
    const std::string record =
        "\n\nIlta (6.12.2026, kierros 2)\n2\n6.12.2026\n19:05:12\n50\n2\n"
        "Matti\n0\n5 1001 \nLiisa\n1\n7 1001 \n\n";
    ScratchDir dir;
    EXPECT_EQ(listed(), std::vector<std::string>{"kept when nothing can be read"});
    ASSERT_TRUE(appendSavedGame(ILTA, "6.12.2026", SAVED_GAMES_FILE));
    EXPECT_EQ(fileContents(SAVED_GAMES_FILE), record);
    writeFile(SAVED_GAMES_FILE, std::regex_replace(record, std::regex("\n"), "\r\n"));
    EXPECT_EQ(listed(), std::vector<std::string>{"Ilta (6.12.2026, kierros 2)"});
    EXPECT_TRUE(loads(0));
    EXPECT_FALSE(load("Ilta (6.12.2026, kierros 3)").first);
    for (const char* bytes : {"", "\n\n\n\n", " \r\n\t\r\n\r\n", "Ilta\n\nMatti\n"}) {
        writeFile(SAVED_GAMES_FILE, bytes);
        EXPECT_TRUE(listed().empty()) << bytes;
    }
}

// "rounds/maximum/throwers/name/points": five records a save may write, then
// ones none writes: huge counts, a million rounds without throwers to back
// them, and blank names (saved at round 0, one would open a record of its own).
TEST(SavedGames, RecordsThatNoSaveWritesAreRefused) {
    const std::string cases =
        "0/50/1/Matti/;1/1/1/Matti/0;1/1000/1/Matti/1000;1/50/1/Matti/1001;1000000/50/0/Matti/5;"
        "-1/50/1/Matti/5;1/50/-1/Matti/5;1/0/1/Matti/5;1/1001/1/Matti/5;1/50/1/Matti/1002;"
        "1/50/1/Matti/-5;1/50/1/Matti/4294967297;1/50/4000000000/Matti/5;4000000000/50/1/Matti/5;"
        "1000001/50/0/Matti/5;x/50/1/Matti/5;1/50/1/Matti/x;1/50/1/ "
        "/5;1/50/1/\r\r\r\r\r\r\r\r\r\r\r\r\r\r\rEero/5";
    ScratchDir dir;
    std::istringstream rows(cases);
    int row = 0;
    for (std::string fields; std::getline(rows, fields, ';'); ++row) {
        std::istringstream in(fields);
        std::string f[5];
        for (std::string& field : f)
            std::getline(in, field, '/');
        writeFile(SAVED_GAMES_FILE, "\n\nPeli (6.12.2026, kierros 1)\n" + f[0] +
                                        "\n6.12.2026\n19:05:12\n" + f[1] + "\n" + f[2] + "\n" +
                                        f[3] + "\n0\n" + f[4] + " \n\n");
        const auto [loaded, state] = load("Peli (6.12.2026, kierros 1)");
        EXPECT_EQ(loaded, row < 5) << fields;
        EXPECT_TRUE(loaded ? state.round == std::stoul(f[0]) && state.maxScore == std::stoul(f[1])
                           : sameState(state, ILTA));
    }
}

// A save cut off anywhere, alone, followed by another game's save, or by the
// same game saved again (as when the operator repeats a save that failed).
TEST(SavedGames, CutOffAtEveryByteAndSavedAgain) {
    ScratchDir dir;
    const std::string first = savedGameRecord(ILTA, SAVES[0].second);
    const std::string both = first + savedGameRecord(SAVES[1].first, SAVES[1].second);
    for (std::size_t cut = 0; cut <= both.size(); ++cut) {
        for (const int later : {-1, 2, 0}) {
            SCOPED_TRACE("cut at " + std::to_string(cut) + ", then " + std::to_string(later));
            const std::string kept = both.substr(0, cut);
            writeFile(SAVED_GAMES_FILE, kept);
            if (later >= 0) {
                ASSERT_TRUE(
                    appendSavedGame(SAVES[later].first, SAVES[later].second, SAVED_GAMES_FILE));
                // A save starts on a line of its own.
                EXPECT_EQ(fileContents(SAVED_GAMES_FILE),
                          kept + (kept.empty() || kept.back() == '\n' ? "" : "\n") +
                              savedGameRecord(SAVES[later].first, SAVES[later].second));
                EXPECT_TRUE(loads(later));
            }
            // Every listed game either loads as it was saved or leaves the game alone.
            for (const std::string& entry : listed()) {
                const auto saved = std::find_if(
                    std::begin(SAVES), std::end(SAVES),
                    [&](const auto& s) { return savedGameHeader(s.first, s.second) == entry; });
                EXPECT_TRUE(load(entry).first
                                ? saved != std::end(SAVES) && loads(static_cast<int>(saved - SAVES))
                                : sameState(load(entry).second, ILTA))
                    << entry;
            }
            // A record whole before the cut is never lost; at the end of the file
            // only its closing empty lines may be missing.
            const std::size_t closing = later >= 0 ? 0 : 2;
            EXPECT_TRUE(cut + closing < first.size() || loads(0));
            EXPECT_TRUE(cut + closing < both.size() || loads(1));
        }
    }
}

// The file faults are made with POSIX devices, pipes and file size limits.
#ifndef _WIN32
// A device, pipe or directory at the saved-games name, the working directory
// removed, or a file-size limit anywhere in either file (RLIMIT_FSIZE with
// SIGXFSZ ignored, so writes past it fail with EFBIG): nothing to resume at the
// start, the name asked once, and each of two saves and the results reported
// written only when they were written whole.
TEST(FileFaults, NothingReportedWrittenThatIsNotWhole) {
    const std::string script = "Matti\nLiisa\n\n\n5\n7\nT\nIlta\n\nT\n\nL\n\n";
    std::size_t saves = 0;
    std::size_t results = 0;
    {
        ScratchDir dir;
        playGame(script);
        saves = fileContents(SAVED_GAMES_FILE).size();
        results = resultsFile().size();
        ASSERT_GT(results, saves);
    }
    // With a fault at the name or of the directory no limit is set; the number
    // is then how much of the results file is written.
    std::vector<std::pair<int (*)(), std::size_t>> cases = {
        {[] { return mkdir(SAVED_GAMES_FILE, 0777); }, results},
        {[] { return symlink("/dev/full", SAVED_GAMES_FILE); }, results},
        {[] { return symlink("/dev/zero", SAVED_GAMES_FILE); }, results},
        {[] { return symlink("/dev/null", SAVED_GAMES_FILE); }, results},
        {[] { return mkfifo(SAVED_GAMES_FILE, 0666); }, results},
        {[] { return mkdir("a", 0777) | chdir("a") | rmdir("../a"); }, 0}};
    for (const std::size_t limit :
         {saves / 2 - 1, saves / 2, saves - 1, saves, results - 1, results})
        cases.push_back({nullptr, limit});
    for (std::size_t limit = 0; limit <= results; limit += 61)
        cases.push_back({nullptr, limit});
    const auto handler = signal(SIGXFSZ, SIG_IGN);
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const auto [make, limit] = cases[i];
        ScratchDir dir;
        ASSERT_EQ(make == nullptr ? 0 : make(), 0);
        const rlimit capped{make == nullptr ? limit : before.rlim_cur, before.rlim_max};
        setrlimit(RLIMIT_FSIZE, &capped);
        const std::string output = playGame(script).output;
        setrlimit(RLIMIT_FSIZE, &before);
        const std::size_t saved = make == nullptr ? fileContents(SAVED_GAMES_FILE).size() : 0;
        const std::size_t written = resultsFile().size();
        SCOPED_TRACE("case " + std::to_string(i) + ", limit " + std::to_string(limit));
        EXPECT_EQ(saved, make == nullptr ? std::min(limit, saves) : 0);
        EXPECT_EQ(written, std::min(limit, results));
        EXPECT_EQ(output.find(BANNER + SETUP_HEADING), 0u);
        EXPECT_EQ(occurrences(output, "Anna pelille"), 1u);
        EXPECT_EQ(occurrences(output, SAVE_FAILED), (saved < saves / 2) + (saved < saves) + 0u);
        EXPECT_EQ(occurrences(output, WRITTEN), written == results ? 1u : 0u);
        EXPECT_EQ(occurrences(output, RESULTS_FAILED), written < results ? 1u : 0u);
    }
    signal(SIGXFSZ, handler);
}
#endif
