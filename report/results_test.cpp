#include "report/results.h"

#include <gtest/gtest.h>

#include "support/game_run.h"
#include "support/test_support.h"

constexpr std::uint32_t X = NO_RESULT;

// Åsa withdrew in round 2, Jöns skipped round 1, and nobody scored above 0 in round 3.
// clang-format off
const GameState KESAKISA{{thrower("Anna", {45, 20, 0}), thrower("Eero", {30, 45, 0}),
    thrower(cp850("Jöns Ståhl"), {X, 45, X}),
    thrower(cp850("Åsa Öberg-Jäävuori"), {10, X, X}, true)}, 3, DEFAULT_MAX_SCORE,
    cp850("Äänekosken kesäkisa"), "6.12.2026", "23:40:10"};
// clang-format on

// The whole file, in ISO 8859-1, of the game above ended after midnight.
TEST(ResultsFileText, WholeFileOfAGameEndedAfterMidnight) {
    expectGolden("report/results_file_golden.txt",
                 resultsFileText(KESAKISA, testTime(7, 0, 31, 52)));
}
