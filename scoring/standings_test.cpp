#include "scoring/standings.h"

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace {

constexpr std::uint32_t NR = NO_RESULT;

const std::string HEADER =
    cp850("Nimi:          Paras:  Huonoin: Keskiarvo: Yhteensä: Mediaani: Varianssi: ");
const std::string HYPHENS(76, '-');

// A row from its seven cell texts, each left-aligned in its column's width.
std::string row(const std::vector<std::string>& cells) {
    const std::size_t widths[] = {15, 8, 9, 11, 10, 10, 5};
    std::string text;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        text += cells[i];
        if (cells[i].size() < widths[i]) {
            text += std::string(widths[i] - cells[i].size(), ' ');
        }
    }
    return text;
}

TEST(StandingsTest, Rows) {
    const struct {
        ThrowerRecord thrower;
        std::vector<std::string> cells;
    } cases[] = {
        // A cut name touches the best result.
        {thrower("Kaarlo-Juhani Mattila", {NR, NR}),
         {"Kaarlo-Juhani M", "0", "0", "0.00", "0", "0", "0.00"}},
        {thrower("Liisa", {4, 7}), {"Liisa", "7", "4", "5.50", "11", "5.5", "2.12"}},
        {thrower("Pekka", {0, 0, 2}), {"Pekka", "2", "0", "0.66", "2", "0", "1.63"}},
        // A wide variance is written whole, without a trailing blank.
        {thrower("Ville", {10, 1000}), {"Ville", "1000", "10", "505.00", "1010", "505", "700.03"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(standingsRow(c.thrower), row(c.cells)) << c.thrower.name;
    }
}

// Matti's row is the worked example's, written out; withdrawn Liisa is listed too.
TEST(StandingsTest, ConsoleTableNamesTheRound) {
    ASSERT_EQ(HEADER.size(), 74u);
    ThrowerRecord gone = thrower("Liisa", {8, NR, NR, NR});
    setWithdrawn(gone);
    const std::vector<ThrowerRecord> throwers = {thrower("Matti", {3, NR, 7, 5}), gone};
    EXPECT_EQ(standingsTable(throwers, 4, Form::Console),
              cp850("Tilanne kierroksen 4 jälkeen: \n\n") + HEADER + "\n" + HYPHENS + "\n" +
                  "Matti          7       3        5.00       15        5         2.82 \n" +
                  row({"Liisa", "8", "8", "8.00", "8", "8", "0.00"}) + "\n\n");
}

}  // namespace
