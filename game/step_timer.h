#pragma once

#include <functional>

namespace quintix {

// The one timer that paces the game, used as a one-shot: at most one step is pending, and arming
// it again replaces the pending step. The windows plug in a real timer; tests and tools a virtual
// clock they advance by hand.
class IStepTimer {
public:
    virtual ~IStepTimer() = default;

    virtual void Start(int intervalMs, std::function<void()> step) = 0;
    virtual void Stop() = 0;
};

}  // namespace quintix
