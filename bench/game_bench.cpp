// Whole computer games on the game object, as the simulator plays them.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "tools/simulator.h"

namespace {

void BM_SinglePlayerComputerGame(benchmark::State& state) {
    std::uint32_t seed = 1;
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the library's loop idiom
        const quintix::TSimStats stats = quintix::RunSimulation({1, 1, 1, seed++}, nullptr);
        benchmark::DoNotOptimize(stats.Mean);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SinglePlayerComputerGame);

void BM_SixPlayerSixGameSeries(benchmark::State& state) {
    std::uint32_t seed = 1;
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the library's loop idiom
        const quintix::TSimStats stats = quintix::RunSimulation({6, 6, 1, seed++}, nullptr);
        benchmark::DoNotOptimize(stats.Mean);
    }
    state.SetItemsProcessed(state.iterations() * 36);
}
BENCHMARK(BM_SixPlayerSixGameSeries);

}  // namespace
