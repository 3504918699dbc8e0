#include "saves/saved_games.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <regex>

#include "report/results.h"
#include "saves/recovery.h"
#include "support/game_run.h"
#include "support/test_support.h"

namespace {

GameState game(const std::string& name, std::uint32_t round, std::uint32_t maxScore,
               std::vector<ThrowerRecord> throwers) {
    return GameState{std::move(throwers), round, maxScore, cp850(name), "6.12.2026", "19:05:12"};
}

// Three games as saved on 7.12.2026; Ilta after round 2, Matti skipped and
// Liisa withdrew. Names that begin with digits give a cut-off record the chance
// to read the next record's header as one of its numbers.
// clang-format off
const GameState SAVES[] = {
    game("Ilta", 2, 50, {thrower("Matti", {5, 1001}), thrower("Liisa", {7, 1001}, true)}),
    game("2026 Kesä", 3, 100, {thrower("Åsa", {100, 0, 45}), thrower("Ville-äijä", {1001, 3, 99})}),
    game("7 veljestä", 1, 10, {thrower("Eero", {10})})};
// clang-format on
const GameState BEFORE = game("Kesken", 1, 40, {thrower("Eero", {40}, true)});

const auto header = [](int i) { return savedGameHeader(SAVES[i], "7.12.2026"); };
const auto record = [](int i) { return savedGameRecord(SAVES[i], "7.12.2026"); };

// Which of SAVES the entry loads as over BEFORE (the name kept), field by
// field; -1 when the load is refused and leaves BEFORE alone; -2 otherwise.
int loadedAs(const std::string& entry) {
    GameState state = BEFORE;
    const bool loaded = loadSavedGame(entry, SAVED_GAMES_FILE, state);
    for (int i = 0; i < 3; ++i) {
        GameState saved = SAVES[i];
        saved.gameName = BEFORE.gameName;
        if (loaded && entry == header(i) && sameState(state, saved))
            return i;
    }
    return loaded || !sameState(state, BEFORE) ? -2 : -1;
}

std::vector<std::string> listed() {
    std::vector<std::string> games{"kept when nothing can be read"};
    listSavedGames(SAVED_GAMES_FILE, games);
    return games;
}

}  // namespace

// Ilta with CR LF line ends; files that list nothing; then "rounds/maximum/
// throwers/name/points": five records a save may write (one name holding the
// byte that ends text-mode input on Windows), then ones none writes:
// huge counts, a million rounds without throwers to back them, and blank names
// (saved at round 0, one would open a record of its own).
TEST(SavedGames, OnlyRecordsASaveWritesAreLoaded) {
    const std::string cases =
        "0/50/1/Matti/;1/1/1/Matti/0;1/1000/1/Matti/1000;1/50/1/Ma\x1att/1001;1000000/50/0/Matti/5;"
        "-1/50/1/Matti/5;1/50/-1/Matti/5;1/0/1/Matti/5;1/1001/1/Matti/5;1/50/1/Matti/1002;"
        "1/50/1/Matti/-5;1/50/1/Matti/4294967297;1/50/4000000000/Matti/5;4000000000/50/1/Matti/5;"
        "1000001/50/0/Matti/5;x/50/1/Matti/5;1/50/1/Matti/x;1/50/1/ "
        "/5;1/50/1/\r\r\r\r\r\r\r\r\r\r\r\r\r\r\rEero/5";
    ScratchDir dir;
    EXPECT_EQ(listed(), std::vector<std::string>{"kept when nothing can be read"});
    writeFile(SAVED_GAMES_FILE, std::regex_replace(record(0), std::regex("\n"), "\r\n"));
    EXPECT_EQ(listed(), std::vector<std::string>{header(0)});
    EXPECT_TRUE(loadedAs(header(0)) == 0 && loadedAs("Ilta (7.12.2026, kierros 3)") == -1);
    for (const char* bytes : {"", "\n\n\n\n", " \r\n\t\r\n\r\n", "Ilta\n\nMatti\n"})
        EXPECT_TRUE((writeFile(SAVED_GAMES_FILE, bytes), listed().empty())) << bytes;
    const std::regex row("([^/;]*)/([^/;]*)/([^/;]*)/([^/;]*)/([^;]*)");
    int i = 0;
    for (std::sregex_iterator f(cases.begin(), cases.end(), row), end; f != end; ++f, ++i) {
        writeFile(SAVED_GAMES_FILE,
                  f->format("\n\nPeli\n$1\n6.12.2026\n19:05:12\n$2\n$3\n$4\n0\n$5 \n\n"));
        EXPECT_EQ(loadedAs("Peli"), i < 5 ? -2 : -1) << f->str();
    }
}

// A save cut off anywhere, alone, followed by another game's save, or by the
// same game saved again (as when the operator repeats a save that failed).
TEST(SavedGames, CutOffAtEveryByteAndSavedAgain) {
    ScratchDir dir;
    const std::string both = record(0) + record(1);
    for (std::size_t cut = 0; cut <= both.size(); ++cut) {
        for (const int later : {-1, 2, 0}) {
            SCOPED_TRACE("cut at " + std::to_string(cut) + ", then " + std::to_string(later));
            writeFile(SAVED_GAMES_FILE, both.substr(0, cut));
            ASSERT_TRUE(later < 0 || appendSavedGame(SAVES[later], "7.12.2026", SAVED_GAMES_FILE));
            EXPECT_TRUE(later < 0 || loadedAs(header(later)) == later);
            // Every listed game either loads as it was saved or leaves the game alone.
            for (const std::string& entry : listed())
                EXPECT_NE(loadedAs(entry), -2) << entry;
            // A record whole before the cut is never lost; at the end of the file
            // only its closing empty lines may be missing.
            const std::size_t closing = later >= 0 ? 0 : 2;
            EXPECT_TRUE(cut + closing < record(0).size() || loadedAs(header(0)) == 0);
            EXPECT_TRUE(cut + closing < both.size() || loadedAs(header(1)) == 1);
        }
    }
}

#ifndef _WIN32  // POSIX devices, pipes and file size limits
// A device, pipe or directory at the saved-games name, the working directory
// removed, or a file-size limit anywhere in either file (RLIMIT_FSIZE, SIGXFSZ
// ignored): nothing to resume at the start, the name asked once, and each of
// two saves and the results reported written only when written whole; the
// results file is whole or not there, as is the recovery file.
TEST(FileFaults, NothingReportedWrittenThatIsNotWhole) {
    const std::string script = "Matti\nLiisa\n\n\n5\n7\nT\nIlta\n\nT\n\nL\n\n";
    // The game as the script leaves it: its two saves and its results file, whole.
    const GameState ilta = game("Ilta", 1, 50, {thrower("Matti", {5}), thrower("Liisa", {7})});
    const std::size_t saves = 2 * savedGameRecord(ilta, "6.12.2026").size();
    const std::size_t results = resultsFileText(ilta, testTime()).size();
    // A fault at the name or of the directory, with how much of the results is written.
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
        // The faults at the name are never read back: /dev/zero has no end.
        const std::size_t saved = make == nullptr ? fileContents(SAVED_GAMES_FILE).size() : 0;
        const std::size_t written = fileContents(resultsFileName(testTime(), 1)).size();
        // Both files' sizes, where the banner is, then how often each text is shown.
        const auto shown = [&](const std::string& text) { return occurrences(output, text); };
        // clang-format off
        const std::vector<std::size_t> seen{saved, written, output.find(BANNER + SETUP_HEADING),
            shown("Anna pelille"), shown("Tallentaminen ei onnistunut. \n" + PAUSE + CLEAR),
            shown("Tulokset tallennettu tiedostoon:\n"), shown("Tulosten tallentaminen")};
        // clang-format on
        EXPECT_EQ(seen, (std::vector<std::size_t>{make ? 0 : std::min(limit, saves),
                                                  limit < results ? 0 : results, 0, 1,
                                                  (saved < saves / 2) + (saved < saves) + 0u,
                                                  written == results, written < results}))
            << "case " << i;
        std::string header;
        GameState recovered;
        const std::string recovery = fileContents(RECOVERY_FILE);
        EXPECT_TRUE(recovery.empty() || readRecoveryRecord(recovery, header, recovered)) << i;
    }
    signal(SIGXFSZ, handler);
}
#endif
