#pragma once

#include <cstdint>

#include "base/types.h"

namespace quintix {

constexpr std::int32_t UpperBonusThreshold = 63;
constexpr std::int32_t UpperBonusScore = 35;

// Running totals of one sheet: they count what is scored so far and skip unscored lines.
std::int32_t UpperSum(const TGameScore& sheet);
std::int32_t UpperBonus(const TGameScore& sheet);  // as soon as the sum reaches 63, upper lines open or not
std::int32_t UpperTotal(const TGameScore& sheet);
std::int32_t LowerTotal(const TGameScore& sheet);
std::int32_t GameTotal(const TGameScore& sheet);
std::int32_t GrandTotal(const TGameScore& sheet);  // the game total plus the game's Quintix bonus

// Totals of one player (scoreIndex 1..6) over the completed games 1..currentGame - 1; the game in
// progress never counts. 0 for a scoreIndex outside 1..6.
std::int32_t SeriesGameTotal(const TScores& scores, int scoreIndex, int currentGame);
std::int32_t SeriesBonusTotal(const TScores& scores, int scoreIndex, int currentGame);
std::int32_t SeriesGrandTotal(const TScores& scores, int scoreIndex, int currentGame);

}  // namespace quintix
