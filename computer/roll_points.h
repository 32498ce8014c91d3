#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "base/types.h"
#include "computer/dice_multisets.h"
#include "scoring/line_value.h"

namespace quintix {

// What line 11 holds, as far as the worth of a five of a kind is concerned.
enum class TQuintixLine : std::uint8_t { Open, Zero, Fifty };

// What scoring one roll on one open line writes, and whether it earns the Quintix bonus.
struct TRollScore {
    std::int16_t Value = 0;
    bool QuintixBonus = false;

    // The line value plus the bonus, if earned.
    [[nodiscard]] std::int32_t Points() const { return Value + (QuintixBonus ? QuintixBonusPoints : 0); }
};

// The worth of every distinct roll on every line, worked out once by the game's own scoring on
// sheets made to show each fact that can change it. Only a five of a kind depends on the sheet: on
// what line 11 holds and whether the upper line of its face is scored.
class TRollPoints {
public:
    using TLineValues = std::array<double, TDiceMultisets::RollCount>;

    TRollPoints();

    // `roll` numbers the rolls from 0, in the order of TDiceMultisets; `line` must be open.
    [[nodiscard]] TRollScore Score(int roll, int line, TQuintixLine quintix, bool faceLineScored) const {
        return Scores[Slot(roll, quintix, faceLineScored)][static_cast<std::size_t>(line)];
    }
    // The line value of every roll, right for every roll but a five of a kind.
    [[nodiscard]] const TLineValues& PlainValues(int line) const {
        return Plain[static_cast<std::size_t>(line)];
    }

private:
    // What line 11 holds, by whether the upper line of a five of a kind's face is scored.
    static constexpr std::size_t FactCount = 3 * 2;
    static std::size_t Slot(int roll, TQuintixLine quintix, bool faceLineScored) {
        const std::size_t facts = static_cast<std::size_t>(quintix) * 2 + (faceLineScored ? 1 : 0);
        return facts * TDiceMultisets::RollCount + static_cast<std::size_t>(roll);
    }

    std::vector<std::array<TRollScore, NoOfLines>> Scores;  // by Slot, then line
    std::array<TLineValues, NoOfLines> Plain{};
};

// The table of the process, made on first use.
const TRollPoints& RollPoints();

}  // namespace quintix
