#include "game/play_until_idle.h"

namespace quintix {

std::int64_t PlayUntilIdle(TQuintixGame& game, TVirtualClock& clock, std::int64_t maxSteps,
                           const std::function<void()>& closeSummary) {
    std::int64_t steps = 0;
    for (; steps < maxSteps; ++steps) {
        if (!game.SummaryOpen()) {
            if (!clock.RunNext()) {
                break;
            }
        } else if (closeSummary) {
            closeSummary();
        } else {
            game.SummaryClosed();
        }
    }
    return steps;
}

}  // namespace quintix
