#include "scoring/statistics.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace {

// Nobody above 0: no best result, no best round, and every round ties for the
// worst. The whole-game goldens show the usual blocks in both forms.
TEST(StatisticsTest, BlockOfAGameWithoutPoints) {
    EXPECT_EQ(statisticsBlock(
                  {thrower("Matti", {0, NO_RESULT}), thrower("Liisa", {NO_RESULT, NO_RESULT})}, 2,
                  Form::Console),
              "Tilastoja: \n" + std::string(56, '-') + "\n" +
                  cp850("Paras heittäjä:            Matti & Liisa keskiarvolla 0.00   \n"
                        "Tasaisin heittäjä:         Matti & Liisa\n"
                        "Paras kierros:             Ei parasta kierrosta. yhteistuloksella 0\n"
                        "Huonoin kierros:           1 & 2 yhteistuloksella 0\n"));
}

}  // namespace
