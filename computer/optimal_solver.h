#pragma once

#include <vector>

#include "base/types.h"
#include "computer/optimal_table.h"

namespace quintix {

// One choice after a roll with what it is worth under perfect play: the points the game is expected
// to add from this moment, this turn's score included, if the choice is made and every later one is
// the best.
struct TChoiceValue {
    enum class TKind { Score, Reroll } Kind = TKind::Score;
    int Line = -1;      // for Score: the line 0..12
    TDiceSet Dice = 0;  // for Reroll: the dice to roll again, never empty
    double Value = 0.0;

    bool operator==(const TChoiceValue&) const = default;
};

// The order of the choices, best first: the higher value; on equal values scoring before rolling
// again, the lower line, the fewer dice, then the lower die numbers.
bool ComesBefore(const TChoiceValue& a, const TChoiceValue& b);

// What a new game is worth, before its first roll; throws std::invalid_argument for a table that
// holds only the end of a game.
double Optimum(const TOptimalTable& table);

// Every choice after roll `roll` (1..3) of a turn on `sheet`, the dice showing `dice` (die 1..5):
// scoring each open line and, after rolls 1 and 2, rolling again each of the 31 sets of dice; in
// the order of ComesBefore. Dice showing the same faces give rerolls of identical value. Throws
// std::invalid_argument for a sheet with no open line (or one no game can make, or beyond the
// table), a roll number outside 1..3 or a die outside 1..6.
std::vector<TChoiceValue> EvaluateTurn(const TOptimalTable& table, const TGameScore& sheet, int roll,
                                       const TDiceValues& dice);

// The first of EvaluateTurn's choices.
TChoiceValue BestChoice(const TOptimalTable& table, const TGameScore& sheet, int roll,
                        const TDiceValues& dice);

}  // namespace quintix
