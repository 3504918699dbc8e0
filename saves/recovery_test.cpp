#include "saves/recovery.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

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
// a refused name and the results file leave none, and neither the lock nor a
// temporary file is left.
TEST(Recovery, WrittenAfterEveryChangeAndRemovedOnceTheGameIsKeptElsewhere) {
    const std::string withLiisa = record("Ilta", "1", "2\nMatti\n0\n5 \nLiisa\n0\n1001 \n");
    // clang-format off
    const struct { const char* script; std::string file, closedAfter = ""; } cases[] = {
        {"Matti\n\n\n5\n", MATTI_1},
        {"Matti\n\n\n5\n\n6\n", MATTI_1, "Tilanne kierroksen 1"},  // the terminal closed
        {"Matti\n\n\n", ""},
        {"Matti\n\n\n5\n|T\nIlta\n\n", ""},
        {"Matti\n\n\n5\nT\nIlta\n\nH\n", record("Ilta", "0", "1\nMatti\n0\n\n")},
        {"Matti\n\n\n5\nT\nIlta\n\nU\nLiisa\n", withLiisa},
        {"Matti\n\n\n5\nT\nIlta\n\nU\nmatti\n\n", ""},
        {"Matti\nLiisa\n\n\n5\nV\nT\nIlta\n\nU\nLiisa\n", withLiisa},  // the pause meets the end
        {"Matti\n\n\n5\n\n6\n|L\n\n", ""}};
    // clang-format on
    for (const auto& c : cases) {
        ScratchDir dir;
        writeFile(std::string(RECOVERY_FILE) + ".tmp", "\n\nKesk");  // as a crash mid-write leaves
        EXPECT_EQ(playGame(c.script, "", c.closedAfter).readsAfterEnd, 0u);
        EXPECT_EQ(fileContents(RECOVERY_FILE), c.file) << c.script;
        EXPECT_EQ(filesStartingWith("vaskipiikkikisa_keskeytynyt"),  // no lock, nothing temporary
                  c.file.empty() ? "" : std::string(RECOVERY_FILE) + "\n");
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

// At the start a recovery file is taken over once, moved aside when damaged,
// or kept untouched when unreadable, when the saved games cannot take it
// (never through a link) or another copy owns it; then every display warns.
TEST(Recovery, TakenOverOnceMovedAsideOrKeptButNeverLost) {
    const std::string damaged = "vaskipiikkikisa_keskeytynyt_vioittunut.dat";
    const std::string moved =
        cp850("VIRHE: Keskeneräisen pelin tiedosto oli vioittunut; se ") + "siirrettiin nimelle ";
    // clang-format off
    enum Folder { PLAIN, SAVES_DIRECTORY, SAVES_LINK, SAVED_ALREADY, DAMAGED_TAKEN, DIRECTORY, LOCKED };
    const struct { Folder folder; std::string bytes, message, keptAt; } cases[] = {
        {SAVED_ALREADY, MATTI_1, cp850("Edellinen peli jäi kesken. Sen tilanne tallennettiin, ja "
            "sitä voi jatkaa valinnalla J:\n  Keskeytynyt peli (6.12.2026, kierros 1)\n\nValitse"),
            SAVED_GAMES_FILE},
        {SAVES_DIRECTORY, MATTI_1, cp850("VIRHE: Keskeneräistä peliä ei voitu siirtää tallennuksiin."
            "\nVIRHE: Tallennettuja pelejä ei voitu lukea."), RECOVERY_FILE},
        {SAVES_LINK, MATTI_1, cp850("VIRHE: Keskeneräistä peliä ei voitu siirtää tallennuksiin."),
            RECOVERY_FILE},
        {DIRECTORY, "", cp850("VIRHE: Keskeneräisen pelin tiedostoa ei voitu lukea, joten sitä ei "
            "muuteta.\n"), RECOVERY_FILE},
        {LOCKED, MATTI_1, cp850("VAROITUS: Toinen Vaskipiikkikisa on käynnissä tässä kansiossa, "
            "joten tämän pelin tilannetta ei varmisteta. Tallenna peli komennolla T.\n"), RECOVERY_FILE},
        {PLAIN, MATTI_1.substr(0, MATTI_1.size() - 1), moved + damaged, damaged},
        {DAMAGED_TAKEN, MATTI_1 + "x", moved, "vaskipiikkikisa_keskeytynyt_vioittunut_2.dat"},
        {PLAIN, MATTI_1 + "\n", moved, damaged}, {PLAIN, "\n\n \n" + MATTI_1.substr(42), moved, damaged},
        {PLAIN, std::regex_replace(MATTI_1, std::regex("6.12.2026\n19:02:44"), " \n"), moved, damaged}};
    // clang-format on
    for (const auto& c : cases) {
        ScratchDir dir;
        RunLock otherCopy;
        ASSERT_TRUE(c.folder != LOCKED || takeLock(otherCopy, RECOVERY_LOCK) == Lock::Held);
        if (c.folder == SAVES_DIRECTORY)
            std::filesystem::create_directory(SAVED_GAMES_FILE);
        if (c.folder == SAVED_ALREADY)
            writeFile(SAVED_GAMES_FILE, MATTI_1);
        if (c.folder == DAMAGED_TAKEN)
            std::filesystem::create_directory(damaged);
        if (c.folder == DIRECTORY)
            std::filesystem::create_directory(RECOVERY_FILE);
        if (c.folder == SAVES_LINK) {
#ifdef _WIN32
            continue;  // a link needs rights that a Windows user seldom has
#endif
            writeFile("profile", "profile");
            std::filesystem::create_symlink("profile", SAVED_GAMES_FILE);
        }
        if (c.folder != DIRECTORY)
            writeFile(RECOVERY_FILE, c.bytes);
        const std::string typed = c.folder == SAVED_ALREADY ? "A\n" : "";
        const GameRun run = playGame(typed + "Liisa\n\n\n7\nN\n|T\nIlta\n\n");
        EXPECT_EQ(run.output.find(BANNER + c.message), 0u) << c.message;
        // Taken over once: the save that follows comes right after it.
        EXPECT_EQ(fileContents(c.keptAt).substr(0, c.bytes.size() + 4),
                  c.bytes + (c.folder == SAVED_ALREADY ? "\n\nIl" : ""));
        EXPECT_EQ(fileContents("profile"), c.folder == SAVES_LINK ? "profile" : "");
        const bool kept = c.keptAt == RECOVERY_FILE;
        EXPECT_EQ(run.output.find(WARNING + ROUND_MENU) != std::string::npos, kept) << c.message;
        EXPECT_EQ(run.recoveryAtWaits.back(),
                  kept ? c.bytes : record("Keskeytynyt peli", "1", "1\nLiisa\n0\n7 \n"));
    }
}

// Killed at any wait or pause, the game resumes as shown; typed ahead, the file
// waits; with a folder at its name or temporary name every display warns until
// T has saved the game, and L still writes the results.
TEST(Recovery, SecuredBeforeEveryWaitOrWarnedOfOnEveryDisplay) {
    const std::string round2 =
        record("Keskeytynyt peli", "2", "2\nMatti\n0\n5 3 \nLiisa\n1\n7 1001 \n");
    const std::string round3 =
        record("Keskeytynyt peli", "3", "2\nMatti\n0\n5 3 4 \nLiisa\n1\n7 1001 1001 \n");
    for (const char* charset : {"", "UTF-8"}) {  // a converting console reports typed input too
        ScratchDir dir;
        // After round 2 a single line feed is typed ahead: the next round.
        const GameRun shown = playGame("Matti\nLiisa\n\n\n5\n7\n\n3\nV\n\n|4\nN\n|N\n", charset);
        EXPECT_EQ(shown.recoveryAtWaits, (std::vector<std::string>{"", round2, round3})) << charset;
        EXPECT_FALSE(shown.writtenWhileTyping) << charset;
    }
    // At the pause after T and L the game stands in a file already, and a
    // recalled thrower is secured: a window closed there loses nothing.
    const std::string recalled =
        record("Keskeytynyt peli", "1", "2\nMatti\n0\n5 \nLiisa\n0\n1001 \n");
    for (const auto& [script, atPause] :
         {std::pair<const char*, std::string>{"Matti\n\n\n5\n|T\nIlta\n|\n", ""},
          {"Matti\n\n\n5\n|L\n|\n", ""},
          {"Matti\nLiisa\n\n\n5\nV\nU\nLiisa\n|\n", recalled}}) {
        ScratchDir dir;
        EXPECT_EQ(playGame(script).recoveryAtWaits.back(), atPause) << script;
    }
    // A directory at the file's name, or at its temporary name.
    for (const std::string& blocked :
         {std::string(RECOVERY_FILE), std::string(RECOVERY_FILE) + ".tmp"}) {
        ScratchDir unwritable;
        ASSERT_TRUE(std::filesystem::create_directory(blocked));
        const std::string output = playGame("Matti\n\n\n5\n|\n6\n|T\nIlta\n\nL\n\n").output;
        const std::size_t saved = output.find("Pelitilanne tallennettu.");
        EXPECT_EQ(occurrences(output.substr(0, saved), WARNING + ROUND_MENU), 2u) << blocked;
        EXPECT_EQ(output.find(WARNING, saved), std::string::npos);
        EXPECT_NE(filesStartingWith("vaskipiikkikisa_tulokset_"), "");
    }
}
