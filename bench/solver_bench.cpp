#include <benchmark/benchmark.h>

#include <optional>

#include "base/types.h"
#include "computer/optimal_solver.h"
#include "computer/optimal_table.h"

namespace {

using quintix::TOptimalTable;

// The whole table, on the given number of threads (0: one per core).
void BuildOptimalTable(benchmark::State& state) {
    quintix::TBuildOptions options;
    options.Threads = static_cast<int>(state.range(0));
    std::optional<TOptimalTable> table;
    for ([[maybe_unused]] auto _ : state) {
        table = quintix::BuildOptimalTable(options);
        benchmark::DoNotOptimize(table);
    }
    state.counters["table bytes"] = static_cast<double>(table->Bytes());
    state.counters["optimum"] = quintix::Optimum(*table);
}

// One position at its first roll, the slowest to evaluate: every reroll looks two rolls ahead.
void EvaluateTurn(benchmark::State& state) {
    static const TOptimalTable table = *quintix::BuildOptimalTable();
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
