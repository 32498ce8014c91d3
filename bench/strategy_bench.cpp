#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

#include "base/types.h"
#include "computer/estimate_cache.h"
#include "computer/strategy.h"
#include "scoring/dice_analysis.h"
#include "scoring/line_value.h"

namespace {

using quintix::AllDice;
using quintix::DieBit;
using quintix::TComputerDecision;
using quintix::TDiceAnalysis;
using quintix::TDiceSet;
using quintix::TDiceValues;
using quintix::TEstimateTables;
using quintix::TEstimators;
using quintix::TGameScore;
using quintix::TTurnView;

// One moment at which the game asks the computer for a move.
struct TPosition {
    TGameScore Sheet;
    TDiceAnalysis Analysis;
    std::int32_t RollCount = 1;
    std::int32_t Turn = 1;
};

int Draw(std::mt19937& random, int bound) {
    return static_cast<int>(random() % static_cast<std::uint32_t>(bound));
}

void Record(TGameScore& sheet, const TDiceAnalysis& a, int line) {
    if (quintix::EarnsQuintixBonus(a, sheet)) {
        sheet.Bonus += quintix::QuintixBonusPoints;
    }
    sheet.Lines[static_cast<std::size_t>(line)] = quintix::LineValue(a, line);
}

// Plays one game for a computer player alone, handing every position it decides on to `seen`.
template <typename Seen>
void PlayGame(std::mt19937& random, Seen seen) {
    TGameScore sheet = TGameScore::Blank();
    for (std::int32_t turn = 1; turn <= quintix::TurnsPerGame; ++turn) {
        TDiceValues dice;
        TDiceSet toRoll = AllDice;
        for (std::int32_t roll = 1; roll <= quintix::MaxRolls; ++roll) {
            for (int die = 1; die <= quintix::NoOfDice; ++die) {
                if ((toRoll & DieBit(die)) != 0) {
                    dice[die] = 1 + Draw(random, quintix::NoOfFaces);
                }
            }
            const TDiceAnalysis analysis = quintix::AnalyseDice(dice, sheet);
            const TTurnView view{analysis, sheet, roll, turn};
            seen(view);
            const TComputerDecision decision = quintix::DecideComputerMove(view);
            if (decision.Kind == TComputerDecision::TKind::Score) {
                Record(sheet, analysis, decision.Line);
                break;
            }
            toRoll = decision.Dice;
        }
    }
}

// The positions of 200 games: every stage of a sheet, from blank to one line open, on all three rolls.
// `roll` 1..3 keeps only the positions after that roll; 0 keeps all.
std::vector<TPosition> Positions(std::int32_t roll) {
    std::mt19937 random(2024);
    std::vector<TPosition> positions;
    for (int game = 0; game < 200; ++game) {
        PlayGame(random, [&](const TTurnView& view) {
            if (roll == 0 || view.RollCount == roll) {
                positions.push_back({view.Sheet, view.Analysis, view.RollCount, view.Turn});
            }
        });
    }
    return positions;
}

void Decide(benchmark::State& state, const TEstimators& estimators) {
    const std::vector<TPosition> positions = Positions(static_cast<std::int32_t>(state.range(0)));
    std::size_t next = 0;
    for ([[maybe_unused]] auto _ : state) {
        const TPosition& p = positions[next];
        benchmark::DoNotOptimize(
            quintix::DecideComputerMove(TTurnView{p.Analysis, p.Sheet, p.RollCount, p.Turn}, estimators));
        next = next + 1 == positions.size() ? 0 : next + 1;
    }
    state.SetItemsProcessed(state.iterations());
}

// One decision, with the estimates from the tables as the game asks for them.
void DecideComputerMoveCached(benchmark::State& state) {
    quintix::EstimateTables();
    Decide(state, quintix::CachedEstimators);
}

// The same decisions with every estimate worked out afresh, as without the tables.
void DecideComputerMoveDirect(benchmark::State& state) {
    Decide(state, quintix::DirectEstimators);
}

// What the first decision of a process pays once to fill the tables.
void FillEstimateTables(benchmark::State& state) {
    for ([[maybe_unused]] auto _ : state) {
        const TEstimateTables tables;
        benchmark::DoNotOptimize(&tables);
    }
}

// Whole games for one computer player: rolls, dice analysis and decisions, no game object.
void PlayWholeGames(benchmark::State& state) {
    quintix::EstimateTables();
    std::mt19937 random(99);
    std::int64_t decisions = 0;
    for ([[maybe_unused]] auto _ : state) {
        PlayGame(random, [&decisions](const TTurnView&) { ++decisions; });
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["decisions per game"] =
        benchmark::Counter(static_cast<double>(decisions) / static_cast<double>(state.iterations()));
}

}  // namespace

BENCHMARK(DecideComputerMoveCached)->ArgName("roll")->DenseRange(0, 3);
BENCHMARK(DecideComputerMoveDirect)->ArgName("roll")->DenseRange(0, 3);
BENCHMARK(FillEstimateTables)->Unit(benchmark::kMillisecond);
BENCHMARK(PlayWholeGames)->Unit(benchmark::kMicrosecond);
