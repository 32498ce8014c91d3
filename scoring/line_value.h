#pragma once

#include <cstdint>

#include "base/types.h"
#include "scoring/dice_analysis.h"

namespace quintix {

constexpr std::int32_t FullHouseScore = 25;
constexpr std::int32_t SmallStraightScore = 30;
constexpr std::int32_t LargeStraightScore = 40;
constexpr std::int32_t QuintixScore = 50;
constexpr std::int32_t QuintixBonusPoints = 100;  // for each further five of a kind in a game

// What the analysed dice are worth on a line, scored or not; 0 for a number outside 0..12.
// Scored lines 6..10 give 0 (8..10 only without the joker), because their CanScore is false.
std::int32_t LineValue(const TDiceAnalysis& a, int line);

// Whether scoring these dice, on any line, earns the Quintix bonus: a five of a kind once line 11
// holds 50.
bool EarnsQuintixBonus(const TDiceAnalysis& a, const TGameScore& sheet);

}  // namespace quintix
