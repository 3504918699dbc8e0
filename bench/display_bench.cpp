// Cost of one display (standings with statistics, round history, results
// report, results page) for games of 4, 20 and 100 throwers and 10 to 10,000
// rounds. Each display computes its figures afresh, as the program does.
// items_per_second counts rounds: it stays level across the round counts when
// the cost of a display grows linearly with the rounds played.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>

#include "app/game_state.h"
#include "report/results.h"
#include "report/results_page.h"
#include "scoring/round_history.h"
#include "scoring/standings.h"
#include "scoring/statistics.h"

namespace {

// A game with seeded random points from 0 to 50, about one skip in twenty, the
// second thrower withdrawn after a third of the game and the last one added
// halfway through. Names vary in length; some have Finnish letters or are cut.
GameState playedGame(std::uint32_t throwers, std::uint32_t rounds) {
    const char* const names[] = {"Matti",  "P\x84ivi",       "Jo",  "Punainen Joukkue",
                                 "\x8Esa", "Liisa Lehtinen", "Eero"};
    GameState state;
    state.round = rounds;
    state.startDate = "6.12.2026";
    state.startTime = "19:02:44";
    std::mt19937 random(20261206);
    std::uniform_int_distribution<std::uint32_t> points(0, 50);
    std::uniform_int_distribution<int> skip(0, 19);
    for (std::uint32_t t = 0; t < throwers; ++t) {
        ThrowerRecord thrower = makeThrower(names[t % 7] + std::string(" ") + std::to_string(t));
        thrower.withdrawn = t == 1;
        for (std::uint32_t r = 0; r < rounds; ++r) {
            const bool absent =
                (t == 1 && r >= rounds / 3) || (t + 1 == throwers && r < rounds / 2);
            addRoundPoints(thrower, absent || skip(random) == 0 ? NO_RESULT : points(random));
        }
        state.throwers.push_back(thrower);
    }
    return state;
}

template <typename Display>
void measure(benchmark::State& run, Display display) {
    const GameState game = playedGame(run.range(0), run.range(1));
    for (auto _ : run) {
        std::string text = display(game);
        benchmark::DoNotOptimize(text);
    }
    run.SetItemsProcessed(run.iterations() * game.round);
    run.counters["bytes_out"] = static_cast<double>(display(game).size());
}

void standingsAndStatistics(benchmark::State& run) {
    measure(run, [](const GameState& game) {
        return standingsTable(game.throwers, game.round, Form::Console) +
               statisticsBlock(game.throwers, game.round, Form::Console);
    });
}

void roundHistoryConsole(benchmark::State& run) {
    measure(run, [](const GameState& game) {
        return roundHistory(game.throwers, game.round, Form::Console);
    });
}

void resultsFile(benchmark::State& run) {
    measure(run, [](const GameState& game) {
        return resultsFileText(game, LocalTime{2026, 12, 6, 21, 15, 3});
    });
}

void resultsPageHtml(benchmark::State& run) {
    measure(run, [](const GameState& game) {
        return resultsPage(game, LocalTime{2026, 12, 6, 21, 15, 3});
    });
}

void sizes(benchmark::internal::Benchmark* bench) {
    bench->ArgNames({"throwers", "rounds"})
        ->ArgsProduct({{4, 20, 100}, {10, 1000, 10000}})
        ->Unit(benchmark::kMicrosecond);
}

}  // namespace

BENCHMARK(standingsAndStatistics)->Apply(sizes);
BENCHMARK(roundHistoryConsole)->Apply(sizes);
BENCHMARK(resultsFile)->Apply(sizes);
// The page also for the whole-game benchmark's 20 throwers and 2,000 rounds.
BENCHMARK(resultsPageHtml)->Apply(sizes)->Args({20, 2000});
