#include "scoring/statistics.h"

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace {

constexpr std::uint32_t NR = NO_RESULT;

// The block from its lines after the heading, each ended by a line feed.
std::string block(const std::vector<std::string>& lines) {
    std::string text = "Tilastoja: \n" + std::string(56, '-') + "\n";
    for (const std::string& line : lines) {
        text += cp850(line) + "\n";
    }
    return text;
}

struct BlockCase {
    const char* what;
    std::vector<ThrowerRecord> throwers;
    std::uint32_t rounds;
    std::vector<std::string> lines;
};

const BlockCase BLOCK_CASES[] = {
    {"tied averages and best results in list order",
     {thrower("Matti", {7, 4}), thrower("Liisa", {4, 7}), thrower("Pekka", {4, NR})},
     2,
     {"Paras heittäjä:            Matti & Liisa keskiarvolla 5.50   ",
      "Paras tulos:               7", "Parhaan tuloksen heittäjä: Matti & Liisa",
      "Tasaisin heittäjä:         Pekka", "Paras kierros:             1 yhteistuloksella 15",
      "Huonoin kierros:           2 yhteistuloksella 11"}},
    {"every result 0 or missing",
     {thrower("Matti", {0, NR}), thrower("Liisa", {NR, NR})},
     2,
     {"Paras heittäjä:            Matti & Liisa keskiarvolla 0.00   ",
      "Tasaisin heittäjä:         Matti & Liisa",
      "Paras kierros:             Ei parasta kierrosta. yhteistuloksella 0",
      "Huonoin kierros:           1 & 2 yhteistuloksella 0"}},
    {"round totals 12, 20, 20, 5 with a withdrawn thrower; names are shortened",
     {thrower("Kaarlo-Juhani Mattila", {12, 10, 20, NR}, true), thrower("Liisa", {NR, 10, NR, 5})},
     4,
     {"Paras heittäjä:            Kaarlo-Juhani M keskiarvolla 14.00  ",
      "Paras tulos:               20", "Parhaan tuloksen heittäjä: Kaarlo-Juhani M",
      "Tasaisin heittäjä:         Liisa", "Paras kierros:             2 & 3 yhteistuloksella 20",
      "Huonoin kierros:           4 yhteistuloksella 5"}},
    {"no rounds left",
     {thrower("Matti", {}), thrower("Liisa", {})},
     0,
     {"Paras heittäjä:            Matti & Liisa keskiarvolla 0.00   ",
      "Tasaisin heittäjä:         Matti & Liisa"}},
    {"no throwers",
     {},
     3,
     {"Tasaisin heittäjä:         ",
      "Paras kierros:             Ei parasta kierrosta. yhteistuloksella 0",
      "Huonoin kierros:           1 & 2 & 3 yhteistuloksella 0"}},
};

TEST(StatisticsTest, ConsoleAndFileBlocks) {
    for (const BlockCase& c : BLOCK_CASES) {
        SCOPED_TRACE(c.what);
        const std::string expected = block(c.lines);
        EXPECT_EQ(statisticsBlock(c.throwers, c.rounds, Form::Console), expected);
        // The file closes the block with an empty line; letters stay console
        // bytes until the whole report is converted.
        EXPECT_EQ(statisticsBlock(c.throwers, c.rounds, Form::File), expected + "\n");
    }
}

}  // namespace
