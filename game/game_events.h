#pragma once

#include "base/types.h"

namespace quintix {

// Moments of play that tools record (the simulator's trace). Every method does nothing unless
// overridden; the windows need none of them.
class IGameEvents {
public:
    virtual ~IGameEvents() = default;

    virtual void SeriesStarted() {}
    // A game begins; the play order is final.
    virtual void GameStarted() {}
    // The last die of a roll has landed and the roll is analysed.
    virtual void RollCompleted() {}
    // The computer player marked these dice (bit i - 1 for die i) to roll again.
    virtual void ComputerRerolls(TDiceSet /*dice*/) {}
    // A person rolls these dice again.
    virtual void PersonRerolls(TDiceSet /*dice*/) {}
    virtual void LineScored(int /*line*/, std::int32_t /*value*/, std::int32_t /*bonus*/) {}
    virtual void SeriesEnded() {}
};

}  // namespace quintix
