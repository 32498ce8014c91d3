#include "computer/optimal_solver.h"

#include <algorithm>
#include <bit>
#include <memory>
#include <optional>
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

namespace {

void CheckRollAndDice(int roll, const TDiceValues& dice) {
    if (roll < 1 || roll > MaxRolls) {
        throw std::invalid_argument("the roll must be 1, 2 or 3");
    }
    for (const std::int32_t face : dice) {
        if (face < 1 || face > NoOfFaces) {
            throw std::invalid_argument("a die value must be a face 1..6");
        }
    }
}

}  // namespace

TTurnValues::TTurnValues(const TOptimalTable& table, const TGameScore& sheet)
    : Table(table), State(StateOfSheet(sheet)) {
    if (!table.Holds(State)) {
        throw std::invalid_argument("the table holds no position with so many open lines");
    }
}

TTurnValues::~TTurnValues() = default;

// The same steps as the table's build, so a reroll's value is the very one the table used; the
// kept sets' worth after roll 2 is taken on the way back to roll 1.
const TTurnValues::TKeptWorth& TTurnValues::KeptWorth(int roll) {
    if (WorkedBackTo > roll) {
        if (!Batch) {
            Batch = std::make_unique<TTurnBatch>();
            Batch->States.fill(State);
        }
        for (int after = WorkedBackTo - 1; after >= roll; --after) {
            if (after == MaxRolls - 1) {
                ScoreRolls(Table.Solved(), *Batch);
            } else {
                TakeBestKept(*Batch);
            }
            AverageKept(*Batch);
            TKeptWorth& kept = Kept[static_cast<std::size_t>(after - 1)];
            for (std::size_t set = 0; set < kept.size(); ++set) {
                kept[set] = Batch->Values[set][0];
            }
        }
        WorkedBackTo = roll;
    }
    return Kept[static_cast<std::size_t>(roll - 1)];
}

template <typename TTake>
void TTurnValues::EachChoice(int roll, const TDiceValues& dice, TTake&& take) {
    CheckRollAndDice(roll, dice);
    const TDiceMultisets& sets = DiceMultisets();
    const int shown = sets.SetOf(dice) - TDiceMultisets::FirstRoll;
    for (int line = 0; line < NoOfLines; ++line) {
        if ((State.Scored & LineBit(line)) == 0) {
            take(TChoiceValue{TChoiceValue::TKind::Score, line, 0,
                              ScoreValue(Table.Solved(), State, line, shown)});
        }
    }
    if (roll < MaxRolls) {
        const TKeptWorth& kept = KeptWorth(roll);
        for (unsigned rolled = 1; rolled <= AllDice; ++rolled) {
            const auto again = static_cast<TDiceSet>(rolled);
            const int set = sets.SetOf(dice, static_cast<TDiceSet>(AllDice & ~again));
            take(TChoiceValue{TChoiceValue::TKind::Reroll, -1, again, kept[static_cast<std::size_t>(set)]});
        }
    }
}

std::vector<TChoiceValue> TTurnValues::Choices(int roll, const TDiceValues& dice) {
    std::vector<TChoiceValue> choices;
    EachChoice(roll, dice, [&choices](const TChoiceValue& choice) { choices.push_back(choice); });
    std::sort(choices.begin(), choices.end(), ComesBefore);
    return choices;
}

// ComesBefore orders any two different choices, so the first of the sorted list is the one no
// other comes before.
TChoiceValue TTurnValues::Best(int roll, const TDiceValues& dice) {
    std::optional<TChoiceValue> best;
    EachChoice(roll, dice, [&best](const TChoiceValue& choice) {
        if (!best || ComesBefore(choice, *best)) {
            best = choice;
        }
    });
    return *best;
}

std::vector<TChoiceValue> EvaluateTurn(const TOptimalTable& table, const TGameScore& sheet, int roll,
                                       const TDiceValues& dice) {
    CheckRollAndDice(roll, dice);
    return TTurnValues(table, sheet).Choices(roll, dice);
}

TChoiceValue BestChoice(const TOptimalTable& table, const TGameScore& sheet, int roll,
                        const TDiceValues& dice) {
    CheckRollAndDice(roll, dice);
    return TTurnValues(table, sheet).Best(roll, dice);
}

}  // namespace quintix
