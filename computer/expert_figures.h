#pragma once

#include <array>
#include <cstdint>

#include "computer/optimal_table.h"

namespace quintix {

// How the expert computer player's games come out: what the statistics window sets beside a
// player's figures. Measured once over many seeded games and shipped with the program.
struct TExpertFigures {
    static constexpr std::int32_t BinWidth = 10;
    static constexpr std::size_t Bins = 160;  // grand totals 0..1599; no game makes more than 1,575

    std::int64_t Games = 0;
    std::uint64_t Seed = 0;
    double Optimum = 0.0;  // what the table says a game is worth: the mean of endless games
    double Mean = 0.0;
    std::int32_t Best = 0;
    std::int32_t Worst = 0;
    double UpperBonusRate = 0.0;
    double QuintixRate = 0.0;                 // games with "Quintix" scored as 50
    std::array<std::int64_t, Bins> Counts{};  // games by grand total, BinWidth points a bin
};

// The figures measured by MeasureExpertFigures over a million games, as shipped.
const TExpertFigures& ShippedExpertFigures();

// Plays `games` expert games from the blank sheet, game n with the simulation's dice n of `seed`,
// on the given number of threads (the figures are the same for any number).
TExpertFigures MeasureExpertFigures(const TOptimalTable& table, std::int64_t games, std::uint64_t seed,
                                    int threads);

}  // namespace quintix
