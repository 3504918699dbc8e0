#include "saves/saved_games.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <tuple>

#include "report/results.h"
#include "report/results_page.h"
#include "saves/record.h"
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

std::string header(int i) {
    return recordHeader(SAVES[i].gameName, "7.12.2026", SAVES[i].round);
}

std::string record(int i) {
    std::string text;
    EXPECT_TRUE(makeRecord(header(i), SAVES[i], text));
    return text;
}

std::vector<std::string> listed() {
    SavedGames games;
    std::vector<std::string> entries;
    if (listSavedGames(SAVED_GAMES_FILE, games) == ReadResult::Read)
        for (std::size_t i = 0; i < gameCount(games); ++i)
            entries.push_back(savedGame(games, i));
    return entries;
}

// Which of SAVES entry `index` of the list loads as over BEFORE (its name
// kept), field by field; -1 when the load is refused and leaves BEFORE alone;
// -2 otherwise.
int loadedAs(std::size_t index) {
    const std::vector<std::string> entries = listed();
    GameState state = BEFORE;
    const bool loaded =
        index < entries.size() && loadSavedGame(index, entries[index], SAVED_GAMES_FILE, state);
    for (int i = 0; i < 3; ++i) {
        GameState saved = SAVES[i];
        saved.gameName = BEFORE.gameName;
        if (loaded && entries[index] == header(i) && sameState(state, saved))
            return i;
    }
    return loaded || !sameState(state, BEFORE) ? -2 : -1;
}

// A loaded game as "rounds/maximum start|name flag:points|...", or "refused".
std::string loadedPeli() {
    GameState state = BEFORE;
    if (!loadSavedGame(0, "Peli", SAVED_GAMES_FILE, state))
        return sameState(state, BEFORE) ? "refused" : "changed";
    std::string text = std::to_string(state.round) + "/" + std::to_string(state.maxScore) + " " +
                       state.startDate + " " + state.startTime;
    for (const ThrowerRecord& t : state.throwers) {
        text += "|" + t.name + (t.withdrawn ? " 1:" : " 0:");
        for (const std::uint32_t entry : t.points)
            text += std::to_string(entry) + ",";
    }
    return text;
}

}  // namespace

// Records a save may write load with every value (CR LF line ends alike, any
// flag but 0 a withdrawal, a name's or stamp's control bytes '?'); others are
// refused whole: counts out of range or beyond the data, blank names or stamps
// (a blank name saved at round 0 would open a record), a number the end cut.
TEST(SavedGames, ReadWithEveryValueOrRefusedWhole) {
    // clang-format off
    const struct { std::string body, loaded; } cases[] = {
        {"2\r\n5.12.2026\r\n19:05\r\n50\r\n1\r\nMatti\r\n0\r\n5 1001 \r\n\r\n",
         "2/50 5.12.2026 19:05|Matti 0:5,1001,"},
        {"0\nd\x1b\nt\r\r\n1000\n2\nMatti\n2\n\nMa\x1a\x1btt\n0\n\n\n", "0/1000 d? t?|Matti 1:|Ma??tt 0:"},
        {" 1 x\nd\nt\n1\n1\n Matti\n1\n0\n", "1/1 d t| Matti 1:0,"},
        {"1000000\nd\nt\n50\n0\n", "1000000/50 d t"},
        {"-1\nd\nt\n50\n0\n", "refused"},        {"1000001\nd\nt\n50\n0\n", "refused"},
        {"4000000000\nd\nt\n50\n0\n", "refused"}, {"x\nd\nt\n50\n0\n", "refused"},
        {"1\nd\nt\n0\n0\n", "refused"},          {"1\nd\nt\n1001\n0\n", "refused"},
        {"1\nd\nt\n50\n-1\n", "refused"},        {"1\nd\nt\n50\n4000000000\nMatti\n0\n5 \n", "refused"},
        {"1\nd\nt\n50\n1\nMatti\n0\n1002 \n", "refused"}, {"1\nd\nt\n50\n1\nMatti\n0\n-5 \n", "refused"},
        {"1\nd\nt\n50\n1\nMatti\n0\n4294967297 \n", "refused"}, {"1\nd\nt\n50\n1\nMatti\n0\nx \n", "refused"},
        {"1\nd\nt\n50\n1\n \t\n0\n5 \n", "refused"}, {"1\nd\nt\n50\n1\n" + std::string(15, '\r') + "Eero\n0\n5 \n", "refused"},
        {"1\n \nt\n50\n0\n", "refused"},         {"1\nd\n\n50\n0\n", "refused"},
        {"0\nd\nt\n50\n1\nMatti\n0\n" + std::string(LONGEST_LINE + 1, ' ') + "\n", "refused"},
        {"1\nd\nt\n50\n1\nMatti\n0\n5\r", "refused"}};  // the file cut after the 5 of 50
    // clang-format on
    ScratchDir dir;
    for (const auto& c : cases) {
        writeFile(SAVED_GAMES_FILE, "\n\nPeli\n" + c.body);
        EXPECT_EQ(loadedPeli(), c.loaded) << c.body;
    }
    for (const char* bytes : {"", "\n\n\n\n", " \r\n\t\r\n\r\n", "Ilta\n\nMatti\n"})
        EXPECT_TRUE((writeFile(SAVED_GAMES_FILE, bytes), listed().empty())) << bytes;
    // A line over the longest one ends its record, not the ones after it.
    writeFile(SAVED_GAMES_FILE,
              std::string(LONGEST_LINE + 1, '1') + "\n\n\nPeli\n0\nd\nt\n50\n0\n");
    EXPECT_EQ(loadedPeli(), "0/50 d t");
}

// Whatever the game holds, what a save writes is read back as written, also
// under a header another record has, or the save is refused: no record is
// written that could not be loaded.
TEST(SavedGames, WrittenAsReadBackOrNotAtAll) {
    ScratchDir dir;
    GameState long_ = game("Pitkä", MOST_SAVED_ROUNDS, 50, {});
    GameState again = SAVES[0];  // saved again the same day after the same round
    again.throwers.push_back(thrower("Pekka", {1001, 1001}));
    for (const GameState& state : {SAVES[0], again, SAVES[1], long_}) {
        ASSERT_TRUE(appendSavedGame(state, "7.12.2026", SAVED_GAMES_FILE));
        GameState back = BEFORE;
        const std::vector<std::string> entries = listed();
        ASSERT_TRUE(loadSavedGame(entries.size() - 1, entries.back(), SAVED_GAMES_FILE, back));
        back.gameName = state.gameName;
        EXPECT_TRUE(sameState(back, state)) << state.gameName;
    }
    EXPECT_EQ(loadedAs(0), 0);  // the first of the two with one header, as chosen
    const std::string before = fileContents(SAVED_GAMES_FILE);
    ++long_.round;
    for (const GameState& state : {long_, GameState{{}, 1, 50, "Ilta", " ", "19:05:12"}})
        EXPECT_FALSE(appendSavedGame(state, "7.12.2026", SAVED_GAMES_FILE));
    EXPECT_EQ(fileContents(SAVED_GAMES_FILE), before);
}

// A save cut off anywhere, alone or followed by another game's save or by the
// same one again: every listed game loads as saved or leaves the game alone,
// and a record whole before the cut is never lost.
TEST(SavedGames, CutOffAtEveryByteAndSavedAgain) {
    ScratchDir dir;
    const std::string both = record(0) + record(1);
    for (std::size_t cut = 0; cut <= both.size(); ++cut) {
        for (const int later : {-1, 2, 0}) {
            SCOPED_TRACE("cut at " + std::to_string(cut) + ", then " + std::to_string(later));
            writeFile(SAVED_GAMES_FILE, both.substr(0, cut));
            ASSERT_TRUE(later < 0 || appendSavedGame(SAVES[later], "7.12.2026", SAVED_GAMES_FILE));
            const std::size_t count = listed().size();
            EXPECT_TRUE(later < 0 || loadedAs(count - 1) == later);
            for (std::size_t i = 0; i < count; ++i)
                EXPECT_NE(loadedAs(i), -2) << i;
            // At the end of the file only its closing empty lines may be
            // missing; a save after it gives it back its closing line.
            const std::size_t closing = later >= 0 ? 1 : 2;
            EXPECT_TRUE(cut + closing < record(0).size() || loadedAs(0) == 0);
            EXPECT_TRUE(cut + closing < both.size() || loadedAs(1) == 1);
        }
    }
}

#ifndef _WIN32  // POSIX devices, pipes, links and file size limits
// A device, pipe, link or folder at the saved-games name, the folder removed,
// or a file-size limit (SIGXFSZ ignored): the start says when the file cannot
// be read; saves and results are reported written only when whole, never
// through a link; every file is whole or absent; an unsecured round is warned of.
TEST(FileFaults, NothingReportedWrittenThatIsNotWhole) {
    const std::string script = "Matti\nLiisa\n\n\n5\n7\n|T\nIlta\n\nT\n\nL\n\n";
    // The game as the script leaves it: its two saves and its results file, whole.
    const GameState ilta = game("Ilta", 1, 50, {thrower("Matti", {5}), thrower("Liisa", {7})});
    std::string one;
    ASSERT_TRUE(makeRecord(recordHeader("Ilta", "6.12.2026", 1), ilta, one));
    const std::size_t saves = 2 * one.size();
    const std::size_t secured = one.size() + 12;  // headed "Keskeytynyt peli", not "Ilta"
    const std::size_t results = resultsFileText(ilta, testTime()).size();
    const std::size_t page = resultsPage(ilta, testTime()).size();
    // A fault at the name or of the folder, what the start shows, and a limit.
    const std::string plain = BANNER + SETUP_HEADING;
    const std::string cannotRead =
        BANNER + cp850("VIRHE: Tallennettuja pelejä ei voitu lukea.\n") + SETUP_HEADING;
    std::vector<std::tuple<int (*)(), std::string, std::size_t>> cases = {
        {[] { return mkdir(SAVED_GAMES_FILE, 0777); }, cannotRead, results},
        {[] { return symlink("/dev/full", SAVED_GAMES_FILE); }, cannotRead, results},
        {[] { return symlink("/dev/zero", SAVED_GAMES_FILE); }, cannotRead, results},
        {[] { return mkfifo(SAVED_GAMES_FILE, 0666); }, cannotRead, results},
        {[] { return symlink("elsewhere", SAVED_GAMES_FILE); }, plain, results},
        {[] { return mkdir("a", 0777) | chdir("a") | rmdir("../a"); }, plain, 0}};
    for (const std::size_t limit :
         {saves / 2 - 1, saves / 2, saves - 1, saves, results - 1, results})
        cases.push_back({nullptr, plain, limit});
    for (std::size_t limit = 0; limit <= results; limit += 61)
        cases.push_back({nullptr, plain, limit});
    const auto handler = signal(SIGXFSZ, SIG_IGN);
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const auto [make, start, limit] = cases[i];
        ScratchDir dir;
        ASSERT_EQ(make == nullptr ? 0 : make(), 0);
        const rlimit capped{make == nullptr ? limit : before.rlim_cur, before.rlim_max};
        setrlimit(RLIMIT_FSIZE, &capped);
        const std::string output = playGame(script).output;
        setrlimit(RLIMIT_FSIZE, &before);
        // The faults at the name are never read back: /dev/zero has no end.
        const std::size_t saved = make == nullptr ? fileContents(SAVED_GAMES_FILE).size() : 0;
        const std::string written = filesStartingWith("vaskipiikkikisa_tulokset_");
        const std::size_t size = fileContents(resultsFileName(testTime(), 1)).size();
        // clang-format off
        const auto shown = [&](const std::string& text) { return occurrences(output, text); };
        const std::vector<std::size_t> seen{saved, size, output.rfind(start, 0), shown("Anna pelille"),
            shown("Tallentaminen ei onnistunut. \n" + PAUSE + CLEAR),
            shown("Tulokset tallennettu tiedostoon:\n"), shown("Tulosten tallentaminen")};
        EXPECT_EQ(seen, (std::vector<std::size_t>{make ? 0 : std::min(limit, saves),
            limit < results ? 0 : results, 0, 1, (saved < saves / 2) + (saved < saves) + 0u,
            size == results, size < results})) << "case " << i;
        // clang-format on
        // The page beside the results file when it fits too; never a part of either.
        const std::string text = resultsFileName(testTime(), 1);
        const bool pageFits = make != nullptr || limit >= page;
        EXPECT_EQ(written,
                  size == 0
                      ? ""
                      : (pageFits ? text.substr(0, text.size() - 4) + ".html\n" : "") + text + "\n")
            << i;
        EXPECT_FALSE(nameExists("elsewhere")) << i;
        // Secured before the wait, or warned of (the removed folder takes nothing).
        EXPECT_EQ(output.find("VAROITUS") < output.find("Anna pelille"),
                  make == nullptr ? limit < secured : limit == 0)
            << i;
        struct stat info {};
        EXPECT_TRUE(stat(SAVED_GAMES_FILE, &info) != 0 || !S_ISREG(info.st_mode) ||
                    (info.st_mode & 0111) == 0)
            << i;  // no file made executable
        std::string header;
        GameState recovered;
        const std::string recovery = fileContents(RECOVERY_FILE);
        EXPECT_TRUE(recovery.empty() || readOnlyRecord(recovery, header, recovered)) << i;
        EXPECT_EQ(filesStartingWith(RECOVERY_FILE),
                  recovery.empty() ? "" : std::string(RECOVERY_FILE) + "\n");
    }
    signal(SIGXFSZ, handler);
}
#endif
