#pragma once

#include <cstdint>
#include <cstdio>

namespace quintix {

class THistoryStore;

struct TSimOptions {
    int Players = 1;
    int Games = 1;
    std::int64_t Series = 1000;
    std::uint32_t Seed = 0;
    bool Expert = false;  // every computer player makes the best choice at each decision
};

// Figures over every finished game sheet (one per player and game).
struct TSimStats {
    std::int64_t Games = 0;
    double Mean = 0;
    double StdDev = 0;
    std::int32_t Min = 0;
    std::int32_t Max = 0;
    double UpperBonusShare = 0;  // sheets that earned the upper bonus
    double QuintixShare = 0;     // sheets with "Quintix" scored as 50
    double Seconds = 0;          // wall-clock time of the games
    double TableSeconds = 0;     // building the expert's table, before the games
    double Optimum = 0;          // with expert play, what a new game is worth under perfect play
};

// Plays options.Series series of computer players on the real game object with a virtual clock,
// and writes the trace (JSON Lines) to trace unless it is null. The same options give the same
// games and the same trace, byte for byte. Once a write to the trace has failed, the run ends after
// the series in progress; the error stays on the stream for the caller to report. Every finished
// game goes to history unless it is null; once storing has failed, the run ends as for the trace.
TSimStats RunSimulation(const TSimOptions& options, std::FILE* trace, THistoryStore* history = nullptr);

}  // namespace quintix
