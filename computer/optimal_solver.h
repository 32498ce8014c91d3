#pragma once

#include <array>
#include <memory>
#include <vector>

#include "base/types.h"
#include "computer/dice_multisets.h"
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

struct TTurnBatch;

// One turn's choices valued once for the sheet it starts on, so that a player deciding after each
// of its rolls works the turn back once, not once a roll; the values are EvaluateTurn's to the bit.
// Not shared between threads: it works the turn out as its rolls ask.
class TTurnValues {
public:
    // Throws std::invalid_argument for a sheet EvaluateTurn refuses.
    TTurnValues(const TOptimalTable& table, const TGameScore& sheet);
    ~TTurnValues();
    TTurnValues(const TTurnValues&) = delete;
    TTurnValues& operator=(const TTurnValues&) = delete;

    // EvaluateTurn's choices and BestChoice's choice for this sheet, with its checks.
    std::vector<TChoiceValue> Choices(int roll, const TDiceValues& dice);
    TChoiceValue Best(int roll, const TDiceValues& dice);

private:
    using TKeptWorth = std::array<double, TDiceMultisets::FirstRoll>;

    // Calls take(choice) for every choice, unordered.
    template <typename TTake>
    void EachChoice(int roll, const TDiceValues& dice, TTake&& take);
    const TKeptWorth& KeptWorth(int roll);

    const TOptimalTable& Table;
    TSolverState State;
    std::unique_ptr<TTurnBatch> Batch;
    int WorkedBackTo = MaxRolls;                  // the earliest roll whose kept sets are valued
    std::array<TKeptWorth, MaxRolls - 1> Kept{};  // after roll 1 and roll 2
};

}  // namespace quintix
