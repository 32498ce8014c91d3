#include "computer/expert_table.h"

#include "computer/dice_multisets.h"
#include "computer/roll_points.h"

namespace quintix {

TExpertTable::~TExpertTable() {
    Worker.request_stop();
}

void TExpertTable::Prepare() {
    if (Worker.joinable() || Built.load(std::memory_order_acquire)) {
        return;
    }
    Worker = std::jthread([this](std::stop_token stop) {
        TBuildOptions options;
        options.Stop = stop;
        options.Progress = [this](double share) { Share.store(share, std::memory_order_relaxed); };
        if (auto table = BuildOptimalTable(options)) {
            Result = std::move(table);
            Share.store(1.0, std::memory_order_relaxed);
            Built.store(true, std::memory_order_release);
        }
    });
}

const TOptimalTable* TExpertTable::Peek() const {
    return Built.load(std::memory_order_acquire) ? &*Result : nullptr;
}

const TOptimalTable* TExpertTable::Table() {
    if (Built.load(std::memory_order_acquire)) {
        return &*Result;
    }
    Prepare();
    return nullptr;
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
    return *Result;
}

// A build may still be running when the process ends. The solver's own tables are made before
// the shared one, so they are destroyed after it has stopped its worker.
TExpertTable& ExpertTable() {
    static TExpertTable& table = []() -> TExpertTable& {
        DiceMultisets();
        RollPoints();
        static TExpertTable shared;
        return shared;
    }();
    return table;
}

}  // namespace quintix
