#include "computer/optimal_table.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <memory>
#include <thread>

#include "computer/turn_batch.h"

namespace quintix {

namespace {

constexpr int MaxStatesPerMask = 2 * (UpperCap + 1);

// The states with some lines scored that need solving: one per reachable upper sum from which 63
// can still be reached, and for each Quintix flag a stand-in for the other sums, which can no
// longer change anything and so share one value, the very same double.
struct TMaskStates {
    std::array<TSolverState, MaxStatesPerMask> States;
    int Count = 0;
    std::uint64_t Hopeless = 0;  // the upper sums the stand-ins answer for, bit s for sum s
    std::int32_t StandIn = 0;

    explicit TMaskStates(std::uint16_t scored) {
        std::int32_t reachable = 0;
        for (int line = Aces; line <= Sixes; ++line) {
            reachable += (scored & LineBit(line)) == 0 ? NoOfDice * (line + 1) : 0;
        }
        const std::uint64_t sums = ReachableUpperSums(scored);
        for (std::int32_t upper = 0; upper <= UpperCap; ++upper) {
            if ((sums >> upper & 1U) != 0 && upper + reachable < UpperBonusThreshold) {
                Hopeless |= std::uint64_t{1} << upper;
            }
        }
        StandIn = std::countr_zero(Hopeless);
        for (const bool fifty : {false, true}) {
            if (fifty && (scored & LineBit(QuintixLine)) == 0) {
                break;
            }
            for (std::int32_t upper = 0; upper <= UpperCap; ++upper) {
                if ((sums >> upper & 1U) != 0 && ((Hopeless >> upper & 1U) == 0 || upper == StandIn)) {
                    States[static_cast<std::size_t>(Count++)] = TSolverState{scored, upper, fifty};
                }
            }
        }
    }
};

// Solves every state with these lines scored from the states with one line more.
void SolveMask(std::uint16_t scored, std::span<double> values, TTurnBatch& batch) {
    const TMaskStates mask(scored);
    for (int first = 0; first < mask.Count; first += BatchLanes) {
        const int lanes = std::min(BatchLanes, mask.Count - first);
        // Spare lanes repeat the last state rather than carry stale values.
        for (int w = 0; w < BatchLanes; ++w) {
            batch.States[static_cast<std::size_t>(w)] =
                mask.States[static_cast<std::size_t>(first + std::min(w, lanes - 1))];
        }
        KeptWorthAfter(values, batch, 1);
        TakeBestKept(batch);
        const TTurnBatch::TLanes start = FirstRollAverage(batch);
        for (int w = 0; w < lanes; ++w) {
            values[StateIndex(batch.States[static_cast<std::size_t>(w)])] =
                start[static_cast<std::size_t>(w)];
        }
    }
    for (const bool fifty : {false, true}) {
        if (mask.Hopeless == 0 || (fifty && (scored & LineBit(QuintixLine)) == 0)) {
            break;
        }
        const double value = values[StateIndex(TSolverState{scored, mask.StandIn, fifty})];
        for (std::int32_t upper = 0; upper <= UpperCap; ++upper) {
            if ((mask.Hopeless >> upper & 1U) != 0) {
                values[StateIndex(TSolverState{scored, upper, fifty})] = value;
            }
        }
    }
}

}  // namespace

struct TTableBuilder {
    static std::optional<TOptimalTable> Build(const TBuildOptions& options) {
        DiceMultisets();
        RollPoints();
        TOptimalTable table;
        table.Values.assign(StateCount, 0.0);
        table.OpenLines = std::clamp(options.MostOpenLines, 0, static_cast<int>(NoOfLines));
        const int fewestScored = NoOfLines - table.OpenLines;
        const std::span<double> values = table.Values;

        // A state needs only states with one line more scored, so all states with the same number of
        // lines scored can be solved at once, in any order and on any thread.
        std::array<std::vector<std::uint16_t>, NoOfLines + 1> byScored;
        std::array<double, NoOfLines + 1> statesByScored{};
        double allStates = 0;
        for (unsigned scored = 0; scored < AllLinesScored; ++scored) {
            const auto mask = static_cast<std::uint16_t>(scored);
            const auto n = static_cast<std::size_t>(std::popcount(mask));
            if (static_cast<int>(n) >= fewestScored) {
                byScored[n].push_back(mask);
                const double count = TMaskStates(mask).Count;
                statesByScored[n] += count;
                allStates += count;
            }
        }

        const int threads = options.Threads > 0
                                ? options.Threads
                                : std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
        double solved = 0;
        for (int n = NoOfLines - 1; n >= fewestScored; --n) {
            const std::vector<std::uint16_t>& masks = byScored[static_cast<std::size_t>(n)];
            std::atomic<std::size_t> next{0};
            const auto work = [&masks, &next, values, &options] {
                const auto batch = std::make_unique<TTurnBatch>();
                for (std::size_t i = next++; i < masks.size(); i = next++) {
                    if (options.Stop.stop_requested()) {
                        return;
                    }
                    SolveMask(masks[i], values, *batch);
                }
            };
            {
                std::vector<std::jthread> helpers;
                for (int t = 1; t < threads; ++t) {
                    helpers.emplace_back(work);
                }
                work();
            }
            if (options.Stop.stop_requested()) {
                return std::nullopt;
            }
            solved += statesByScored[static_cast<std::size_t>(n)];
            if (options.Progress) {
                options.Progress(solved / allStates);
            }
        }
        return table;
    }
};

bool TOptimalTable::Holds(const TSolverState& s) const {
    return NoOfLines - std::popcount(s.Scored) <= OpenLines;
}

std::optional<TOptimalTable> BuildOptimalTable(const TBuildOptions& options) {
    return TTableBuilder::Build(options);
}

}  // namespace quintix
