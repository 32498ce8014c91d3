#include "scoring/totals.h"

#include <algorithm>
#include <cstddef>

namespace quintix {

namespace {

std::int32_t ScoredSum(const TGameScore& sheet, int first, int last) {
    std::int32_t sum = 0;
    for (int line = first; line <= last; ++line) {
        const std::int32_t value = sheet.Lines[static_cast<std::size_t>(line)];
        if (value != NoValue) {
            sum += value;
        }
    }
    return sum;
}

template <typename PerGame>
std::int32_t SumOverCompletedGames(const TScores& scores, int scoreIndex, int currentGame, PerGame perGame) {
    if (scoreIndex < 1 || scoreIndex > MaxPlayers) {
        return 0;
    }
    std::int32_t sum = 0;
    const int lastCompleted = std::min(currentGame - 1, MaxGames);
    for (int game = 1; game <= lastCompleted; ++game) {
        sum += perGame(scores[scoreIndex][game]);
    }
    return sum;
}

}  // namespace

std::int32_t UpperSum(const TGameScore& sheet) {
    return ScoredSum(sheet, Aces, Sixes);
}

std::int32_t UpperBonus(const TGameScore& sheet) {
    return UpperSum(sheet) >= UpperBonusThreshold ? UpperBonusScore : 0;
}

std::int32_t UpperTotal(const TGameScore& sheet) {
    return UpperSum(sheet) + UpperBonus(sheet);
}

std::int32_t LowerTotal(const TGameScore& sheet) {
    return ScoredSum(sheet, ThreeOfAKind, ChanceLine);
}

std::int32_t GameTotal(const TGameScore& sheet) {
    return UpperTotal(sheet) + LowerTotal(sheet);
}

std::int32_t GrandTotal(const TGameScore& sheet) {
    return GameTotal(sheet) + sheet.Bonus;
}

std::int32_t SeriesGameTotal(const TScores& scores, int scoreIndex, int currentGame) {
    return SumOverCompletedGames(scores, scoreIndex, currentGame,
                                 [](const TGameScore& sheet) { return GameTotal(sheet); });
}

std::int32_t SeriesBonusTotal(const TScores& scores, int scoreIndex, int currentGame) {
    return SumOverCompletedGames(scores, scoreIndex, currentGame,
                                 [](const TGameScore& sheet) { return sheet.Bonus; });
}

std::int32_t SeriesGrandTotal(const TScores& scores, int scoreIndex, int currentGame) {
    return SeriesGameTotal(scores, scoreIndex, currentGame) +
           SeriesBonusTotal(scores, scoreIndex, currentGame);
}

}  // namespace quintix
