#pragma once

#include <atomic>
#include <optional>
#include <thread>

#include "computer/optimal_table.h"

namespace quintix {

// The optimal table of the process, built once when first asked for, on a worker thread so that
// whoever asks can go on meanwhile: the expert computer players and the coach share it.
class TExpertTable {
public:
    TExpertTable() = default;
    // Stops a build that is still running.
    ~TExpertTable();
    TExpertTable(const TExpertTable&) = delete;
    TExpertTable& operator=(const TExpertTable&) = delete;

    // Starts the build on a worker thread if it has not started yet.
    void Prepare();
    // The table once it is built, else null (and the build starts).
    const TOptimalTable* Table();
    // The table once it is built, else null; starts nothing.
    const TOptimalTable* Peek() const;
    // Builds the table on the calling thread if no worker has, for tools that cannot go on
    // without it; waits for a worker's build.
    const TOptimalTable& BuildNow();
    // How far the build has come, 0..1.
    double Progress() const { return Share.load(std::memory_order_relaxed); }

private:
    std::atomic<double> Share{0.0};
    std::atomic<bool> Built{false};
    std::optional<TOptimalTable> Result;  // written once, before Built is set
    std::jthread Worker;
};

// The table of the process, shared by whoever plays or advises on it.
TExpertTable& ExpertTable();

}  // namespace quintix
