#pragma once

namespace quintix {

// The pacing of the game, in milliseconds. Every pause goes through the step timer.
constexpr int DieFallDelay = 250;        // each die of a roll lands one tick after the one before
constexpr int AfterRollDelay = 1000;     // a computer player's completed roll, or a roll for order
constexpr int BetweenTurnsDelay = 2000;  // after a line has been scored
constexpr int ComputerRerollDelay = 500;
constexpr int NextStepDelay = 1;  // "at once", but from the timer, after the current event is done

// With quick computer turns, a computer player's pauses last a quarter as long, to the millisecond
// below; the dice still fall one by one. A person's pauses never change.
constexpr int QuickTurnsDivisor = 4;
constexpr int PaceOf(int delayMs, bool quick) {
    return quick ? delayMs / QuickTurnsDivisor : delayMs;
}

}  // namespace quintix
