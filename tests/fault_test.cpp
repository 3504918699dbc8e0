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

// The pause as seen while it waits, before its line end.
const std::string PAUSING = PAUSE.substr(0, PAUSE.size() - 1);
const std::string SETUP_START = cp850("\nAnna heittäjät, ja paina lopuksi enteriä.\n");
const std::string MENU_PROMPT = "Valintasi (S/N/H/U/T/L): ";
const std::string NAME_PROMPT = "Anna pelille/tallennukselle nimi: ";
const std::string RESULTS_WRITTEN = "Tulokset tallennettu tiedostoon:\n";
const std::string RESULTS_FAILED = "Tulosten tallentaminen ei onnistunut. Ohjelma lopetetaan. \n";
const std::string SAVE_FAILED = "Tallentaminen ei onnistunut. \n";
const std::string SAVED_OK = "Pelitilanne tallennettu.\n";
const std::string STANDINGS_1 = CLEAR + cp850("Tilanne kierroksen 1 jälkeen: \n");

std::size_t count(const std::string& text, const std::string& part) {
    std::size_t found = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++found;
    }
    return found;
}

// The names of the results files in the working directory, empty when there is none.
std::string resultsFile() {
    std::string names = filesStartingWith("vaskipiikkikisa_tulokset_");
    if (!names.empty()) {
        names.pop_back();  // the line feed after the last name
    }
    return names;
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

TEST(Fault, SavedGamesNameThatIsNoFileIsPassedOverAndSavesIntoItFail) {
    for (const NotAFile& thing : NOT_A_FILE) {
        SCOPED_TRACE(thing.what);
        ScratchDir dir;
        ASSERT_EQ(thing.make(), 0);
        const ProcessResult result = runProgram("Matti\n\n\n5\nT\nIlta\n\nT\n\nS\n6\nl\n\n");
        EXPECT_FALSE(result.timedOut);
        EXPECT_EQ(result.exitStatus, 0);
        // Nothing to resume: straight from the banner to the set-up.
        EXPECT_NE(result.output.find(std::string(51, '-') + "\n\n" + SETUP_START),
                  std::string::npos);
        // Each save: the failure line, the pause, and the standings of the same
        // round again; the name given the first time is kept for the second.
        EXPECT_EQ(count(result.output, SAVE_FAILED + PAUSE + STANDINGS_1), 2u);
        EXPECT_EQ(count(result.output, NAME_PROMPT), 1u);
        EXPECT_EQ(count(result.output, SAVED_OK), 0u);
        EXPECT_EQ(count(result.output, "Kierros 2 alkaa. \n"), 1u);
        EXPECT_EQ(count(result.output, RESULTS_WRITTEN), 1u);
    }
}

namespace {

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
    {game("Ilta", 2, "6.12.2026", 50, {{{5, 1001}, "Matti"}, {{7, 1001}, "Liisa", true}}),
     "6.12.2026"},
    {game("2026 Kesä", 3, "7.12.2026", 100,
          {{{100, 0, 45}, cp850("Åsa")}, {{1001, 3, 99}, cp850("Ville-äijä")}}),
     "7.12.2026"},
    {game("7 veljestä", 1, "8.12.2026", 10, {{{10}, "Eero"}}), "8.12.2026"},
};

std::string record(const Saved& saved) {
    return savedGameRecord(saved.state, saved.date);
}

// Loads every listed game into a state that must stay as it is on failure; a
// game that loads must be the very one saved under that header.
void checkEveryListedGame() {
    std::vector<std::string> games;
    listSavedGames(SAVED_GAMES_FILE, games);
    for (const std::string& entry : games) {
        SCOPED_TRACE(entry);
        const GameState before = SAVED[2].state;
        GameState state = before;
        if (!loadSavedGame(entry, SAVED_GAMES_FILE, state)) {
            EXPECT_TRUE(sameGame(state, before) && state.gameName == before.gameName);
            continue;
        }
        const Saved* match = nullptr;
        for (const Saved& saved : SAVED) {
            if (entry == savedGameHeader(saved.state, saved.date)) {
                match = &saved;
            }
        }
        EXPECT_TRUE(match != nullptr && sameGame(state, match->state));
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
    const std::string first = record(SAVED[0]);
    const std::string both = first + record(SAVED[1]);
    for (std::size_t cut = 0; cut <= both.size(); ++cut) {
        // Cut off alone; then another game saved; then the same game saved again, as
        // when the operator repeats a save that failed.
        for (const Saved* later : {static_cast<const Saved*>(nullptr), &SAVED[2], &SAVED[0]}) {
            SCOPED_TRACE("cut at " + std::to_string(cut) +
                         (later ? " and saved " + later->state.gameName : ""));
            const std::string kept = both.substr(0, cut);
            writeFile(SAVED_GAMES_FILE, kept);
            if (later) {
                // The save starts on a line of its own and is found whole.
                ASSERT_TRUE(appendSavedGame(later->state, later->date, SAVED_GAMES_FILE));
                const bool lineEnded = kept.empty() || kept.back() == '\n';
                EXPECT_EQ(fileContents(SAVED_GAMES_FILE),
                          kept + (lineEnded ? "" : "\n") + record(*later));
                EXPECT_TRUE(loads(*later));
            }
            checkEveryListedGame();
            // A game whose record was whole before the cut is never lost; at the
            // end of the file only its closing empty lines may be missing.
            const std::size_t closing = later ? 0 : 2;
            if (cut + closing >= first.size()) {
                EXPECT_TRUE(loads(SAVED[0]));
            }
            if (cut + closing >= both.size()) {
                EXPECT_TRUE(loads(SAVED[1]));
            }
        }
    }
}

TEST(Fault, DirectoryRemovedWhileTheGameWaitsAtTheRoundMenu) {
    ScratchDir dir;
    ASSERT_EQ(mkdir("peli", 0777), 0);
    Session session;
    ASSERT_TRUE(start(session, {dir.path + "/peli", -1, 5.0}));
    ASSERT_TRUE(send(session, "Matti\n\n\n5\n"));
    ASSERT_TRUE(waitFor(session, MENU_PROMPT));
    ASSERT_EQ(unlink("peli/vaskipiikkikisa_keskeytynyt.dat"), 0);
    ASSERT_EQ(rmdir("peli"), 0);
    // Neither file can be made now: the save fails and the game goes on...
    ASSERT_TRUE(send(session, "T\nIlta\n"));
    EXPECT_TRUE(waitFor(session, SAVE_FAILED + PAUSING));
    ASSERT_TRUE(send(session, "\n"));
    EXPECT_TRUE(waitFor(session, "\n" + STANDINGS_1));
    EXPECT_TRUE(waitFor(session, MENU_PROMPT));
    // ...and L reports that the results were not written, pauses and ends.
    ASSERT_TRUE(send(session, "L\n"));
    EXPECT_TRUE(waitFor(session, RESULTS_FAILED + PAUSING));
    ASSERT_TRUE(send(session, "\n"));
    EXPECT_TRUE(finish(session));
    EXPECT_EQ(session.exitStatus, 0);
    EXPECT_EQ(session.output.substr(session.seen), "\n");
}

TEST(Fault, FileSizeLimitCutsTheSaveAndTheResultsAnywhere) {
    const std::string script = "Matti\nLiisa\n\n\n5\n7\nT\nIlta\n\nL\n\n";
    long recordSize = 0;
    long resultsSize = 0;
    {
        ScratchDir dir;
        runProgram(script);
        recordSize = static_cast<long>(fileContents(SAVED_GAMES_FILE).size());
        resultsSize = static_cast<long>(fileContents(resultsFile()).size());
        ASSERT_GT(recordSize, 50);
        ASSERT_GT(resultsSize, recordSize);
    }
    std::vector<long> limits = {0, 1, recordSize - 1, recordSize, resultsSize - 1, resultsSize};
    for (long limit = 2; limit < resultsSize; limit += 61) {
        limits.push_back(limit);
    }
    for (long limit : limits) {
        SCOPED_TRACE("limit " + std::to_string(limit));
        ScratchDir dir;
        const ProcessResult result = runProgram(script, {".", limit, 5.0});
        EXPECT_FALSE(result.timedOut);
        EXPECT_EQ(result.exitStatus, 0);
        // A save is reported only when all of it is there; a failed one is cut at the limit.
        const long saved = static_cast<long>(fileContents(SAVED_GAMES_FILE).size());
        EXPECT_EQ(saved, std::min(limit, recordSize));
        EXPECT_EQ(count(result.output, SAVED_OK) == 1, saved == recordSize);
        EXPECT_EQ(count(result.output, SAVE_FAILED + PAUSE) == 1, saved < recordSize);
        if (saved == recordSize) {
            GameState state;
            std::vector<std::string> games;
            EXPECT_TRUE(listSavedGames(SAVED_GAMES_FILE, games) &&
                        loadSavedGame(games.at(0), SAVED_GAMES_FILE, state));
        }
        // The same for the results file, which is made before anything is written.
        const std::string name = resultsFile();
        ASSERT_FALSE(name.empty());
        const long written = static_cast<long>(fileContents(name).size());
        const bool reported = count(result.output, RESULTS_WRITTEN + name + "\n" + PAUSE) == 1;
        EXPECT_EQ(reported, written == resultsSize);
        EXPECT_EQ(count(result.output, RESULTS_FAILED + PAUSE) == 1, !reported);
        EXPECT_EQ(written, std::min(limit, resultsSize));
    }
}

namespace {

// Runs the program on `input` and checks that it ended at once and left only
// files it finished.
void endInputAfter(const std::string& input, const std::string& savedBefore) {
    SCOPED_TRACE(input);
    ScratchDir dir;
    if (!savedBefore.empty()) {
        writeFile(SAVED_GAMES_FILE, savedBefore);
    }
    std::vector<std::string> games;
    listSavedGames(SAVED_GAMES_FILE, games);
    const std::size_t gamesBefore = games.size();

    const ProcessResult result = runProgram(input, {".", -1, 1.0});
    ASSERT_FALSE(result.timedOut);
    EXPECT_EQ(result.exitStatus, 0);
    const std::string results = resultsFile();
    EXPECT_EQ(!results.empty(), count(result.output, RESULTS_WRITTEN + results + "\n") == 1);
    listSavedGames(SAVED_GAMES_FILE, games);
    EXPECT_EQ(games.size(), gamesBefore + count(result.output, SAVED_OK));
    for (const std::string& entry : games) {
        GameState state;
        EXPECT_TRUE(loadSavedGame(entry, SAVED_GAMES_FILE, state)) << entry;
    }
}

// The same for every beginning of `script` that ends with a whole line.
void endInputAfterEveryLine(const std::string& script, const std::string& savedBefore) {
    for (std::size_t length = 0;; length = script.find('\n', length) + 1) {
        endInputAfter(script.substr(0, length), savedBefore);
        if (length == script.size()) {
            break;
        }
    }
}

}  // namespace

TEST(Fault, EndOfInputAfterEveryLineOfALongGame) {
    // Every command: S and Enter, N, H, U (a new thrower and a recall), T twice,
    // J and V answers, L; then at a second start J with a choice of two games.
    const std::string firstStart =
        "Matti\nLiisa\nVille\n\n20\n5\n7\nJ\nN\nS\n12\nV\n3\nH\n\n4\n6\nU\nEero\nU\nliisa\n\n"
        "t\nIlta\n\nS\n1\n2\n3\n4\nT\n\nl\n\n";
    const std::string secondStart = "J\n2\nN\nS\n5\n6\n7\n8\nU\nAnna\nH\nT\n\nL\n\n";
    std::string saved;
    {
        ScratchDir dir;
        runProgram(firstStart);
        saved = fileContents(SAVED_GAMES_FILE);
        ASSERT_EQ(count(saved, "Ilta ("), 2u);
    }
    endInputAfterEveryLine(firstStart, "");
    endInputAfterEveryLine(secondStart, saved);
}

TEST(Fault, OddLinesAtEveryPrompt) {
    // Lines of no use anywhere, a number too large for any count, and a 5 among
    // carriage returns, which is a 5.
    const std::string huge = std::string(1 << 20, '9');
    const std::string five = "\r5\r\r";
    const std::string lines[] = {std::string(1 << 20, 'x'), huge, std::string{'\0', '5', '\0'},
                                 five, "\x80\xff\xa0 5"};
    const std::string again = "VIRHE: Valinnan pitää olla välillä ";
    const std::string resultError = "VIRHE: Tuloksen pitää olla välillä 0 - 50 (tai J tai V).\n";
    const std::string maxPrompt = "Anna maksimitulos (oletus = 50): ";
    struct Prompt {
        int savedGames;  // planted before the start
        std::string before;
        std::string prompt;
        std::string answer;       // what follows the prompt after such a line
        std::string toHuge = "";  // after the huge number, when that differs
        std::string toFive = "";  // after the 5, when that differs
    };
    const Prompt prompts[] = {
        {1, "", "Valintasi (A/J): ", "Valintasi (A/J): "},
        {2, "J\n", "Valintasi: ", "Valintasi: ", again + "1 - 2.\nValintasi: ",
         again + "1 - 2.\nValintasi: "},
        {0, "", "Anna heittäjä 1: ", "Anna heittäjä 2: "},
        {0, "Matti\n\n", maxPrompt, maxPrompt, again + "1 - 1000.\n" + maxPrompt,
         CLEAR + std::string("Kierros 1 alkaa")},
        {0, "Matti\n\n\n", "1. Matti: ", resultError + "1. Matti: ", "", STANDINGS_1},
        {0, "Matti\n\n\n5\n", MENU_PROMPT, MENU_PROMPT},
        {0, "Matti\n\n\n5\nU\n", "Anna uuden pelaajan nimi: ", STANDINGS_1},
        {0, "Matti\n\n\n5\nT\n", NAME_PROMPT, SAVED_OK},
        {0, "Matti\n\n\n5\nU\n\n", "Pelaajaa ei lisätty.\n" + PAUSING, "\n" + STANDINGS_1},
    };
    for (const Prompt& p : prompts) {
        for (std::size_t kind = 0; kind < std::size(lines); ++kind) {
            SCOPED_TRACE(cp850(p.prompt) + " line kind " + std::to_string(kind));
            const std::string& line = lines[kind];
            ScratchDir dir;
            std::string planted;
            for (int i = 0; i < p.savedGames; ++i) {
                planted += record(SAVED[i]);
            }
            if (!planted.empty()) {
                writeFile(SAVED_GAMES_FILE, planted);
            }
            std::string answer = p.answer;
            if (line == huge && !p.toHuge.empty()) {
                answer = p.toHuge;
            } else if (line == five && !p.toFive.empty()) {
                answer = p.toFive;
            }
            const ProcessResult result = runProgram(p.before + line + "\n", {".", -1, 5.0});
            EXPECT_FALSE(result.timedOut);
            EXPECT_EQ(result.exitStatus, 0);
            EXPECT_NE(result.output.find(cp850(p.prompt + answer)), std::string::npos);
        }
    }
}
