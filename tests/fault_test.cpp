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
#include "support/session.h"
#include "support/test_support.h"

namespace {

const std::string PAUSE = cp850("Jatka painamalla mitä tahansa näppäintä . . . \n");
const std::string SETUP_START = cp850("\nAnna heittäjät, ja paina lopuksi enteriä.\n");
const std::string MENU_PROMPT = "Valintasi (S/N/H/U/T/L): ";
const std::string RESULTS_WRITTEN = "Tulokset tallennettu tiedostoon:\n";
const std::string RESULTS_FAILED = "Tulosten tallentaminen ei onnistunut. Ohjelma lopetetaan. \n";
const std::string SAVE_FAILED = "Tallentaminen ei onnistunut. \n";
const std::string SAVED_OK = "Pelitilanne tallennettu.\n";

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
    {"link to /dev/null", [] { return symlink("/dev/null", SAVED_GAMES_FILE); }},
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
        EXPECT_EQ(count(result.output, RESULTS_WRITTEN), 1u) << thing.what;
    }
}

TEST(Fault, SaveIntoSomethingThatIsNoFileFailsAndTheGameGoesOn) {
    for (const NotAFile& thing : NOT_A_FILE) {
        ScratchDir dir;
        ASSERT_EQ(thing.make(), 0) << thing.what;
        const ProcessResult result =
            runProgram("Matti\n\n\n5\nT\nIlta\n\nT\n\nS\n6\nl\n\n", {".", -1, 5.0});
        EXPECT_FALSE(result.timedOut) << thing.what;
        EXPECT_EQ(result.exitStatus, 0) << thing.what;
        // Each save: the failure line, the pause, and the standings of the same round again.
        const std::string failed =
            SAVE_FAILED + PAUSE + CLEAR + cp850("Tilanne kierroksen 1 jälkeen: \n");
        EXPECT_EQ(count(result.output, failed), 2u) << thing.what;
        EXPECT_EQ(count(result.output, SAVED_OK), 0u) << thing.what;
        EXPECT_EQ(count(result.output, "Kierros 2 alkaa. \n"), 1u) << thing.what;
        EXPECT_EQ(count(result.output, RESULTS_WRITTEN), 1u) << thing.what;
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
    EXPECT_EQ(count(result.output, RESULTS_WRITTEN), 1u);
}

TEST(Fault, HandEditedRecordWithABlankThrowerNameIsRefused) {
    // Loaded, this game saved again after H would hold the empty points line of
    // round 0 and the blank name as two blank lines, which open a record.
    ScratchDir dir;
    writeFile(SAVED_GAMES_FILE,
              "\n\nKorjattu (6.12.2026, kierros 1)\n1\n6.12.2026\n19:05:12\n50\n2\n"
              "Matti\n0\n5 \n \n0\n7 \n\n");
    GameState state;
    EXPECT_FALSE(loadSavedGame("Korjattu (6.12.2026, kierros 1)", SAVED_GAMES_FILE, state));
    // The same when only the first 15 characters, all that a save keeps, are blank.
    writeFile(SAVED_GAMES_FILE,
              "\n\nKorjattu (6.12.2026, kierros 1)\n1\n6.12.2026\n19:05:12\n50\n2\n"
              "Matti\n0\n5 \n" +
                  std::string(15, '\r') + "Eero\n0\n7 \n\n");
    EXPECT_FALSE(loadSavedGame("Korjattu (6.12.2026, kierros 1)", SAVED_GAMES_FILE, state));
    EXPECT_TRUE(state.throwers.empty());
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
    // The same through the program, cut inside the second game's points.
    writeFile(SAVED_GAMES_FILE, both.substr(0, both.size() - 5));
    const ProcessResult second = runProgram("J\n2\n", {".", -1, 5.0});
    EXPECT_NE(
        second.output.find("VIRHE: Lataus ei onnistunut. Aloitetaan uusi peli.\n\n" + SETUP_START),
        std::string::npos);
    const ProcessResult firstGame = runProgram("J\n1\n", {".", -1, 5.0});
    EXPECT_NE(firstGame.output.find(CLEAR + cp850("Tilanne kierroksen 2 jälkeen: \n")),
              std::string::npos);
    EXPECT_EQ(second.exitStatus + firstGame.exitStatus, 0);
}

TEST(Fault, DirectoryRemovedWhileTheGameWaitsAtTheRoundMenu) {
    ScratchDir dir;
    ASSERT_EQ(mkdir("peli", 0777), 0);
    Session session;
    ASSERT_TRUE(start(session, {dir.path + "/peli", -1, 5.0}));
    ASSERT_TRUE(send(session, "Matti\n\n\n5\n"));
    ASSERT_TRUE(waitFor(session, MENU_PROMPT));
    ASSERT_EQ(rmdir("peli"), 0);
    // Neither file can be made now: the save fails and the game goes on...
    ASSERT_TRUE(send(session, "T\nIlta\n"));
    EXPECT_TRUE(waitFor(session, SAVE_FAILED + PAUSE.substr(0, PAUSE.size() - 1)));
    ASSERT_TRUE(send(session, "\n"));
    EXPECT_TRUE(
        waitFor(session, std::string("\n") + CLEAR + cp850("Tilanne kierroksen 1 jälkeen: \n")));
    EXPECT_TRUE(waitFor(session, MENU_PROMPT));
    // ...and L reports that the results were not written, pauses and ends.
    ASSERT_TRUE(send(session, "L\n"));
    EXPECT_TRUE(waitFor(session, RESULTS_FAILED + PAUSE.substr(0, PAUSE.size() - 1)));
    ASSERT_TRUE(send(session, "\n"));
    EXPECT_TRUE(finish(session));
    EXPECT_EQ(session.exitStatus, 0);
    EXPECT_EQ(session.output.substr(session.seen), "\n");
}

TEST(Fault, FileSizeLimitCutsTheSaveAndTheResultsAnywhere) {
    const std::string script = "Matti\nLiisa\n\n\n5\n7\nT\nIlta\n\nL\n\n";
    const std::string prefix = "vaskipiikkikisa_tulokset_";
    long recordSize = 0;
    long resultsSize = 0;
    {
        ScratchDir dir;
        runProgram(script);
        recordSize = static_cast<long>(fileContents(SAVED_GAMES_FILE).size());
        const std::string name = filesStartingWith(prefix);
        resultsSize = static_cast<long>(fileContents(name.substr(0, name.size() - 1)).size());
        ASSERT_GT(recordSize, 50);
        ASSERT_GT(resultsSize, recordSize);
    }
    std::vector<long> limits = {0, 1, recordSize - 1, recordSize, resultsSize - 1, resultsSize};
    for (long limit = 2; limit < resultsSize; limit += 61) {
        limits.push_back(limit);
    }
    for (long limit : limits) {
        ScratchDir dir;
        const ProcessResult result = runProgram(script, {".", limit, 5.0});
        const std::string context = "limit " + std::to_string(limit);
        EXPECT_FALSE(result.timedOut) << context;
        EXPECT_EQ(result.exitStatus, 0) << context;
        // A save is reported only when all of it is there; a failed one is cut at the limit.
        const long saved = static_cast<long>(fileContents(SAVED_GAMES_FILE).size());
        EXPECT_EQ(saved, std::min(limit, recordSize)) << context;
        EXPECT_EQ(count(result.output, SAVED_OK) == 1, saved == recordSize) << context;
        EXPECT_EQ(count(result.output, SAVE_FAILED + PAUSE) == 1, saved < recordSize) << context;
        if (saved == recordSize) {
            GameState state;
            std::vector<std::string> games;
            EXPECT_TRUE(listSavedGames(SAVED_GAMES_FILE, games) &&
                        loadSavedGame(games.at(0), SAVED_GAMES_FILE, state))
                << context;
        }
        // The same for the results file.
        std::string name = filesStartingWith(prefix);
        ASSERT_FALSE(name.empty()) << context;  // it is created before anything is written
        name.pop_back();
        const long written = static_cast<long>(fileContents(name).size());
        const bool reported =
            result.output.find(RESULTS_WRITTEN + name + "\n") != std::string::npos;
        EXPECT_EQ(reported, written == resultsSize) << context;
        EXPECT_EQ(count(result.output, RESULTS_FAILED + PAUSE) == 1, !reported) << context;
        EXPECT_EQ(written, std::min(limit, resultsSize)) << context;
    }
}

namespace {

// Every command: S and Enter, N, H, U (a new thrower and a recall), T twice,
// J and V answers, L; then at a second start J with a choice of two games.
const char* const FIRST_START[] = {"Matti", "Liisa", "Ville", "",  "20", "5",    "7", "J", "N",
                                   "S",     "12",    "V",     "3", "H",  "",     "4", "6", "U",
                                   "Eero",  "U",     "liisa", "",  "t",  "Ilta", "",  "S", "1",
                                   "2",     "3",     "4",     "T", "",   "l",    ""};
const char* const SECOND_START[] = {"J", "2",    "N", "S", "5", "6", "7", "8",
                                    "U", "Anna", "H", "T", "",  "L", ""};

template <std::size_t N>
std::string firstLines(const char* const (&script)[N], std::size_t lines) {
    std::string input;
    for (std::size_t i = 0; i < lines; ++i) {
        input += std::string(script[i]) + "\n";
    }
    return input;
}

// Runs the program on `input` and checks that it ended at once and left only
// files it finished.
void endInputAfter(const std::string& input, const std::string& savedBefore) {
    ScratchDir dir;
    if (!savedBefore.empty()) {
        writeFile(SAVED_GAMES_FILE, savedBefore);
    }
    std::vector<std::string> games;
    listSavedGames(SAVED_GAMES_FILE, games);
    const std::size_t gamesBefore = games.size();

    const ProcessResult result = runProgram(input, {".", -1, 1.0});
    ASSERT_FALSE(result.timedOut) << input;
    EXPECT_EQ(result.exitStatus, 0) << input;
    const std::string results = filesStartingWith("vaskipiikkikisa_tulokset_");
    EXPECT_EQ(!results.empty(), result.output.find(RESULTS_WRITTEN + results) != std::string::npos)
        << input;
    listSavedGames(SAVED_GAMES_FILE, games);
    EXPECT_EQ(games.size(), gamesBefore + count(result.output, SAVED_OK)) << input;
    for (const std::string& game : games) {
        GameState state;
        EXPECT_TRUE(loadSavedGame(game, SAVED_GAMES_FILE, state)) << input << game;
    }
}

}  // namespace

TEST(Fault, EndOfInputAfterEveryLineOfALongGame) {
    std::string saved;
    {
        ScratchDir dir;
        runProgram(firstLines(FIRST_START, std::size(FIRST_START)));
        saved = fileContents(SAVED_GAMES_FILE);
        ASSERT_EQ(count(saved, "Ilta ("), 2u);
    }
    for (std::size_t lines = 0; lines <= std::size(FIRST_START); ++lines) {
        endInputAfter(firstLines(FIRST_START, lines), "");
    }
    for (std::size_t lines = 0; lines <= std::size(SECOND_START); ++lines) {
        endInputAfter(firstLines(SECOND_START, lines), saved);
    }
}

TEST(Fault, OddLinesAtEveryPrompt) {
    const std::string lines[] = {std::string(1 << 20, 'x'), std::string(1 << 20, '9'),
                                 std::string("\0"
                                             "5\0",
                                             3),
                                 "\r5\r\r", "\x80\xff\xa0 5"};
    const std::string again = "VIRHE: Valinnan pitää olla välillä ";
    const std::string resultError = "VIRHE: Tuloksen pitää olla välillä 0 - 50 (tai J tai V).\n";
    const std::string standings = std::string(CLEAR) + "Tilanne kierroksen 1 jälkeen: \n";
    const std::string nextName = "Anna heittäjä 2: ";
    const std::string maxPrompt = "Anna maksimitulos (oletus = 50): ";
    struct Prompt {
        int savedGames;  // planted before the start
        std::string before;
        std::string prompt;
        std::string answers[5];  // what follows the prompt after each line above
    };
    const Prompt prompts[] = {
        {1,
         "",
         "Valintasi (A/J): ",
         {"Valintasi (A/J): ", "Valintasi (A/J): ", "Valintasi (A/J): ", "Valintasi (A/J): ",
          "Valintasi (A/J): "}},
        {2,
         "J\n",
         "Valintasi: ",
         {"Valintasi: ", again + "1 - 2.\nValintasi: ", "Valintasi: ",
          again + "1 - 2.\nValintasi: ", "Valintasi: "}},
        {0, "", "Anna heittäjä 1: ", {nextName, nextName, nextName, nextName, nextName}},
        {0,
         "Matti\n\n",
         maxPrompt,
         {maxPrompt, again + "1 - 1000.\n" + maxPrompt, maxPrompt,
          std::string(CLEAR) + "Kierros 1 alkaa", maxPrompt}},
        {0,
         "Matti\n\n\n",
         "1. Matti: ",
         {resultError + "1. Matti: ", resultError + "1. Matti: ", resultError + "1. Matti: ",
          standings, resultError + "1. Matti: "}},
        {0,
         "Matti\n\n\n5\n",
         MENU_PROMPT,
         {MENU_PROMPT, MENU_PROMPT, MENU_PROMPT, MENU_PROMPT, MENU_PROMPT}},
        {0,
         "Matti\n\n\n5\nU\n",
         "Anna uuden pelaajan nimi: ",
         {standings, standings, standings, standings, standings}},
        {0,
         "Matti\n\n\n5\nT\n",
         "Anna pelille/tallennukselle nimi: ",
         {SAVED_OK, SAVED_OK, SAVED_OK, SAVED_OK, SAVED_OK}},
        {0,
         "Matti\n\n\n5\nU\n\n",
         "Pelaajaa ei lisätty.\n" + PAUSE.substr(0, PAUSE.size() - 1),
         {"\n" + standings, "\n" + standings, "\n" + standings, "\n" + standings,
          "\n" + standings}},
    };
    for (const Prompt& p : prompts) {
        for (std::size_t kind = 0; kind < std::size(lines); ++kind) {
            ScratchDir dir;
            std::string planted;
            for (int i = 0; i < p.savedGames; ++i) {
                planted += savedGameRecord(SAVED[i].state, SAVED[i].date);
            }
            if (!planted.empty()) {
                writeFile(SAVED_GAMES_FILE, planted);
            }
            const ProcessResult result = runProgram(p.before + lines[kind] + "\n", {".", -1, 5.0});
            const std::string context = cp850(p.prompt) + " line kind " + std::to_string(kind);
            EXPECT_FALSE(result.timedOut) << context;
            EXPECT_EQ(result.exitStatus, 0) << context;
            EXPECT_NE(result.output.find(cp850(p.prompt + p.answers[kind])), std::string::npos)
                << context;
        }
    }
}
