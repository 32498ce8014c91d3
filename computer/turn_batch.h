#pragma once

#include <array>
#include <span>

#include "computer/dice_multisets.h"
#include "computer/solver_state.h"

namespace quintix {

// Positions are solved several at a time, one per lane, so that every step of a turn runs over
// contiguous lanes instead of gathering single values.
constexpr int BatchLanes = 8;

// One turn of up to BatchLanes positions that have the same lines scored. A slot per dice
// multiset holds, per lane, what that set of dice is worth at the current stage of the turn.
struct TTurnBatch {
    using TLanes = std::array<double, BatchLanes>;

    std::array<TSolverState, BatchLanes> States;
    alignas(64) std::array<TLanes, TDiceMultisets::Count> Values;
};

// `solved` holds the value of every state the turn can lead to, indexed by StateIndex.

// What scoring `roll` (0..251) on the open `line` is worth: the points it adds now and the value of
// the state it leads to.
double ScoreValue(std::span<const double> solved, const TSolverState& s, int line, int roll);

// Sets each roll slot to what the roll is worth when scored on its best line: the last roll.
void ScoreRolls(std::span<const double> solved, TTurnBatch& batch);

// Sets each kept set's slot to the average over the six faces of the set with one more die: the
// worth of keeping those dice and rolling the others, from what the roll slots say the next roll
// is worth.
void AverageKept(TTurnBatch& batch);

// The worth before the first roll: the roll slots weighed by the chance of each roll.
TTurnBatch::TLanes FirstRollAverage(const TTurnBatch& batch);

// Makes each kept set's slot the best of keeping any of its subsets, and so each roll slot the
// best of what it held and of rolling any of its dice again: the roll before. A roll slot that held
// the next roll's worth rather than the score may keep it, as holding all five dice for the next
// roll is never worth more than scoring them or rolling some again now.
void TakeBestKept(TTurnBatch& batch);

// Works the turn back from its last roll, through the steps above, until the kept sets' slots hold
// the worth of keeping those dice after roll `roll` (1 or 2) and rolling the others.
void KeptWorthAfter(std::span<const double> solved, TTurnBatch& batch, int roll);

}  // namespace quintix
