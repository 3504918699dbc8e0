#include "scoring/statistics.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace {

constexpr std::uint32_t NR = NO_RESULT;

// The lines after the heading; the whole-game goldens show the usual blocks
// and the file's closing empty line.
TEST(StatisticsTest, ConsoleBlocks) {
    const struct {
        std::vector<ThrowerRecord> throwers;
        std::uint32_t rounds;
        const char* lines;
    } cases[] = {
        // Names are short names; round totals 12, 20, 20 and 5.
        {{thrower("Kaarlo-Juhani Mattila", {12, 10, 20, NR}, true),
          thrower("Liisa", {NR, 10, NR, 5})},
         4,
         "Paras heittäjä:            Kaarlo-Juhani M keskiarvolla 14.00  \n"
         "Paras tulos:               20\nParhaan tuloksen heittäjä: Kaarlo-Juhani M\n"
         "Tasaisin heittäjä:         Liisa\nParas kierros:             2 & 3 yhteistuloksella 20\n"
         "Huonoin kierros:           4 yhteistuloksella 5\n"},
        {{thrower("Matti", {0, NR}), thrower("Liisa", {NR, NR})},
         2,
         "Paras heittäjä:            Matti & Liisa keskiarvolla 0.00   \n"
         "Tasaisin heittäjä:         Matti & Liisa\n"
         "Paras kierros:             Ei parasta kierrosta. yhteistuloksella 0\n"
         "Huonoin kierros:           1 & 2 yhteistuloksella 0\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(statisticsBlock(c.throwers, c.rounds, Form::Console),
                  "Tilastoja: \n" + std::string(56, '-') + "\n" + cp850(c.lines));
    }
}

}  // namespace
