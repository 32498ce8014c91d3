#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace quintix {

// The end of a subscription: it cancels itself when it goes, so a listener that is destroyed is
// never called again. Cancelling after the list itself has gone is harmless.
class TSubscription {
public:
    TSubscription() = default;
    explicit TSubscription(std::function<void()> cancel) : CancelFn(std::move(cancel)) {}
    TSubscription(TSubscription&& other) noexcept : CancelFn(std::exchange(other.CancelFn, nullptr)) {}
    TSubscription& operator=(TSubscription&& other) noexcept {
        if (this != &other) {
            Cancel();
            CancelFn = std::exchange(other.CancelFn, nullptr);
        }
        return *this;
    }
    TSubscription(const TSubscription&) = delete;
    TSubscription& operator=(const TSubscription&) = delete;
    ~TSubscription() { Cancel(); }

    void Cancel() {
        if (auto cancel = std::exchange(CancelFn, nullptr)) {
            cancel();
        }
    }
    bool Active() const { return static_cast<bool>(CancelFn); }

private:
    std::function<void()> CancelFn;
};

// Listeners called in the order they subscribed. One thread only: the list is made, told and left
// on the thread that owns it. A listener may cancel its own or another's subscription while being
// told; one cancelled then is not called any more.
template <typename TListener>
class TObservers {
public:
    TObservers() = default;
    TObservers(const TObservers&) = delete;
    TObservers& operator=(const TObservers&) = delete;

    [[nodiscard]] TSubscription Add(TListener listener) {
        const std::uint64_t id = NextId++;
        Entries->push_back({id, std::move(listener)});
        return TSubscription([weak = std::weak_ptr<std::vector<TEntry>>(Entries), id] {
            if (const auto entries = weak.lock()) {
                std::erase_if(*entries, [id](const TEntry& entry) { return entry.Id == id; });
            }
        });
    }

    // Calls tell(listener) for every listener, in the order they subscribed.
    template <typename TTell>
    void Notify(TTell&& tell) const {
        const std::shared_ptr<std::vector<TEntry>> entries = Entries;  // the list may go while told
        std::uint64_t last = 0;
        for (;;) {
            const auto next =
                std::ranges::find_if(*entries, [last](const TEntry& e) { return e.Id >= last; });
            if (next == entries->end()) {
                return;
            }
            last = next->Id + 1;
            TListener listener = next->Listener;
            tell(listener);
        }
    }

    bool Empty() const { return Entries->empty(); }

private:
    struct TEntry {
        std::uint64_t Id;
        TListener Listener;
    };
    std::shared_ptr<std::vector<TEntry>> Entries = std::make_shared<std::vector<TEntry>>();
    std::uint64_t NextId = 1;
};

}  // namespace quintix
