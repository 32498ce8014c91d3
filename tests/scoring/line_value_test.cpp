#include "scoring/line_value.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <tuple>

#include "tests/scoring/scoring_fixtures.h"

namespace quintix {
namespace {

using fixtures::FullSheet;
using fixtures::Roll;
using fixtures::Sheet;

TEST(LineValue, WorthOfTheDiceOnEveryLine) {
    const TGameScore blank = TGameScore::Blank();
    // A finished game with 50 on line 11: only the joker revives lines 8..10.
    const TGameScore finished = FullSheet({3, 6, 9, 12, 15, 18, 20, 0, 25, 30, 40, 50, 22}, 100);
    const TGameScore fifty = Sheet({{QuintixLine, 50}});
    const TGameScore fiftyFours = Sheet({{QuintixLine, 50}, {Fours, 12}}, 100);
    const TGameScore zeroFours = Sheet({{QuintixLine, 0}, {Fours, 12}});
    // What, the dice, the sheet, the values on lines 0..12 and whether they earn the bonus.
    using TValues = std::array<std::int32_t, NoOfLines>;
    const std::tuple<const char*, const char*, TGameScore, TValues, bool> cases[] = {
        {"full house", "33355", blank, {0, 0, 9, 0, 10, 0, 19, 0, 25, 0, 0, 0, 19}, false},
        {"two pairs", "22334", blank, {0, 4, 6, 4, 0, 0, 0, 0, 0, 0, 0, 0, 14}, false},
        {"four of a kind", "66662", blank, {0, 2, 0, 0, 0, 24, 26, 26, 0, 0, 0, 0, 26}, false},
        {"low small straight", "12346", blank, {1, 2, 3, 4, 0, 6, 0, 0, 0, 30, 0, 0, 16}, false},
        {"high small straight", "13456", blank, {1, 0, 3, 4, 5, 6, 0, 0, 0, 30, 0, 0, 19}, false},
        {"no straight", "12356", blank, {1, 2, 3, 0, 5, 6, 0, 0, 0, 0, 0, 0, 17}, false},
        {"low large straight", "12345", blank, {1, 2, 3, 4, 5, 0, 0, 0, 0, 30, 40, 0, 15}, false},
        {"high large straight", "23456", blank, {0, 2, 3, 4, 5, 6, 0, 0, 0, 30, 40, 0, 20}, false},
        {"first five of a kind", "44444", blank, {0, 0, 0, 20, 0, 0, 20, 20, 0, 0, 0, 50, 20}, false},
        {"repeat, Fours open", "44444", fifty, {0, 0, 0, 20, 0, 0, 20, 20, 0, 0, 0, 50, 20}, true},
        {"repeat, Fours scored", "44444", fiftyFours, {0, 0, 0, 20, 0, 0, 20, 20, 25, 30, 40, 50, 20}, true},
        {"after a zeroed Quintix", "44444", zeroFours, {0, 0, 0, 20, 0, 0, 20, 20, 0, 0, 0, 0, 20}, false},
        {"scored lines, no joker", "33355", finished, {0, 0, 9, 0, 10, 0, 0, 0, 0, 0, 0, 0, 19}, false},
        {"scored straights, no joker", "12345", finished, {1, 2, 3, 4, 5, 0, 0, 0, 0, 0, 0, 0, 15}, false},
        {"scored lines, joker", "44444", finished, {0, 0, 0, 20, 0, 0, 0, 0, 25, 30, 40, 50, 20}, true},
    };
    for (const auto& [what, dice, sheet, values, earnsBonus] : cases) {
        const TDiceAnalysis a = AnalyseDice(Roll(dice), sheet);
        for (int line = Aces; line <= ChanceLine; ++line) {
            EXPECT_EQ(LineValue(a, line), values[static_cast<std::size_t>(line)])
                << what << ", line " << line;
        }
        for (const int outside : {-1, NoOfLines}) {
            EXPECT_EQ(LineValue(a, outside), 0) << what << ", line " << outside;
        }
        EXPECT_EQ(EarnsQuintixBonus(a, sheet), earnsBonus) << what;
    }
}

}  // namespace
}  // namespace quintix
