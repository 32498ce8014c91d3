#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "computer/optimal_solver.h"
#include "history/game_record.h"

namespace quintix {

// One decision of a stored game, after one roll of a turn, as the coach would have valued it.
struct TReviewedDecision {
    int Turn = 1;  // 1..13
    int Roll = 1;  // 1..3
    TDiceValues Dice{};
    TChoiceValue Taken;  // what was done: its kind, line or dice, and its value
    TChoiceValue Best;
    std::int32_t GrandTotalBefore =
        0;                   // of the sheet at the start of the turn; a choice leads to this plus its value
    double GivenAway = 0.0;  // Best's value less Taken's
};

struct TGameReview {
    std::vector<TReviewedDecision> Decisions;  // in the order they were made
    double GivenAway = 0.0;                    // over the game, added up in that order
    // The decisions that gave away most, costliest first (the earlier of equals first): up to three,
    // only those that gave something away.
    std::vector<std::size_t> Costliest;
};

// Reviews a stored game: its decisions are replayed on the sheet and each valued with the table,
// the way the coach counts the points given away. A game whose decisions cannot be read, do not make
// a whole game or do not give the stored sheet gives nullopt and the reason in error.
std::optional<TGameReview> ReviewGame(const TOptimalTable& table, const TGameRecord& game,
                                      std::string& error);

}  // namespace quintix
