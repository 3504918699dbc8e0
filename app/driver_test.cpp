#include <gtest/gtest.h>

#include "support/game_run.h"
#include "support/test_support.h"

TEST(Driver, FirstRoundOfANewGameByteForByte) {
    ScratchDir dir;
    const GameRun run = playGame("Matti\nLiisa\n\n\n3\n7\n");
    EXPECT_EQ(run.output,
              BANNER + SETUP_HEADING +
                  cp850("Anna heittäjä 1: Anna heittäjä 2: Anna heittäjä 3: ") +
                  "\nAnna maksimitulos (oletus = 50): " + CLEAR + roundHeader("1") +
                  "1. Matti: 2. Liisa: " + standingsTitle("1") +
                  "Matti          3       3        3.00       3         3         0.00 \n"
                  "Liisa          7       7        7.00       7         7         0.00 \n"
                  "\nTilastoja: \n" +
                  std::string(56, '-') + "\n" +
                  cp850("Paras heittäjä:            Liisa keskiarvolla 7.00   \n"
                        "Paras tulos:               7\n"
                        "Parhaan tuloksen heittäjä: Liisa\n"
                        "Tasaisin heittäjä:         Matti & Liisa\n") +
                  "Paras kierros:             1 yhteistuloksella 10\n"
                  "Huonoin kierros:           1 yhteistuloksella 10\n" +
                  ROUND_MENU + MENU_PROMPT + "\n");
    EXPECT_EQ(filesStartingWith("vaskipiikkikisa"), "vaskipiikkikisa_keskeytynyt.dat\n");
}

// The start menu and the round menu, and names typed at any prompt.
TEST(Driver, Menus) {
    using namespace std::string_literals;
    // clang-format off
    playDialogues({
        {"round menu: S, s, blank and empty start the next round, other answers ask again; "
         "a round without points is no best round", "",
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
