#include <benchmark/benchmark.h>

#include <optional>

#include "base/types.h"
#include "computer/optimal_solver.h"
#include "computer/optimal_table.h"

namespace {

using quintix::TOptimalTable;

// The last table built, kept for the evaluations so that a short run builds no more tables than it
// must.
std::optional<TOptimalTable> LastTable;

// The whole table, on the given number of threads (0: one per core).
void BuildOptimalTable(benchmark::State& state) {
    quintix::TBuildOptions options;
    options.Threads = static_cast<int>(state.range(0));
    for ([[maybe_unused]] auto _ : state) {
        LastTable = quintix::BuildOptimalTable(options);
        benchmark::DoNotOptimize(LastTable);
    }
    state.counters["table bytes"] = static_cast<double>(LastTable->Bytes());
    state.counters["optimum"] = quintix::Optimum(*LastTable);
}

// One position at its first roll, the slowest to evaluate: every reroll looks two rolls ahead.
void EvaluateTurn(benchmark::State& state) {
    if (!LastTable) {
        LastTable = quintix::BuildOptimalTable();
    }
    const TOptimalTable& table = *LastTable;
    quintix::TGameScore sheet = quintix::TGameScore::Blank();
    sheet.Lines[quintix::Threes] = 9;
    sheet.Lines[quintix::FullHouse] = 25;
    quintix::TDiceValues dice;
    dice.Items = {2, 3, 3, 5, 6};
    for ([[maybe_unused]] auto _ : state) {
        benchmark::DoNotOptimize(quintix::EvaluateTurn(table, sheet, static_cast<int>(state.range(0)), dice));
    }
}

}  // namespace

BENCHMARK(BuildOptimalTable)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(EvaluateTurn)->ArgName("roll")->DenseRange(1, 3)->Unit(benchmark::kMicrosecond);
