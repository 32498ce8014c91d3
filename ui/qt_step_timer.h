#pragma once

#include <QTimer>
#include <functional>

#include "game/step_timer.h"

namespace quintix {

// The game's step timer on a real QTimer: single-shot, and arming it again replaces the pending step.
class TQtStepTimer : public IStepTimer {
public:
    TQtStepTimer() {
        RollTimer.setObjectName("RollTimer");
        RollTimer.setSingleShot(true);
        QObject::connect(&RollTimer, &QTimer::timeout, [this] {
            // Taken out before it runs: the step may arm the timer again.
            auto step = std::move(Step);
            Step = nullptr;
            if (step) {
                step();
            }
        });
    }

    void Start(int intervalMs, std::function<void()> step) override {
        Step = std::move(step);
        RollTimer.start(intervalMs);
    }
    void Stop() override {
        RollTimer.stop();
        Step = nullptr;
    }

private:
    QTimer RollTimer;
    std::function<void()> Step;
};

}  // namespace quintix
