#pragma once

#include <cstdint>

#include "base/types.h"
#include "scoring/dice_analysis.h"

namespace quintix {

// What the computer player sees after a completed roll of its turn.
struct TTurnView {
    const TDiceAnalysis& Analysis;  // of the roll just completed
    const TGameScore& Sheet;        // the player's sheet for the current game
    std::int32_t RollCount;         // rolls made in this turn, 1..3
    std::int32_t Turn;              // turn of the game, 1..13
};

// The computer's decision after a roll: score a line, or roll these dice again.
struct TComputerDecision {
    enum class TKind { Score, Roll } Kind;
    int Line = 0;       // for Score
    TDiceSet Dice = 0;  // for Roll; never empty
};

// The estimate for one line; 1.0 when the dice already fit, 0.0 for a line that is closed.
double LineChance(const TTurnView& view, int line);
// The dice to roll again when aiming for a line.
TDiceSet DiceToRoll(const TTurnView& view, int line);
// The dice to roll again for the line with the best estimate; all dice when none has any.
TDiceSet ChooseDiceToRoll(const TTurnView& view);
// For an upper line: UpperPar, plus what scoring these dice there would add to it.
std::int32_t UpperParWith(const TTurnView& view, int line);
// The whole decision of one computer move, as ComputerMove makes it.
TComputerDecision DecideComputerMove(const TTurnView& view);

struct TEstimators;
// The same decision on a given set of estimators; the one above uses the cached ones. Either scores
// line -1 only when the sheet has no open line, which no game asks for.
TComputerDecision DecideComputerMove(const TTurnView& view, const TEstimators& estimators);

}  // namespace quintix
