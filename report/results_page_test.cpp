#include "report/results_page.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "support/test_support.h"

namespace {

constexpr std::uint32_t X = NO_RESULT;

// Äijä withdrew in round 3 and was recalled after round 4; the name of Zoë &
// "Ø" <3' holds ë and ø and every character of markup, and she skipped round 2
// and withdrew in round 5; Jöns skipped round 1; Eero joined after round 2.
// clang-format off
const GameState EVENING{{thrower(cp850("Äijä Ström"), {45, 20, X, X, 30, 41}),
    thrower("Zo\x89 & \"\x9D\" <3'", {30, X, 45, 12, X, X}, true),
    thrower(cp850("Jöns Ståhl-Lindqvist"), {X, 45, 45, 0, 50, 7}),
    thrower("Eero", {X, X, 10, 33, 0, 50})}, 6, DEFAULT_MAX_SCORE,
    cp850("Kesä & syys"), "6.12.2026", "19:02:44"};
// clang-format on

const LocalTime END = testTime(6, 21, 15, 3);

std::string sourceFile(const std::string& path) {
    return std::string(VASKI_SOURCE_DIR) + "/" + path;
}

// The page of the evening above, byte for byte. To change the page: run
// VASKI_WRITE_GOLDEN=1 build/test/unit_tests --gtest_filter='ResultsPage.*', open
// report/results_page_golden.html in a browser (and scripts/page-check), and
// commit it only when it looks right there.
TEST(ResultsPage, GoldenPage) {
    const std::string golden = sourceFile("report/results_page_golden.html");
    const std::string page = resultsPage(EVENING, END);
    if (std::getenv("VASKI_WRITE_GOLDEN") != nullptr) {
        writeFile(golden, page);
    }
    EXPECT_EQ(page, fileContents(golden));
}

// Each line runs through consecutive rounds with the running total of the
// thrower's results, from the round before his first result to the last
// round, or to the round after his last result when he has withdrawn.
TEST(ResultsPage, ChartLinesAreRunningTotals) {
    const std::string page = resultsPage(EVENING, END);
    const std::pair<int, int> span[] = {{0, 6}, {0, 5}, {1, 6}, {2, 6}};
    std::size_t at = 0;
    for (std::size_t t = 0; t < EVENING.throwers.size(); ++t) {
        at = page.find("points=\"", at);
        ASSERT_NE(at, std::string::npos) << t;
        std::istringstream points(page.substr(at + 8, page.find('"', at + 8) - at - 8));
        std::uint32_t total = 0;
        int round = span[t].first;
        int x = -1;
        std::uint32_t y = 0;
        char comma = 0;
        while (points >> x >> comma >> y) {
            EXPECT_EQ(x, round) << t;
            EXPECT_EQ(y, total) << t << " round " << x;
            const std::uint32_t next = pointsOfRound(EVENING.throwers[t], ++round);
            total += next == X ? 0 : next;
        }
        EXPECT_EQ(x, span[t].second) << t;
        ++at;
    }
    EXPECT_EQ(page.find("points=\"", at), std::string::npos);
}

// Eight colours, then the same eight with a dash pattern; a thrower without a
// result has no line; no rounds, no chart.
TEST(ResultsPage, ColoursAndDashes) {
    GameState game;
    for (int t = 0; t < 10; ++t) {
        game.throwers.push_back(thrower("T" + std::to_string(t), {t == 9 ? X : 1u}));
    }
    game.round = 1;
    const std::string page = resultsPage(game, END);
    EXPECT_EQ(occurrences(page, "<polyline"), 9u);
    EXPECT_EQ(occurrences(page, "<polyline stroke=\"#0072B2\" points"), 1u);
    EXPECT_EQ(occurrences(page, "<polyline stroke=\"#0072B2\" stroke-dasharray=\"8 4\""), 1u);
    EXPECT_EQ(occurrences(page, "<polyline stroke=\"#F0E442\" points"), 1u);
    game.round = 0;
    EXPECT_EQ(occurrences(resultsPage(game, END), "<polyline"), 0u);
}

#ifndef _WIN32
// Every page is well-formed XML: xmllint reads it without a word.
TEST(ResultsPage, WellFormed) {
    ScratchDir dir;
    const GameState empty{{}, 0, DEFAULT_MAX_SCORE, "", "6.12.2026", "19:02:44"};
    GameState controls = EVENING;
    controls.throwers[0].name = "\x1B[2J\x7F\x01";
    for (const GameState& game : {EVENING, empty, controls}) {
        writeFile("page.html", resultsPage(game, END));
        EXPECT_EQ(std::system("xmllint --noout page.html"), 0);
    }
}
#endif

}  // namespace
