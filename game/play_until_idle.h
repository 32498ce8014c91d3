#pragma once

#include <cstdint>
#include <functional>
#include <limits>

#include "game/quintix_game.h"
#include "game/virtual_clock.h"

namespace quintix {

// Plays the game on its virtual clock until the flow rests: every pending step in turn, and the
// summary closed as soon as it shows, as a person pressing OK at once would. closeSummary closes it
// as the caller's window does; by default the game is told it closed. Stops after maxSteps steps
// and closings; returns how many there were.
std::int64_t PlayUntilIdle(TQuintixGame& game, TVirtualClock& clock,
                           std::int64_t maxSteps = std::numeric_limits<std::int64_t>::max(),
                           const std::function<void()>& closeSummary = {});

// Plays the series in progress to its end, people included: a person on turn plays as the usual
// computer player would, by the clicks a person makes (roll, mark, score), so that a recorder or a
// coach sees a person's decisions. Gives up after maxSteps moves.
void PlaySeriesToItsEnd(TQuintixGame& game, TVirtualClock& clock, std::int64_t maxSteps = 100'000);

}  // namespace quintix
