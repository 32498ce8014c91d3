#pragma once

#include <cstddef>
#include <cstdint>

#include "base/types.h"
#include "computer/roll_points.h"
#include "scoring/line_value.h"
#include "scoring/totals.h"

namespace quintix {

// A sheet between two turns, as far as the rest of the game is concerned: which lines are scored,
// the upper sum (beyond 63 it changes nothing) and whether line 11 holds 50.
struct TSolverState {
    std::uint16_t Scored = 0;  // bit L: line L is scored
    std::int32_t Upper = 0;    // 0..UpperCap
    bool QuintixFifty = false;

    bool operator==(const TSolverState&) const = default;
};

constexpr std::uint16_t AllLinesScored = (1U << NoOfLines) - 1;
constexpr std::int32_t UpperCap = UpperBonusThreshold;
constexpr std::size_t StateCount = std::size_t{AllLinesScored + 1} * 2 * (UpperCap + 1);

constexpr std::uint16_t LineBit(int line) {
    return static_cast<std::uint16_t>(1U << line);
}

constexpr std::size_t StateIndex(const TSolverState& s) {
    return (std::size_t{s.Scored} * 2 + (s.QuintixFifty ? 1 : 0)) * (UpperCap + 1) +
           static_cast<std::size_t>(s.Upper);
}

// The capped upper sums that dice scored on these upper lines can make; bit s for sum s.
std::uint64_t ReachableUpperSums(std::uint16_t scored);

// The state of a sheet from a game. Throws std::invalid_argument for a sheet with no open line, or
// whose upper lines hold a sum that no dice can make (the sheet cannot come from a game).
TSolverState StateOfSheet(const TGameScore& sheet);

// What line 11 holds in a state.
inline TQuintixLine QuintixLineOf(const TSolverState& s) {
    if ((s.Scored & LineBit(QuintixLine)) == 0) {
        return TQuintixLine::Open;
    }
    return s.QuintixFifty ? TQuintixLine::Fifty : TQuintixLine::Zero;
}

// What scoring on an open line adds now (the line value, the Quintix bonus and the upper bonus
// if this score reaches 63) and where it leaves the sheet.
struct TScoreStep {
    std::int32_t Points = 0;
    TSolverState Next;
};
inline TScoreStep ScoreStep(const TSolverState& s, int line, TRollScore score) {
    TScoreStep step{score.Points(), s};
    step.Next.Scored = static_cast<std::uint16_t>(s.Scored | LineBit(line));
    if (line <= Sixes) {
        const std::int32_t upper = s.Upper + score.Value;
        if (s.Upper < UpperBonusThreshold && upper >= UpperBonusThreshold) {
            step.Points += UpperBonusScore;
        }
        step.Next.Upper = upper < UpperCap ? upper : UpperCap;
    } else if (line == QuintixLine) {
        step.Next.QuintixFifty = score.Value == QuintixScore;
    }
    return step;
}

}  // namespace quintix
