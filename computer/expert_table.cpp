#include "computer/expert_table.h"

#include <cmath>

namespace quintix {

TExpertTable::TExpertTable(TPost post) : Post(std::move(post)) {}

// The worker is stopped and joined here, while the table and the listeners it may touch are
// still there; the functions it posted that run later find Alive expired and do nothing.
TExpertTable::~TExpertTable() {
    Worker.request_stop();
    if (Worker.joinable()) {
        Worker.join();
    }
}

void TExpertTable::Request() {
    if (Worker.joinable() || Built.load(std::memory_order_acquire)) {
        return;
    }
    Worker = std::jthread([this, alive = std::weak_ptr<bool>(Alive)](std::stop_token stop) {
        const auto tell = [this, alive](void (TExpertTable::*news)()) {
            if (Post) {
                Post([this, alive, news] {
                    if (alive.lock()) {
                        (this->*news)();
                    }
                });
            }
        };
        TBuildOptions options;
        options.Stop = stop;
        int shownPercent = 0;
        options.Progress = [&](double share) {
            Share.store(share, std::memory_order_relaxed);
            const int percent = static_cast<int>(std::floor(share * 100));
            if (percent > shownPercent) {
                shownPercent = percent;
                tell(&TExpertTable::ProgressMade);
            }
        };
        if (auto table = BuildOptimalTable(options)) {
            Result = std::move(table);
            Share.store(1.0, std::memory_order_relaxed);
            Built.store(true, std::memory_order_release);
            tell(&TExpertTable::Announce);
        }
    });
}

const TOptimalTable* TExpertTable::Peek() const {
    return Built.load(std::memory_order_acquire) ? &*Result : nullptr;
}

const TOptimalTable& TExpertTable::BuildNow() {
    if (Worker.joinable()) {
        Worker.join();
    }
    if (!Built.load(std::memory_order_acquire)) {
        Result = BuildOptimalTable();
        Share.store(1.0, std::memory_order_relaxed);
        Built.store(true, std::memory_order_release);
    }
    Announce();
    return *Result;
}

void TExpertTable::ProgressMade() {
    ProgressListeners.Notify([](const std::function<void()>& advanced) { advanced(); });
}

// Readiness is told once, whether the worker or BuildNow finished the build.
void TExpertTable::Announce() {
    if (!std::exchange(Announced, true)) {
        ProgressMade();
        ReadyListeners.Notify([](const std::function<void()>& ready) { ready(); });
    }
}

}  // namespace quintix
