#pragma once

#include <functional>

#include "computer/table_provider.h"

namespace quintix::testing {

// The solver's full table, built once per process on the first call.
const TOptimalTable& SharedTable();
// The table of the last two turns of a game only, built in a fraction of the time; once per process.
const TOptimalTable& EndTable();

// A table provider that builds on request, on the spot, and says so at once: an expert decision
// finds the table the moment it asks, so that a seed replays the same events whatever the
// machine's speed, and processes that never play an expert never build it.
class TTableOnRequest final : public ITableProvider {
public:
    void Request() override;
    const TOptimalTable* Peek() const override { return Table; }
    double Progress() const override { return Table != nullptr ? 1.0 : 0.0; }
    TSubscription OnReady(std::function<void()> ready) override { return Ready.Add(std::move(ready)); }
    TSubscription OnProgress(std::function<void()> /*advanced*/) override { return {}; }

private:
    const TOptimalTable* Table = nullptr;
    TObservers<std::function<void()>> Ready;
};

// A table provider the test moves on by hand: how far the build has come, and when it is done.
class TTableByHand final : public ITableProvider {
public:
    void Request() override { ++Requests; }
    const TOptimalTable* Peek() const override { return Table; }
    double Progress() const override { return Share; }
    TSubscription OnReady(std::function<void()> ready) override { return Ready.Add(std::move(ready)); }
    TSubscription OnProgress(std::function<void()> advanced) override {
        return Advanced.Add(std::move(advanced));
    }

    void Advance(double share);
    void Provide(const TOptimalTable& table);

    int Requests = 0;

private:
    const TOptimalTable* Table = nullptr;
    double Share = 0.0;
    TObservers<std::function<void()>> Ready;
    TObservers<std::function<void()>> Advanced;
};

}  // namespace quintix::testing
