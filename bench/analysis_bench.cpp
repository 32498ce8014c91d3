#include <benchmark/benchmark.h>

#include <cstddef>
#include <vector>

#include "base/types.h"
#include "scoring/dice_analysis.h"

namespace {

using quintix::TDiceValues;
using quintix::TGameScore;

// Every 7th of the 7776 rolls, so that the cycle mixes kinds, pairs, runs and junk in no set order.
std::vector<TDiceValues> DiceCycle() {
    std::vector<TDiceValues> cycle;
    for (int code = 0; code < 7776; code += 7) {
        TDiceValues dice;
        int rest = code;
        for (int die = 1; die <= quintix::NoOfDice; ++die, rest /= 6) {
            dice[die] = rest % 6 + 1;
        }
        cycle.push_back(dice);
    }
    return cycle;
}

// Halfway through a game: some upper lines ahead of par, some behind, a Quintix already scored.
TGameScore HalfFilledSheet() {
    TGameScore sheet = TGameScore::Blank();
    sheet.Lines[quintix::Twos] = 8;
    sheet.Lines[quintix::Fives] = 10;
    sheet.Lines[quintix::Sixes] = 24;
    sheet.Lines[quintix::FourOfAKind] = 0;
    sheet.Lines[quintix::SmallStraight] = 30;
    sheet.Lines[quintix::QuintixLine] = 50;
    return sheet;
}

void AnalyseDiceCycle(benchmark::State& state, const TGameScore& sheet) {
    const std::vector<TDiceValues> cycle = DiceCycle();
    std::size_t next = 0;
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the library's loop idiom
        benchmark::DoNotOptimize(quintix::AnalyseDice(cycle[next], sheet));
        next = next + 1 == cycle.size() ? 0 : next + 1;
    }
    state.SetItemsProcessed(state.iterations());
}

void BlankSheet(benchmark::State& state) {
    AnalyseDiceCycle(state, TGameScore::Blank());
}
void HalfFilled(benchmark::State& state) {
    AnalyseDiceCycle(state, HalfFilledSheet());
}

}  // namespace

BENCHMARK(BlankSheet);
BENCHMARK(HalfFilled);
