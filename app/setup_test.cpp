#include <gtest/gtest.h>

#include "support/game_run.h"
#include "support/test_support.h"

// The names and the maximum score of a new game.
TEST(Setup, Dialogue) {
    const std::string taken = cp850("VIRHE: Kyseinen pelaaja on jo olemassa.\nAnna heittäjä ");
    const std::string maximum =
        cp850("Anna maksimitulos (oletus = 50): VIRHE: Valinnan pitää olla välillä 1 - 1000.\n");
    // clang-format off
    playDialogues({
        {"set-up: names trimmed, short names taken ignoring the case of a to z; a maximum from 1,"
         " read past blanks up to a non-digit, never wrapped, asked again silently if none", "",
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
