#include "computer/expert_figures.h"

#include <algorithm>
#include <thread>
#include <vector>

#include "computer/optimal_solver.h"
#include "computer/win_chances.h"
#include "scoring/line_value.h"
#include "scoring/totals.h"

namespace quintix {

namespace {

struct TTally {
    std::int64_t Sum = 0;
    std::int64_t UpperBonuses = 0;
    std::int64_t Quintixes = 0;
    std::int32_t Best = 0;
    std::int32_t Worst = 0;
    std::array<std::int64_t, TExpertFigures::Bins> Counts{};
};

void Play(const TOptimalTable& table, std::int64_t first, std::int64_t step, std::int64_t games,
          std::uint64_t seed, TTally& tally) {
    tally.Worst = INT32_MAX;
    for (std::int64_t n = first; n < games; n += step) {
        TSimulationDice dice(seed, static_cast<std::uint64_t>(n));
        TGameScore sheet = TGameScore::Blank();
        PlayOut(sheet, TPlayStyle::Expert, &table, dice);
        const std::int32_t total = GrandTotal(sheet);
        tally.Sum += total;
        tally.UpperBonuses += UpperBonus(sheet) > 0 ? 1 : 0;
        tally.Quintixes += sheet.Lines[QuintixLine] == QuintixScore ? 1 : 0;
        tally.Best = std::max(tally.Best, total);
        tally.Worst = std::min(tally.Worst, total);
        ++tally.Counts[std::min(static_cast<std::size_t>(total / TExpertFigures::BinWidth),
                                TExpertFigures::Bins - 1)];
    }
}

}  // namespace

TExpertFigures MeasureExpertFigures(const TOptimalTable& table, std::int64_t games, std::uint64_t seed,
                                    int threads) {
    threads = std::max(threads, 1);
    std::vector<TTally> tallies(static_cast<std::size_t>(threads));
    {
        std::vector<std::jthread> workers;
        for (int t = 1; t < threads; ++t) {
            workers.emplace_back(
                [&, t] { Play(table, t, threads, games, seed, tallies[static_cast<std::size_t>(t)]); });
        }
        Play(table, 0, threads, games, seed, tallies[0]);
    }
    TExpertFigures figures;
    figures.Games = games;
    figures.Seed = seed;
    figures.Optimum = quintix::Optimum(table);
    figures.Worst = INT32_MAX;
    std::int64_t sum = 0;
    std::int64_t upper = 0;
    std::int64_t quintix = 0;
    for (const TTally& tally : tallies) {
        sum += tally.Sum;
        upper += tally.UpperBonuses;
        quintix += tally.Quintixes;
        figures.Best = std::max(figures.Best, tally.Best);
        figures.Worst = std::min(figures.Worst, tally.Worst);
        for (std::size_t bin = 0; bin < TExpertFigures::Bins; ++bin) {
            figures.Counts[bin] += tally.Counts[bin];
        }
    }
    const auto count = static_cast<double>(std::max<std::int64_t>(games, 1));
    figures.Mean = static_cast<double>(sum) / count;
    figures.UpperBonusRate = static_cast<double>(upper) / count;
    figures.QuintixRate = static_cast<double>(quintix) / count;
    return figures;
}

}  // namespace quintix
