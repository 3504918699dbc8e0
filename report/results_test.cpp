#include "report/results.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

constexpr std::uint32_t X = NO_RESULT;

// Åsa withdrew in round 2, Jöns skipped round 1, and nobody scored above 0 in round 3.
// clang-format off
const GameState KESAKISA{{thrower("Anna", {45, 20, 0}), thrower("Eero", {30, 45, 0}),
    thrower(cp850("Jöns Ståhl"), {X, 45, X}),
    thrower(cp850("Åsa Öberg-Jäävuori"), {10, X, X}, true)}, 3, DEFAULT_MAX_SCORE,
    cp850("Äänekosken kesäkisa"), "6.12.2026", "23:40:10"};
// clang-format on

TEST(ResultsFileText, WholeFileOfAGameEndedAfterMidnight) {
    EXPECT_EQ(
        resultsFileText(KESAKISA, testTime(7, 0, 31, 52)),
        latin1("Vaskipiikkikisa: Äänekosken kesäkisa\n"
               "Tulokset 6.12.2026 klo 23:40:10 - 7.12.2026 klo 00:31:52\n\n"
               "Kierros   Anna  Eero  Jöns Ståhl  Åsa Öberg-Jäävu     Yhteensä\n" +
               std::string(65, '-') +
               "\n1         45    30    -           10                  85\n"
               "2         20    45    45          -                   110\n"
               "3         0     0     -           -                   0\n\n\n"
               "Kierrosten voittajat: \n"
               "  Kierros 1: Anna tuloksella 45\n"
               "  Kierros 2: Eero & Jöns Ståhl tuloksella 45\n"
               "  Kierros 3: Ei parasta tulosta.\n\n\n"
               "Lopulliset tulokset: \n\n"
               "Nimi:          Paras:  Huonoin: Keskiarvo: Yhteensä: Mediaani: Varianssi: \n" +
               std::string(76, '-') +
               "\nAnna           45      0        21.66      65        20        31.88\n"
               "Eero           45      0        25.00      75        30        32.40\n"
               "Jöns Ståhl     45      45       45.00      45        45        0.00 \n"
               "Åsa Öberg-Jäävu10      10       10.00      10        10        0.00 \n\n"
               "Tilastoja: \n" +
               std::string(56, '-') +
               "\nParas heittäjä:            Jöns Ståhl keskiarvolla 45.00  \n"
               "Paras tulos:               45\n"
               "Parhaan tuloksen heittäjä: Anna & Eero & Jöns Ståhl\n"
               "Tasaisin heittäjä:         Jöns Ståhl & Åsa Öberg-Jäävu\n"
               "Paras kierros:             2 yhteistuloksella 110\n"
               "Huonoin kierros:           3 yhteistuloksella 0\n\n"));
}
