#include "saves/recovery.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "saves/saved_games.h"
#include "support/game_run.h"
#include "support/test_support.h"

namespace {

const std::string WARNING =
    "VAROITUS: Pelitilannetta ei voitu varmistaa. Tallenna peli komennolla T.\n";

// A record as a save on the test clock's day writes it, of a game started then.
std::string record(const std::string& name, const std::string& round, const std::string& rest) {
    return "\n\n" + name + " (6.12.2026, kierros " + round + ")\n" + round +
           "\n6.12.2026\n19:02:44\n50\n" + rest + "\n";
}

const std::string MATTI_1 = record("Keskeytynyt peli", "1", "1\nMatti\n0\n5 \n");

}  // namespace

// Whatever no saved record holds stays in the file when the input ends; a save,
// a refused name and the results file leave none, and no temporary file is left.
TEST(Recovery, WrittenAfterEveryChangeAndRemovedOnceTheGameIsKeptElsewhere) {
    const std::string withLiisa = record("Ilta", "1", "2\nMatti\n0\n5 \nLiisa\n0\n1001 \n");
    // clang-format off
    const struct { const char* script; std::string file, closedAfter = ""; } cases[] = {
        {"Matti\n\n\n5\n", MATTI_1},
        {"Matti\n\n\n5\n\n6\n", MATTI_1, "Tilanne kierroksen 1"},  // the terminal closed
        {"Matti\n\n\n", ""},
        {"Matti\n\n\n5\nT\nIlta\n\n", ""},
        {"Matti\n\n\n5\nT\nIlta\n\nH\n", record("Ilta", "0", "1\nMatti\n0\n\n")},
        {"Matti\n\n\n5\nT\nIlta\n\nU\nLiisa\n", withLiisa},
        {"Matti\n\n\n5\nT\nIlta\n\nU\nmatti\n\n", ""},
        {"Matti\nLiisa\n\n\n5\nV\nT\nIlta\n\nU\nLiisa\n", withLiisa},  // the pause meets the end
        {"Matti\n\n\n5\n\n6\nL\n\n", ""}};
    // clang-format on
    for (const auto& c : cases) {
        ScratchDir dir;
        writeFile(std::string(RECOVERY_FILE) + ".tmp", "\n\nKesk");  // as a crash mid-write leaves
        EXPECT_EQ(playGame(c.script, "", c.closedAfter).readsAfterEnd, 0u);
        EXPECT_EQ(fileContents(RECOVERY_FILE) + filesStartingWith(RECOVERY_FILE + std::string(".")),
                  c.file)
            << c.script;
    }
}

// Command L again and again in the same second: no results file is replaced,
// the 999th name is the last one tried, and when none can be written the game
// typed ahead with L stays in the recovery file.
TEST(Recovery, ResultsUnderTheFirstFreeNameOrTheGameKeptToResume) {
    ScratchDir dir;
    const std::string name = "vaskipiikkikisa_tulokset_20261206_19.02.44";
    for (const std::string suffix : {"", "_2", "_999", "none"}) {
        for (unsigned taken = 3; suffix == "_999" && taken < 999; ++taken)
            writeFile(name + "_" + std::to_string(taken) + ".txt", "taken");
        const std::string shown =
            suffix == "none" ? "Tulosten tallentaminen ei onnistunut. Ohjelma lopetetaan. \n"
                             : "Tulokset tallennettu tiedostoon:\n" + name + suffix + ".txt\n";
        EXPECT_NE(playGame("Matti\n\n\n5\nL\n\n").output.find(MENU_PROMPT + shown + PAUSE),
                  std::string::npos)
            << suffix;
        EXPECT_EQ(fileContents(RECOVERY_FILE), suffix == "none" ? MATTI_1 : "");
    }
}

// A record that cannot be appended stays, and the new game is not secured over
// it; a damaged file moves to the first free name, and the new game is secured.
TEST(Recovery, UnmovableAndDamagedFilesAreNeverLost) {
    const std::string first = "vaskipiikkikisa_keskeytynyt_vioittunut.dat";
    const std::string second = "vaskipiikkikisa_keskeytynyt_vioittunut_2.dat";
    // clang-format off
    const struct { std::string bytes, keptAt; } cases[] = {
        {MATTI_1, RECOVERY_FILE}, {MATTI_1.substr(0, MATTI_1.size() - 1), second},
        {MATTI_1 + "x", first}, {MATTI_1 + "\n", second}, {"\n\n \n" + MATTI_1.substr(42), second}};
    // clang-format on
    for (const auto& c : cases) {
        ScratchDir dir;
        const bool unmovable = c.keptAt == RECOVERY_FILE;
        if (c.keptAt != first) {  // the saved games, or the first damaged name, taken
            ASSERT_TRUE(std::filesystem::create_directory(unmovable ? SAVED_GAMES_FILE : first));
        }
        writeFile(RECOVERY_FILE, c.bytes);
        const GameRun run = playGame("Liisa\n\n\n7\nN\n");  // typed ahead past the round
        const std::string message =
            unmovable ? cp850("VIRHE: Keskeneräistä peliä ei voitu siirtää tallennuksiin.\n")
                      : cp850("VIRHE: Keskeneräisen pelin tiedosto oli vioittunut; se ") +
                            "siirrettiin nimelle " + c.keptAt + ".\n";
        EXPECT_NE(run.output.find(BANNER + message), std::string::npos) << c.bytes;
        EXPECT_EQ(fileContents(c.keptAt), c.bytes);
        EXPECT_EQ(run.output.find(WARNING + ROUND_MENU) != std::string::npos, unmovable);
        EXPECT_EQ(fileContents(RECOVERY_FILE).find("\nLiisa\n0\n7 \n\n") != std::string::npos,
                  !unmovable);
    }
}

// Killed at any wait after round 2, the game resumes as it was shown, and
// while typed input is waiting the file is not written at all; with a
// directory at the file's name every display warns until T has saved the game,
// and L still writes the results.
TEST(Recovery, SecuredBeforeEveryWaitOrWarnedOfOnEveryDisplay) {
    const std::string round2 =
        record("Keskeytynyt peli", "2", "2\nMatti\n0\n5 3 \nLiisa\n1\n7 1001 \n");
    for (const char* charset : {"", "UTF-8"}) {  // a converting console reports typed input too
        ScratchDir dir;
        const GameRun shown = playGame("Matti\nLiisa\n\n\n5\n7\n\n3\nV\n|N\nN\n|N\n", charset);
        EXPECT_EQ(shown.recoveryAtWaits, (std::vector<std::string>{"", round2, round2})) << charset;
        EXPECT_FALSE(shown.writtenWhileTyping) << charset;
    }
    ScratchDir unwritable;
    ASSERT_TRUE(std::filesystem::create_directory(RECOVERY_FILE));
    const std::string output = playGame("Matti\n\n\n5\n|\n6\n|T\nIlta\n\nL\n\n").output;
    const std::size_t saved = output.find("Pelitilanne tallennettu.");
    EXPECT_EQ(occurrences(output.substr(0, saved), WARNING + ROUND_MENU), 2u) << output;
    EXPECT_EQ(output.find(WARNING, saved), std::string::npos);
    EXPECT_NE(filesStartingWith("vaskipiikkikisa_tulokset_"), "");
}
