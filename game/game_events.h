#pragma once

#include "base/types.h"

namespace quintix {

// Moments of play, for whoever follows the game: the simulator's trace, the coach, a recorder.
// Every method does nothing unless overridden; the windows need none of them. A listener reads
// the game's state as it stands at the moment it is told.
class IGameEvents {
public:
    virtual ~IGameEvents() = default;

    virtual void SeriesStarted() {}
    // A game begins; the play order is final.
    virtual void GameStarted() {}
    // The turn passes to the player on turn, who has yet to roll (also each turn of the roll for
    // order).
    virtual void TurnStarted() {}
    // The last die of a roll has landed and the roll is analysed.
    virtual void RollCompleted() {}
    // The computer player marked these dice (bit i - 1 for die i) to roll again.
    virtual void ComputerRerolls(TDiceSet /*dice*/) {}
    // A person rolls these dice again.
    virtual void PersonRerolls(TDiceSet /*dice*/) {}
    virtual void LineScored(int /*line*/, std::int32_t /*value*/, std::int32_t /*bonus*/) {}
    // A person took back the score on this line: the turn is again as it was just before it, the
    // dice landed and the line open.
    virtual void ScoreUndone(int /*line*/) {}
    // Every sheet of this game (1..6) is full; told before the next game starts or the series ends.
    virtual void GameEnded(int /*game*/) {}
    virtual void SeriesEnded() {}
};

}  // namespace quintix
