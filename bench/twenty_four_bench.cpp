// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <string>
#include <vector>

#include "games/twenty_four_game.h"
#include "games/twenty_four_solver.h"
#include "base/seeded_random.h"

namespace {

using tally::TwentyFourSolver;

std::vector<std::array<int, 4>> everyOrderedDeal() {
    std::vector<std::array<int, 4>> deals;
    for (int a = 1; a <= 10; ++a)
        for (int b = 1; b <= 10; ++b)
            for (int c = 1; c <= 10; ++c)
                for (int d = 1; d <= 10; ++d) deals.push_back({a, b, c, d});
    return deals;
}

// One solver run per ordered deal of four cards 1 to 10; each run is timed on
// its own, and the median and the slowest run are reported beside the total.
void BM_SolveEveryDeal(benchmark::State& state) {
    const auto deals = everyOrderedDeal();
    TwentyFourSolver solver;
    std::vector<std::string> solutions;
    std::vector<double> micros(deals.size());
    for (auto _ : state) {
        for (size_t i = 0; i < deals.size(); ++i) {
            const auto start = std::chrono::steady_clock::now();
            solver.initnextGG(deals[i], solutions);
            benchmark::DoNotOptimize(solutions.data());
            micros[i] = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
        }
    }
    std::vector<double> sorted = micros;
    std::nth_element(sorted.begin(), sorted.begin() + static_cast<long>(sorted.size() / 2), sorted.end());
    state.counters["median_us_per_run"] = sorted[sorted.size() / 2];
    state.counters["max_us_per_run"] = *std::max_element(micros.begin(), micros.end());
    state.counters["runs"] = static_cast<double>(deals.size());
}
BENCHMARK(BM_SolveEveryDeal)->Unit(benchmark::kMillisecond);

// One deal as the game makes it: draw, solve, and deal again until solvable.
void BM_DealWithRedeals(benchmark::State& state) {
    tally::SeededRandom random(20240611);
    tally::TwentyFourDeal deal;
    for (auto _ : state) {
        tally::dealTwentyFour(random, deal);
        benchmark::DoNotOptimize(deal.solutions.data());
    }
}
BENCHMARK(BM_DealWithRedeals)->Unit(benchmark::kMicrosecond);

}  // namespace
