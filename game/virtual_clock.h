#pragma once

#include <cstdint>
#include <functional>

#include "game/step_timer.h"

namespace quintix {

// A step timer on simulated time, for tests and tools: nothing waits; time moves when told to.
class TVirtualClock : public IStepTimer {
public:
    void Start(int intervalMs, std::function<void()> step) override;
    void Stop() override;

    std::int64_t Now() const { return NowMs; }
    bool Pending() const { return static_cast<bool>(Step); }
    // When the pending step is due; meaningless while none is pending.
    std::int64_t DueAt() const { return Due; }

    // Moves time on by ms, running every step that falls due on the way, in order.
    void AdvanceBy(std::int64_t ms);
    // Jumps to the pending step and runs it; false when none is pending.
    bool RunNext();
    // Runs steps until none is pending or maxSteps have run; returns how many ran.
    std::int64_t RunUntilIdle(std::int64_t maxSteps);

private:
    std::int64_t NowMs = 0;
    std::int64_t Due = 0;
    std::function<void()> Step;
};

}  // namespace quintix
