#pragma once

#include <functional>

#include "base/observers.h"
#include "computer/optimal_table.h"

namespace quintix {

// Where the expert players, the coach and its window find the solver's table. The program's entry
// makes one and hands it on; tools and tests hand their own, a small fake where the real table is
// not the point. Used on one thread, the one that owns it; a build may run on a worker of its own.
class ITableProvider {
public:
    virtual ~ITableProvider() = default;

    // Starts building the table unless it is built or being built; returns at once.
    virtual void Request() = 0;
    // The table once it is built, else null. Starts nothing.
    virtual const TOptimalTable* Peek() const = 0;
    // How far the build has come, 0..1.
    virtual double Progress() const = 0;
    // Calls `ready` once, on the owner's thread, when the table has been built; never if it was
    // built before the call (Peek says so) or the subscription ended first.
    [[nodiscard]] virtual TSubscription OnReady(std::function<void()> ready) = 0;
    // Calls `advanced` on the owner's thread each time the build has come a step further.
    [[nodiscard]] virtual TSubscription OnProgress(std::function<void()> advanced) = 0;
};

// A provider whose table is there from the start (or never, given null): for tools that build the
// table before they play, and for tests.
class TFixedTable final : public ITableProvider {
public:
    explicit TFixedTable(const TOptimalTable* table) : Table(table) {}

    void Request() override {}
    const TOptimalTable* Peek() const override { return Table; }
    double Progress() const override { return Table != nullptr ? 1.0 : 0.0; }
    TSubscription OnReady(std::function<void()> /*ready*/) override { return {}; }
    TSubscription OnProgress(std::function<void()> /*advanced*/) override { return {}; }

private:
    const TOptimalTable* Table;
};

}  // namespace quintix
