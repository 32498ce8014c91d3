#include "history/player_figures.h"

#include <algorithm>

namespace quintix {

THistoryStats FiguresOf(std::span<const TGameSummary> games) {
    THistoryStats stats;
    if (games.empty()) {
        return stats;
    }
    std::int64_t sum = 0;
    std::int64_t upper = 0;
    std::int64_t quintix = 0;
    stats.Best = games.front().GrandTotal;
    stats.Worst = stats.Best;
    for (const TGameSummary& game : games) {
        sum += game.GrandTotal;
        upper += game.UpperBonus > 0 ? 1 : 0;
        quintix += game.QuintixFifty ? 1 : 0;
        stats.Best = std::max(stats.Best, game.GrandTotal);
        stats.Worst = std::min(stats.Worst, game.GrandTotal);
    }
    stats.Games = static_cast<std::int64_t>(games.size());
    const auto count = static_cast<double>(stats.Games);
    stats.Mean = static_cast<double>(sum) / count;
    stats.UpperBonusRate = static_cast<double>(upper) / count;
    stats.QuintixRate = static_cast<double>(quintix) / count;
    return stats;
}

std::vector<double> MovingMeans(std::span<const std::int32_t> totals, int window) {
    std::vector<double> means;
    means.reserve(totals.size());
    const auto width = static_cast<std::size_t>(std::max(window, 1));
    std::int64_t sum = 0;
    for (std::size_t i = 0; i < totals.size(); ++i) {
        sum += totals[i];
        if (i >= width) {
            sum -= totals[i - width];
        }
        means.push_back(static_cast<double>(sum) / static_cast<double>(std::min(i + 1, width)));
    }
    return means;
}

}  // namespace quintix
