#include <benchmark/benchmark.h>

#include <optional>

#include "base/types.h"
#include "computer/optimal_solver.h"
#include "computer/optimal_table.h"
#include "computer/win_chances.h"

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

// The chance to win, as the coach's window asks for it: simulations of the rest of a series of
// `players` players (a person played as the expert, then computer players) from its first turn,
// with `games` games in all.
void WinChances(benchmark::State& state) {
    if (!LastTable) {
        LastTable = quintix::BuildOptimalTable();
    }
    quintix::TChancePosition position;
    const auto players = static_cast<int>(state.range(0));
    for (int p = 0; p < players; ++p) {
        position.Players.push_back({p == 0 ? quintix::TPlayStyle::Expert : quintix::TPlayStyle::Classic, 0,
                                    quintix::TGameScore::Blank()});
    }
    position.GamesLeft = static_cast<int>(state.range(1)) - 1;
    quintix::TChanceOptions options;
    options.Simulations = 200;
    for ([[maybe_unused]] auto _ : state) {
        benchmark::DoNotOptimize(quintix::SimulateWinChances(position, &*LastTable, options));
        ++options.Seed;
    }
    state.SetItemsProcessed(state.iterations() * options.Simulations);
    state.counters["games per simulation"] = players * static_cast<double>(state.range(1));
}

}  // namespace

BENCHMARK(BuildOptimalTable)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(EvaluateTurn)->ArgName("roll")->DenseRange(1, 3)->Unit(benchmark::kMicrosecond);
BENCHMARK(WinChances)
    ->ArgNames({"players", "games"})
    ->Args({2, 1})
    ->Args({3, 3})
    ->Args({6, 6})
    ->Unit(benchmark::kMillisecond);
