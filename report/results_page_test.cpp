#include "report/results_page.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/game_run.h"
#include "support/test_support.h"

namespace {

constexpr std::uint32_t X = NO_RESULT;

// Äijä withdrew in round 3 and was recalled after round 4; the name of Zoë &
// "Ø" <3>' holds ë and ø and every character of markup, and she skipped round
// 2 and withdrew in round 5; Jöns skipped round 1; Eero joined after round 2.
// clang-format off
const GameState EVENING{{thrower(cp850("Äijä Ström"), {45, 20, X, X, 30, 41}),
    thrower("Zo\x89 & \"\x9D\" <3>'", {30, X, 45, 12, X, X}, true),
    thrower(cp850("Jöns Ståhl-Lindqvist"), {X, 45, 45, 0, 50, 7}),
    thrower("Eero", {X, X, 10, 33, 0, 50})}, 6, DEFAULT_MAX_SCORE,
    cp850("Kesä & syys"), "6.12.2026", "19:02:44"};
// clang-format on

const LocalTime END = testTime(6, 21, 15, 3);

// The page of the evening above, byte for byte: each chart line is written as
// "round,running total" from the round before the thrower's first result to the
// last round, or to the round after his last result when he has withdrawn.
TEST(ResultsPage, GoldenPage) {
    expectGolden("report/results_page_golden.html", resultsPage(EVENING, END));
}

// The page is well-formed XML: xmllint reads it without a word.
void expectWellFormed(const std::string& page) {
#ifndef _WIN32
    writeFile("page.html", page);
    EXPECT_EQ(std::system("xmllint --noout page.html"), 0);
#else
    (void)page;  // Windows has no xmllint
#endif
}

// The numbers at the ticks of one axis ("middle" the rounds, "end" the points).
std::string tickLabels(const std::string& page, const std::string& anchor) {
    std::string labels;
    const std::string mark = "text-anchor=\"" + anchor + "\">";
    for (std::size_t at = page.find(mark); at != std::string::npos; at = page.find(mark, at + 1)) {
        const std::string label =
            page.substr(at + mark.size(), page.find('<', at) - at - mark.size());
        if (label.find_first_not_of("0123456789") == std::string::npos)
            labels += label + " ";
    }
    return labels;
}

// Ten throwers with the same points every round, the last without a result,
// so without a line: eight colours, then the first again with a dash pattern.
// The first one's name is of control bytes, which XML cannot hold.
// About five ticks of 1, 2 or 5 times a power of ten up to the highest total or
// above, six on the rounds. A game whose name is blank is headed as nameless.
// Without rounds, no chart.
TEST(ResultsPage, AxesColoursAndBlankName) {
    ScratchDir dir;
    const struct {
        std::uint32_t rounds, points;
        const char* roundTicks;
        const char* pointTicks;
    } cases[] = {{1, 0, "0 1 ", "0 1 "},
                 {2, 2, "0 1 2 ", "0 1 2 3 4 "},
                 {2, 3, "0 1 2 ", "0 2 4 6 "},
                 {14, 50, "0 5 10 ", "0 200 400 600 800 "},
                 {13, 77, "0 5 10 ", "0 500 1000 1500 "}};
    for (const auto& c : cases) {
        GameState game{{}, c.rounds, DEFAULT_MAX_SCORE, " \t\n\v\f\r", "6.12.2026", "19:02:44"};
        for (int t = 0; t < 10; ++t)
            game.throwers.push_back(
                thrower(t == 0 ? "\x1B[2J\x7F\x01" : "T" + std::to_string(t),
                        std::vector<std::uint32_t>(c.rounds, t < 9 ? c.points : X)));
        const std::string page = resultsPage(game, END);
        expectWellFormed(page);
        EXPECT_EQ(tickLabels(page, "middle"), c.roundTicks) << c.rounds;
        EXPECT_EQ(tickLabels(page, "end"), c.pointTicks) << c.rounds;
        EXPECT_EQ(occurrences(page, "<polyline"), 9u);
        EXPECT_EQ(occurrences(page, "<polyline stroke=\"#0072B2\" points"), 1u);
        EXPECT_EQ(occurrences(page, "<polyline stroke=\"#0072B2\" stroke-dasharray=\"8 4\""), 1u);
        EXPECT_EQ(occurrences(page, "<polyline stroke=\"#F0E442\" points"), 1u);
        EXPECT_NE(page.find("<h1>Vaskipiikkikisa</h1>"), std::string::npos);
    }
    const GameState noRound{{thrower("T", {})}, 0, DEFAULT_MAX_SCORE, "", "6.12.2026", "19:02:44"};
    EXPECT_EQ(occurrences(resultsPage(noRound, END), "<svg"), 0u);
    expectWellFormed(resultsPage(noRound, END));
}

}  // namespace
