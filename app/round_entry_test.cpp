#include <gtest/gtest.h>

#include "support/game_run.h"
#include "support/test_support.h"

// Each thrower's answer in a round.
TEST(RoundEntry, Dialogue) {
    const std::string score =
        "1. Matti: " + cp850("VIRHE: Tuloksen pitää olla välillä 0 - 1000 (tai J tai V).\n");
    // clang-format off
    playDialogues({
        {"a withdrawal and a skip under the maximum 1000, j or J only as typed, -0 as 0 and no "
         "wrapping round; Pekka keeps his number 3", "",
         "Matti\nLiisa\nPekka\n\n1000\n1001\n\n J\n4294968296\n1000\nv\nj\n\n1\n-0\n",
         {roundHeader("1", "1000") + score + score + score + score + "1. Matti: 2. Liisa: 3. Pekka: ",
          roundHeader("2", "1000") + "1. Matti: 3. Pekka: ", "Matti          1000    1 ",
          "Liisa          0       0 ", "Pekka          0       0 "}},
    });
    // clang-format on
}
