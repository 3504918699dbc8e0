// Faults from outside the program: files that are not what they should be, a
// full disk, a removed directory, input that ends anywhere or holds anything.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "saves/saved_games.h"
#include "support/process.h"
#include "support/test_support.h"

namespace {

const std::string PAUSE = cp850("Jatka painamalla mitä tahansa näppäintä . . . \n");
const std::string SETUP_START = cp850("\nAnna heittäjät, ja paina lopuksi enteriä.\n");

std::size_t count(const std::string& text, const std::string& part) {
    std::size_t found = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++found;
    }
    return found;
}

// Puts something that is not a regular file at the saved-games file's name.
struct NotAFile {
    const char* what;
    int (*make)();
};

const NotAFile NOT_A_FILE[] = {
    {"directory", [] { return mkdir(SAVED_GAMES_FILE, 0777); }},
    {"link to /dev/full", [] { return symlink("/dev/full", SAVED_GAMES_FILE); }},
    {"link to /dev/zero", [] { return symlink("/dev/zero", SAVED_GAMES_FILE); }},
    {"named pipe", [] { return mkfifo(SAVED_GAMES_FILE, 0666); }},
};

}  // namespace

TEST(Fault, SavedGamesNameThatIsNoFileIsPassedOverAtStart) {
    for (const NotAFile& thing : NOT_A_FILE) {
        ScratchDir dir;
        ASSERT_EQ(thing.make(), 0) << thing.what;
        const ProcessResult result = runProgram("Matti\n\n\n5\nL\n\n", {".", -1, 5.0});
        EXPECT_FALSE(result.timedOut) << thing.what;
        EXPECT_EQ(result.exitStatus, 0) << thing.what;
        // Nothing to resume: straight from the banner to the set-up.
        EXPECT_NE(result.output.find(std::string(51, '-') + "\n\n" + SETUP_START),
                  std::string::npos)
            << thing.what;
        EXPECT_EQ(count(result.output, "Tulokset tallennettu tiedostoon:\n"), 1u) << thing.what;
    }
}

TEST(Fault, SaveIntoSomethingThatIsNoFileFailsAndTheGameGoesOn) {
    const NotAFile devNull = {"link to /dev/null",
                              [] { return symlink("/dev/null", SAVED_GAMES_FILE); }};
    std::vector<NotAFile> things(std::begin(NOT_A_FILE), std::end(NOT_A_FILE));
    things.push_back(devNull);
    for (const NotAFile& thing : things) {
        ScratchDir dir;
        ASSERT_EQ(thing.make(), 0) << thing.what;
        const ProcessResult result =
            runProgram("Matti\n\n\n5\nT\nIlta\n\nT\n\nS\n6\nl\n\n", {".", -1, 5.0});
        EXPECT_FALSE(result.timedOut) << thing.what;
        EXPECT_EQ(result.exitStatus, 0) << thing.what;
        // Each save: the failure line, the pause, and the standings of the same round again.
        const std::string failed = "Tallentaminen ei onnistunut. \n" + PAUSE + CLEAR +
                                   cp850("Tilanne kierroksen 1 jälkeen: \n");
        EXPECT_EQ(count(result.output, failed), 2u) << thing.what;
        EXPECT_EQ(count(result.output, "Pelitilanne tallennettu."), 0u) << thing.what;
        EXPECT_EQ(count(result.output, "Kierros 2 alkaa. \n"), 1u) << thing.what;
        EXPECT_EQ(count(result.output, "Tulokset tallennettu tiedostoon:\n"), 1u) << thing.what;
    }
}

TEST(Fault, RoundCountNoGameReachesIsRefused) {
    ScratchDir dir;
    // A record without throwers: nothing in the file backs its round count.
    const auto record = [](const std::string& rounds) {
        return cp850("\n\nTyhjä (6.12.2026, kierros ") + rounds + ")\n" + rounds +
               "\n6.12.2026\n19:05:12\n50\n0\n\n";
    };
    struct Case {
        std::string rounds;
        bool loads;
    };
    for (const Case& c :
         {Case{"1000000", true}, Case{"1000001", false}, Case{"4000000000", false}}) {
        writeFile(SAVED_GAMES_FILE, record(c.rounds));
        GameState state;
        state.round = 7;
        EXPECT_EQ(loadSavedGame(cp850("Tyhjä (6.12.2026, kierros ") + c.rounds + ")",
                                SAVED_GAMES_FILE, state),
                  c.loads)
            << c.rounds;
        EXPECT_EQ(state.round, c.loads ? 1000000u : 7u);
    }
    writeFile(SAVED_GAMES_FILE, record("4000000000"));
    const ProcessResult result = runProgram("J\nMatti\n\n\n5\nL\n\n", {".", -1, 5.0});
    EXPECT_FALSE(result.timedOut);
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_NE(
        result.output.find("VIRHE: Lataus ei onnistunut. Aloitetaan uusi peli.\n\n" + SETUP_START),
        std::string::npos);
    EXPECT_EQ(count(result.output, "Tulokset tallennettu tiedostoon:\n"), 1u);
}

namespace {

ThrowerRecord thrower(const std::string& name, std::vector<std::uint32_t> points, bool withdrawn) {
    return ThrowerRecord{std::move(points), cp850(name), withdrawn};
}

GameState game(const std::string& name, std::uint32_t round, const std::string& startDate,
               std::uint32_t maxScore, std::vector<ThrowerRecord> throwers) {
    return GameState{std::move(throwers), round, maxScore, cp850(name), startDate, "19:05:12"};
}

bool sameGame(const GameState& a, const GameState& b) {
    const auto sameThrower = [](const ThrowerRecord& x, const ThrowerRecord& y) {
        return x.points == y.points && x.name == y.name && x.withdrawn == y.withdrawn;
    };
    return a.round == b.round && a.maxScore == b.maxScore && a.startDate == b.startDate &&
           a.startTime == b.startTime && a.throwers.size() == b.throwers.size() &&
           std::equal(a.throwers.begin(), a.throwers.end(), b.throwers.begin(), sameThrower);
}

// Three games as saves write them. Names that begin with digits give a cut-off
// record the chance to read the next record's header as one of its numbers.
struct Saved {
    GameState state;
    std::string date;
};

const Saved SAVED[] = {
    {game("Ilta", 2, "6.12.2026", 50,
          {thrower("Matti", {5, 1001}, false), thrower("Liisa", {7, 1001}, true)}),
     "6.12.2026"},
    {game("2026 Kesä", 3, "7.12.2026", 100,
          {thrower("Åsa", {100, 0, 45}, false), thrower("Ville-äijä", {1001, 3, 99}, false)}),
     "7.12.2026"},
    {game("7 veljestä", 1, "8.12.2026", 10, {thrower("Eero", {10}, false)}), "8.12.2026"},
};

// Loads every listed game into a state that must stay as it is on failure; a
// game that loads must be the very one saved under that header.
void checkEveryListedGame(const std::string& context) {
    std::vector<std::string> games;
    listSavedGames(SAVED_GAMES_FILE, games);
    for (const std::string& entry : games) {
        const GameState before = SAVED[2].state;
        GameState state = before;
        if (!loadSavedGame(entry, SAVED_GAMES_FILE, state)) {
            EXPECT_TRUE(sameGame(state, before) && state.gameName == before.gameName)
                << context << " entry " << entry;
            continue;
        }
        const Saved* match = nullptr;
        for (const Saved& saved : SAVED) {
            if (entry == savedGameHeader(saved.state, saved.date)) {
                match = &saved;
            }
        }
        EXPECT_TRUE(match != nullptr && sameGame(state, match->state))
            << context << " loaded entry " << entry;
    }
}

bool loads(const Saved& saved) {
    GameState state;
    return loadSavedGame(savedGameHeader(saved.state, saved.date), SAVED_GAMES_FILE, state) &&
           sameGame(state, saved.state);
}

}  // namespace

TEST(Fault, SavedGamesFileCutOffAtEveryByte) {
    ScratchDir dir;
    const std::string first = savedGameRecord(SAVED[0].state, SAVED[0].date);
    const std::string both = first + savedGameRecord(SAVED[1].state, SAVED[1].date);
    for (std::size_t cut = 0; cut <= both.size(); ++cut) {
        // Cut off alone; then another game saved; then the same game saved again, as
        // when the operator repeats a save that failed.
        for (const Saved* later : {static_cast<const Saved*>(nullptr), &SAVED[2], &SAVED[0]}) {
            const std::string context = "cut at " + std::to_string(cut) +
                                        (later ? " and saved " + later->state.gameName : "");
            writeFile(SAVED_GAMES_FILE, both.substr(0, cut));
            if (later) {
                ASSERT_TRUE(appendSavedGame(later->state, later->date, SAVED_GAMES_FILE));
                EXPECT_TRUE(loads(*later)) << context;
            }
            checkEveryListedGame(context);
            // A game whose record was whole before the cut is never lost.
            if (cut >= first.size()) {
                EXPECT_TRUE(loads(SAVED[0])) << context;
            }
            if (cut == both.size()) {
                EXPECT_TRUE(loads(SAVED[1])) << context;
            }
        }
    }
}
