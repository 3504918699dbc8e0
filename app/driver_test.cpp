#include <gtest/gtest.h>

#include "support/game_run.h"
#include "support/test_support.h"

// The start menu and the round menu, and names typed at any prompt.
TEST(Driver, Menus) {
    using namespace std::string_literals;
    // clang-format off
    playDialogues({
        {"round menu: S, s, blank and empty play a round, others ask; 0 points, no best", "",
         "Matti\n\n\n0\nx\nSS\nhh\nsuu\n  s  \n6\n   \n7\n\n8\nS\n",
         {cp850("Tasaisin heittäjä:         Matti\nParas kierros:             Ei parasta ") +
              "kierrosta. yhteistuloksella 0\nHuonoin kierros:           1 yhteistuloksella 0\n",
          MENU_PROMPT + MENU_PROMPT + MENU_PROMPT + MENU_PROMPT + MENU_PROMPT + "\n\nKierros 2 ",
          MENU_PROMPT + "\n\n" + roundHeader("5") + "1. Matti: \n", ENDS}},
        {"the start menu takes A or J only as typed, less a carriage return before the line feed",
         iltaRecord(), " a\r\na\r\n",
         {BANNER + cp850("Valitse: \n A = Aloita uusi peli\n J = Jatka tallennettua peliä\n") +
          "Valintasi (A/J): Valintasi (A/J): " + SETUP_HEADING}},
        {"typed names trimmed, then each control byte made ?, before any comparison", "",
         "\t Mat\x1bti\x7f \nmat\x07ti\0\n\0Liisa\n\n\n5\n7\n"
         "U\nMAT\tTI\x1b\n\nU\n Ee\x1b]0;X\x07ro \nT\n\t Il\0ta\x7f\n\nL\n\n"s,
         {cp850("Anna heittäjä 2: VIRHE: Kyseinen pelaaja on jo olemassa.\nAnna heittäjä 2: "),
          cp850("Kyseinen pelaaja on jo olemassa. Pelaajaa ei lisätty.\n"), "\f",
          "\n\n? Il?ta? (6.12.2026, kierros 1)\n1\n6.12.2026\n19:02:44\n50\n3\nMat?ti?\n0\n5 \n"
          "?Liisa\n0\n7 \nEe?]0;X?ro\n0\n1001 \n\n"}},
    });
    // clang-format on
}

// The names and the maximum score of a new game.
TEST(Setup, Dialogue) {
    const std::string taken = cp850("VIRHE: Kyseinen pelaaja on jo olemassa.\nAnna heittäjä ");
    const std::string maximum =
        cp850("Anna maksimitulos (oletus = 50): VIRHE: Valinnan pitää olla välillä 1 - 1000.\n");
    // clang-format off
    playDialogues({
        {"set-up: names trimmed, taken by 15 bytes, a to z in any case; maximum 1 to 1000", "",
         cp850("  Matti  \nMATTI\nÄijä\näijä\nPunainen Joukkue\npunainen joukku\nPUNAINEN JOUKKUE 2\n"
               "Punainen Jouk\n\n0\n1001\nabc\n4294967297\n\v\f 1x\n1\n0\n1\n1\n0\n"),
         {"2: " + taken + "2: ", "5: " + taken + "5: " + taken + "5: ",
          "6: \n" + maximum + maximum + "Anna maksimitulos (oletus = 50): " + maximum,
          roundHeader("1", "1") +
              cp850("1. Matti: 2. Äijä: 3. äijä: 4. Punainen Joukku: 5. Punainen Jouk: ") + CLEAR,
          ROUND_MENU + MENU_PROMPT + "\n", ENDS}},
    });
    // clang-format on
}

// Each thrower's answer in a round.
TEST(RoundEntry, Dialogue) {
    const std::string score =
        "1. Matti: " + cp850("VIRHE: Tuloksen pitää olla välillä 0 - 1000 (tai J tai V).\n");
    // clang-format off
    playDialogues({
        {"V, j or J only as typed, up to 1000, -0 as 0, no wrapping; Pekka stays number 3", "",
         "Matti\nLiisa\nPekka\n\n1000\n1001\n\n J\n4294968296\n1000\nv\nj\n\n1\n-0\n",
         {roundHeader("1", "1000") + score + score + score + score + "1. Matti: 2. Liisa: 3. Pekka: ",
          roundHeader("2", "1000") + "1. Matti: 3. Pekka: ", "Matti          1000    1 ",
          "Liisa          0       0 ", "Pekka          0       0 "}},
    });
    // clang-format on
}
