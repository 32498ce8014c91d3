#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <stop_token>
#include <vector>

#include "computer/solver_state.h"

namespace quintix {

// The value of every position between two turns under perfect play: the points the game is still
// expected to add (line values, upper bonus and Quintix bonuses) when every later choice is best.
class TOptimalTable {
public:
    // 0 when every line is scored; unreachable states (an upper sum the scored lines cannot make)
    // and states the table does not hold give 0 as well.
    [[nodiscard]] double Value(const TSolverState& s) const { return Values[StateIndex(s)]; }
    // Whether the table was solved as far back as this state.
    [[nodiscard]] bool Holds(const TSolverState& s) const;
    [[nodiscard]] int MostOpenLines() const { return OpenLines; }
    [[nodiscard]] std::span<const double> Solved() const { return Values; }
    [[nodiscard]] std::size_t Bytes() const { return Values.size() * sizeof(double); }

private:
    friend struct TTableBuilder;
    std::vector<double> Values;
    int OpenLines = 0;
};

struct TBuildOptions {
    int Threads = 0;  // 0: one per core; the table is the same for any number
    // Solves only the positions with at most this many open lines: the end of a game, in a fraction
    // of the time.
    int MostOpenLines = NoOfLines;
    // Called on the calling thread with the share of the positions solved so far, 0..1.
    std::function<void(double)> Progress;
    std::stop_token Stop;  // a stop request ends the build early, without a table
};

// Solves every reachable position, from the full sheet back to the empty one (or as far as
// MostOpenLines). Takes well under a second on two cores; nullopt when stopped.
std::optional<TOptimalTable> BuildOptimalTable(const TBuildOptions& options = {});

}  // namespace quintix
