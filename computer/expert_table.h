#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

#include "computer/table_provider.h"

namespace quintix {

// The solver's full table, built once when first requested, on a worker thread so that whoever
// asked can go on meanwhile.
//
// Threads: the owner's thread makes the provider, requests, peeks, subscribes and destroys it;
// the worker thread only builds. The worker writes the table and then sets Built; everything the
// worker has to tell, it hands to `post`, which must run the function on the owner's thread
// (the window's event loop, say). The destructor stops the worker and joins it before any member
// goes, and a function posted by the worker that runs after the provider has gone does nothing.
class TExpertTable final : public ITableProvider {
public:
    using TPost = std::function<void(std::function<void()>)>;

    // Without `post` the worker's news is lost, so readiness shows only through Peek: for tools
    // that build on their own thread with BuildNow.
    explicit TExpertTable(TPost post = nullptr);
    ~TExpertTable() override;
    TExpertTable(const TExpertTable&) = delete;
    TExpertTable& operator=(const TExpertTable&) = delete;

    void Request() override;
    const TOptimalTable* Peek() const override;
    double Progress() const override { return Share.load(std::memory_order_relaxed); }
    TSubscription OnReady(std::function<void()> ready) override {
        return ReadyListeners.Add(std::move(ready));
    }
    TSubscription OnProgress(std::function<void()> advanced) override {
        return ProgressListeners.Add(std::move(advanced));
    }

    // Builds the table on the calling thread if no worker has, for tools that cannot go on
    // without it; waits for a worker's build.
    const TOptimalTable& BuildNow();

private:
    void ProgressMade();
    void Announce();

    TPost Post;
    std::shared_ptr<bool> Alive = std::make_shared<bool>(true);  // expires when the provider goes
    TObservers<std::function<void()>> ReadyListeners;
    TObservers<std::function<void()>> ProgressListeners;
    std::atomic<double> Share{0.0};
    std::atomic<bool> Built{false};
    bool Announced = false;
    std::optional<TOptimalTable> Result;  // written once, before Built is set
    std::jthread Worker;                  // last, so that it is joined before the rest goes
};

}  // namespace quintix
