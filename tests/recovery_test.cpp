#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <random>

#include "saves/recovery.h"
#include "support/session.h"
#include "support/test_support.h"

const std::string MENU_PROMPT = "Valintasi (S/N/H/U/T/L): ";
const std::string MENU_START = cp850("\nValitse: \n S = Seuraava kierros");
const std::string WARNING =
    "VAROITUS: Pelitilannetta ei voitu varmistaa. Tallenna peli komennolla T.\n";

// Killed at the round menu after round 2: the next start offers round 2, and J
// shows the very standings shown before the kill.
TEST(RecoveryProcess, KilledAtTheRoundMenuResumesTheSameStandings) {
    ScratchDir dir;
    std::string shown;
    {
        Session session;
        // N typed ahead holds the write back until the program waits after it.
        ASSERT_TRUE(start(session, dir.path) &&
                    send(session, "Matti\nLiisa\n\n\n5\n7\n\n3\nV\nN\n") &&
                    waitFor(session, "Tilanne kierroksen 2") && waitFor(session, MENU_PROMPT) &&
                    waitFor(session, MENU_PROMPT));
        const std::size_t from = session.output.rfind(CLEAR);
        shown = session.output.substr(from, session.output.find(MENU_START, from) - from);
    }  // SIGKILL
    Session next;
    ASSERT_TRUE(start(next, dir.path) && send(next, "J\n") && finish(next));
    EXPECT_NE(next.output.find(", kierros 2)\n\nValitse: \n"), std::string::npos) << next.output;
    EXPECT_NE(next.output.find("\n" + shown + MENU_START), std::string::npos) << next.output;
    EXPECT_EQ(filesStartingWith("vaskipiikkikisa_keskeytynyt"), "");
}

// Once the first round is secured, however a long piped game is killed, the
// recovery file is whole.
TEST(RecoveryProcess, KilledAtRandomInstantsLeavesNoPartialFile) {
    std::mt19937 random(20261207);
    for (int run = 0; run < 6; ++run) {
        ScratchDir dir;
        {
            Session session;
            ASSERT_TRUE(start(session, dir.path));
            std::string names, round;  // 20 throwers and their points
            for (char name = 'A'; name <= 'T'; ++name) {
                names += std::string(5, name) + "\n";
                round += "7\n";
            }
            send(session, names + "\n\n" + round);
            ASSERT_TRUE(waitFor(session, MENU_PROMPT, 30.0));
            const int rounds = std::uniform_int_distribution<int>(5, 40)(random);
            for (int played = 1; played < rounds; ++played) {
                send(session, "\n" + round);
                usleep(300);
            }
            usleep(std::uniform_int_distribution<useconds_t>(0, 20000)(random));
        }  // SIGKILL
        std::string header;
        GameState game;
        EXPECT_TRUE(readRecoveryRecord(fileContents(RECOVERY_FILE), header, game) && game.round > 0)
            << run;
    }
}

// With a directory at the recovery file's name every display warns until T has
// saved the game; the game goes on and L still writes the results.
TEST(RecoveryProcess, UnwritableFileWarnsOnEveryDisplay) {
    ScratchDir dir;
    ASSERT_EQ(mkdir(RECOVERY_FILE, 0777), 0);
    Session session;
    ASSERT_TRUE(start(session, dir.path) && send(session, "Matti\n\n\n5\n"));
    EXPECT_TRUE(waitFor(session, WARNING + MENU_START));
    ASSERT_TRUE(send(session, "\n6\n"));
    EXPECT_TRUE(waitFor(session, WARNING + MENU_START));
    EXPECT_TRUE(send(session, "T\nIlta\n\nL\n\n") && finish(session));
    EXPECT_EQ(session.output.find(WARNING, session.seen), std::string::npos);
    EXPECT_EQ(session.exitStatus, 0);
    EXPECT_NE(filesStartingWith("vaskipiikkikisa_tulokset_"), "");
}
