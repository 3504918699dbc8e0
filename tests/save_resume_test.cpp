#include <gtest/gtest.h>

#include <string>

#include "support/process.h"
#include "support/test_support.h"

TEST(SaveResume, SavedGameComesBackInTheNextRunAndGoesOnFromItsRound) {
    ScratchDir dir;
    // Matti 5 and Liisa 7, then Matti skips and Liisa withdraws; save as Ilta and end.
    const ProcessResult first = runProgram("Matti\nLiisa\n\n\n5\n7\nS\nJ\nV\nT\nIlta\n\nL\n\n");
    ASSERT_EQ(first.exitStatus, 0) << first.output;
    EXPECT_NE(first.output.find("Pelitilanne tallennettu.\n"), std::string::npos);
    const std::string saved = fileContents("vaskipiikkikisa_tallennukset.dat");
    EXPECT_EQ(saved.compare(0, 8, "\n\nIlta ("), 0) << saved;
    EXPECT_NE(saved.find(", kierros 2)\n2\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\n50\n2\nMatti\n0\n5 1001 \nLiisa\n1\n7 1001 \n\n"), std::string::npos)
        << saved;

    // The next run offers the game; J takes the only one and shows its standings.
    const ProcessResult second = runProgram("J\nS\n4\nL\n\n");
    ASSERT_EQ(second.exitStatus, 0) << second.output;
    const std::string standings =
        cp850("Valintasi (A/J): \n") + CLEAR + cp850("Tilanne kierroksen 2 jälkeen: \n\n") +
        cp850("Nimi:          Paras:  Huonoin: Keskiarvo: Yhteensä: Mediaani: Varianssi: \n") +
        std::string(76, '-') +
        "\n"
        "Matti          5       5        5.00       5         5         0.00 \n"
        "Liisa          7       7        7.00       7         7         0.00 \n"
        "\n";
    const std::size_t shown = second.output.find(standings);
    ASSERT_NE(shown, std::string::npos) << second.output;
    EXPECT_EQ(second.output.find(cp850("Anna heittäjä")), std::string::npos);

    // S enters round 3; Liisa, withdrawn, is not asked.
    const std::size_t round = second.output.find("\n\nKierros 3 alkaa. \n", shown);
    ASSERT_NE(round, std::string::npos) << second.output;
    const std::string afterRound = second.output.substr(round);
    EXPECT_NE(afterRound.find("1. Matti: "), std::string::npos);
    EXPECT_EQ(afterRound.find("2. Liisa: "), std::string::npos);
    EXPECT_NE(
        afterRound.find("Matti          5       4        4.50       9         4.5       0.70 \n"),
        std::string::npos)
        << afterRound;
}
