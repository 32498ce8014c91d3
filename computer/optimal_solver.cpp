#include "computer/optimal_solver.h"

#include <algorithm>
#include <bit>
#include <memory>
#include <stdexcept>

#include "computer/turn_batch.h"

namespace quintix {

bool ComesBefore(const TChoiceValue& a, const TChoiceValue& b) {
    if (a.Value != b.Value) {
        return a.Value > b.Value;
    }
    if (a.Kind != b.Kind) {
        return a.Kind == TChoiceValue::TKind::Score;
    }
    if (a.Kind == TChoiceValue::TKind::Score) {
        return a.Line < b.Line;
    }
    if (std::popcount(a.Dice) != std::popcount(b.Dice)) {
        return std::popcount(a.Dice) < std::popcount(b.Dice);
    }
    // Of two ascending lists of die numbers of equal length, the first to differ holds the lowest
    // die that only one of the two sets has.
    const auto differ = static_cast<unsigned>(a.Dice ^ b.Dice);
    return (a.Dice & (differ & (~differ + 1))) != 0;
}

double Optimum(const TOptimalTable& table) {
    if (!table.Holds(TSolverState{})) {
        throw std::invalid_argument("the table holds only the end of a game");
    }
    return table.Value(TSolverState{});
}

std::vector<TChoiceValue> EvaluateTurn(const TOptimalTable& table, const TGameScore& sheet, int roll,
                                       const TDiceValues& dice) {
    if (roll < 1 || roll > MaxRolls) {
        throw std::invalid_argument("the roll must be 1, 2 or 3");
    }
    for (const std::int32_t face : dice) {
        if (face < 1 || face > NoOfFaces) {
            throw std::invalid_argument("a die value must be a face 1..6");
        }
    }
    const TSolverState state = StateOfSheet(sheet);
    if (!table.Holds(state)) {
        throw std::invalid_argument("the table holds no position with so many open lines");
    }
    const TDiceMultisets& sets = DiceMultisets();
    const int shown = sets.SetOf(dice) - TDiceMultisets::FirstRoll;

    std::vector<TChoiceValue> choices;
    for (int line = 0; line < NoOfLines; ++line) {
        if ((state.Scored & LineBit(line)) == 0) {
            choices.push_back(
                {TChoiceValue::TKind::Score, line, 0, ScoreValue(table.Solved(), state, line, shown)});
        }
    }
    if (roll < MaxRolls) {
        // The same steps as the table's build, so a reroll's value is the very one the table used.
        const auto batch = std::make_unique<TTurnBatch>();
        batch->States.fill(state);
        KeptWorthAfter(table.Solved(), *batch, roll);
        for (unsigned rolled = 1; rolled <= AllDice; ++rolled) {
            const auto again = static_cast<TDiceSet>(rolled);
            const int kept = sets.SetOf(dice, static_cast<TDiceSet>(AllDice & ~again));
            choices.push_back({TChoiceValue::TKind::Reroll, -1, again, batch->Values[kept][0]});
        }
    }
    std::sort(choices.begin(), choices.end(), ComesBefore);
    return choices;
}

TChoiceValue BestChoice(const TOptimalTable& table, const TGameScore& sheet, int roll,
                        const TDiceValues& dice) {
    return EvaluateTurn(table, sheet, roll, dice).front();
}

}  // namespace quintix
