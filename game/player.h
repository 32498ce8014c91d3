#pragma once

#include <cstdint>
#include <string>

#include "base/one_based.h"
#include "base/types.h"

namespace quintix {

struct TPlayer {
    std::string Name;
    bool Computer = false;
    // Row of Scores that holds this player's sheets: the entry order, fixed for a series,
    // while the record itself moves when the play order is sorted.
    std::int32_t ScoreIndex = 0;
    std::int32_t SortKey = 0;

    bool operator==(const TPlayer&) const = default;
};

// Positions 1..6 in play order; position 1 plays first.
using TPlayers = OneBased<TPlayer, MaxPlayers>;

// One die as the player sees it: its face and whether its picture and its selection frame show.
struct TDie {
    std::int32_t Value = NoValue;
    bool ImageShown = false;
    bool SelectShown = false;

    bool operator==(const TDie&) const = default;
};

}  // namespace quintix
