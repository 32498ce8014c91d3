#include "scoring/dice_analysis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "tests/scoring/scoring_fixtures.h"

namespace quintix {
namespace {

using fixtures::AllRolls;
using fixtures::Roll;
using fixtures::Sheet;

bool Can(const TDiceAnalysis& a, int line) {
    return a.CanScore[static_cast<std::size_t>(line)];
}

TEST(AnalyseDice, UpperLinesAreOpenWhenTheyKeepTheSheetAtOrAheadOfPar) {
    // What, the dice, the sheet, its par and what lines 0..5 can score.
    const std::tuple<const char*, const char*, TGameScore, int, const char*> cases[] = {
        {"on par: three or more of a face", "33312", TGameScore::Blank(), 0, "001000"},
        {"ahead by 6 covers two missing twos", "33312", Sheet({{Sixes, 24}}), 6, "111000"},
        {"behind by 6 needs two extra threes", "33332", Sheet({{Sixes, 12}}), -6, "000000"},
        {"exactly back on par counts", "33333", Sheet({{Sixes, 12}}), -6, "001000"},
        {"scored lines stay shut; a lead opens faces", "66666", Sheet({{Sixes, 30}, {Aces, 0}}), 9, "011000"},
        {"behind and ahead add up", "55551", Sheet({{Twos, 10}, {Threes, 3}}), -2, "000010"},
    };
    for (const auto& [what, dice, sheet, par, canScore] : cases) {
        EXPECT_EQ(UpperPar(sheet), par) << what;
        const TDiceAnalysis a = AnalyseDice(Roll(dice), sheet);
        std::string open;
        for (int line = Aces; line <= Sixes; ++line) {
            open += Can(a, line) ? '1' : '0';
        }
        EXPECT_EQ(open, canScore) << what;
    }
}

// Every roll against definitions written from the faces shown; with every lower line scored, none
// of them can be scored. The most frequent face is the highest, unless its upper line is scored and
// another's is open, for every choice of scored upper lines.
TEST(AnalyseDice, AgreesWithPlainDefinitionsForEveryRollAndSheet) {
    TGameScore lowerScored = TGameScore::Blank();
    std::fill(lowerScored.Lines.begin() + ThreeOfAKind, lowerScored.Lines.end(), 0);
    for (const auto& [faces, count] : AllRolls(NoOfDice)) {
        TDiceValues dice;
        std::copy(faces.begin(), faces.end(), dice.begin());
        const auto groupsOf = [&count](int size) { return std::count(count.begin(), count.end(), size); };
        const auto shows = [&count](int low, int high) {
            return std::find(count.begin() + low, count.begin() + high + 1, 0) == count.begin() + high + 1;
        };
        const int maxCount = *std::max_element(count.begin(), count.end());
        const TDiceAnalysis a = AnalyseDice(dice, TGameScore::Blank());
        const std::string roll = ::testing::PrintToString(faces);
        ASSERT_EQ(a.DiceSum, std::accumulate(faces.begin(), faces.end(), 0)) << roll;
        ASSERT_EQ(a.MaxCount, maxCount) << roll;
        ASSERT_EQ(Can(a, ThreeOfAKind), maxCount >= 3) << roll;
        ASSERT_EQ(Can(a, FourOfAKind), maxCount >= 4) << roll;
        ASSERT_EQ(Can(a, FullHouse), groupsOf(3) == 1 && groupsOf(2) == 1) << roll;
        ASSERT_EQ(a.TwoPairs, groupsOf(2) == 2) << roll;
        ASSERT_EQ(Can(a, SmallStraight), shows(1, 4) || shows(2, 5) || shows(3, 6)) << roll;
        ASSERT_EQ(Can(a, LargeStraight), shows(1, 5) || shows(2, 6)) << roll;
        const TDiceAnalysis closed = AnalyseDice(dice, lowerScored);
        ASSERT_TRUE(Can(a, ChanceLine)) << roll;
        for (int line = ThreeOfAKind; line <= ChanceLine; ++line) {
            ASSERT_FALSE(Can(closed, line)) << roll << " line " << line;
        }
        for (int scoredMask = 0; scoredMask < 64; ++scoredMask) {
            TGameScore sheet = TGameScore::Blank();
            std::vector<std::pair<bool, int>> candidates;  // open, face
            for (int face = 1; face <= NoOfFaces; ++face) {
                const bool scored = ((scoredMask >> (face - 1)) & 1) != 0;
                sheet.Lines[static_cast<std::size_t>(face - 1)] = scored ? 0 : NoValue;
                if (count[static_cast<std::size_t>(face)] == maxCount) {
                    candidates.emplace_back(!scored, face);
                }
            }
            ASSERT_EQ(AnalyseDice(dice, sheet).MaxFace,
                      std::max_element(candidates.begin(), candidates.end())->second)
                << roll << " scored mask " << scoredMask;
        }
    }
}

}  // namespace
}  // namespace quintix
