#include "game/virtual_clock.h"

#include <algorithm>
#include <utility>

namespace quintix {

void TVirtualClock::Start(int intervalMs, std::function<void()> step) {
    Due = NowMs + intervalMs;
    Step = std::move(step);
}

void TVirtualClock::Stop() {
    Step = nullptr;
}

// The step is taken out before it runs, as the real timer disables itself first: a step that arms
// the timer again leaves exactly that new step pending.
bool TVirtualClock::RunNext() {
    if (!Step) {
        return false;
    }
    NowMs = std::max(NowMs, Due);
    auto step = std::exchange(Step, nullptr);
    step();
    return true;
}

void TVirtualClock::AdvanceBy(std::int64_t ms) {
    const std::int64_t until = NowMs + ms;
    while (Step && Due <= until) {
        RunNext();
    }
    NowMs = until;
}

std::int64_t TVirtualClock::RunUntilIdle(std::int64_t maxSteps) {
    std::int64_t ran = 0;
    while (ran < maxSteps && RunNext()) {
        ++ran;
    }
    return ran;
}

}  // namespace quintix
