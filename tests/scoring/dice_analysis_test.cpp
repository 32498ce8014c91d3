#include "scoring/dice_analysis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

#include "tests/scoring/scoring_fixtures.h"

namespace quintix {
namespace {

using fixtures::Roll;
using fixtures::Sheet;

bool Can(const TDiceAnalysis& a, int line) {
    return a.CanScore[static_cast<std::size_t>(line)];
}

TEST(AnalyseDice, UpperLinesAreOpenWhenTheyKeepTheSheetAtOrAheadOfPar) {
    struct Case {
        const char* what;
        const char* dice;
        TGameScore sheet;
        int upperPar;
        const char* canScore;  // CanScore[0..5]
    };
    const Case cases[] = {
        {"on par: three or more of a face", "33312", TGameScore::Blank(), 0, "001000"},
        {"ahead by 6 covers two missing twos", "33312", Sheet({{Sixes, 24}}), 6, "111000"},
        {"behind by 6 needs two extra threes", "33332", Sheet({{Sixes, 12}}), -6, "000000"},
        {"exactly back on par counts", "33333", Sheet({{Sixes, 12}}), -6, "001000"},
        {"scored lines stay shut; a lead opens faces", "66666", Sheet({{Sixes, 30}, {Aces, 0}}), 9, "011000"},
        {"behind and ahead add up", "55551", Sheet({{Twos, 10}, {Threes, 3}}), -2, "000010"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(UpperPar(c.sheet), c.upperPar) << c.what;
        const TDiceAnalysis a = AnalyseDice(Roll(c.dice), c.sheet);
        std::string open;
        for (int line = Aces; line <= Sixes; ++line) {
            open += Can(a, line) ? '1' : '0';
        }
        EXPECT_EQ(open, c.canScore) << c.what;
    }
}

std::vector<TDiceValues> AllRolls() {
    std::vector<TDiceValues> rolls;
    for (int code = 0; code < 7776; ++code) {
        TDiceValues dice;
        for (int die = 1, rest = code; die <= NoOfDice; ++die, rest /= 6) {
            dice[die] = rest % 6 + 1;
        }
        rolls.push_back(dice);
    }
    return rolls;
}

// Number of dice showing each face, indexed by the face (0 unused).
std::array<int, 7> CountFaces(const TDiceValues& dice) {
    std::array<int, 7> count{};
    for (const int value : dice) {
        ++count.at(static_cast<std::size_t>(value));
    }
    return count;
}

// Every roll, against definitions written from the faces shown rather than from the algorithm; with
// every lower line scored, none of them can be scored.
TEST(AnalyseDice, AgreesWithPlainDefinitionsForEveryRoll) {
    TGameScore lowerScored = TGameScore::Blank();
    std::fill(lowerScored.Lines.begin() + ThreeOfAKind, lowerScored.Lines.end(), 0);
    for (const TDiceValues& dice : AllRolls()) {
        const std::array<int, 7> count = CountFaces(dice);
        const auto groupsOf = [&count](int size) { return std::count(count.begin(), count.end(), size); };
        const auto shows = [&count](int low, int high) {
            return std::find(count.begin() + low, count.begin() + high + 1, 0) == count.begin() + high + 1;
        };
        const int maxCount = *std::max_element(count.begin(), count.end());

        const TDiceAnalysis a = AnalyseDice(dice, TGameScore::Blank());
        const std::string roll = ::testing::PrintToString(dice.Items);
        ASSERT_EQ(a.DiceSum, std::accumulate(dice.begin(), dice.end(), 0)) << roll;
        ASSERT_EQ(a.MaxCount, maxCount) << roll;
        ASSERT_EQ(Can(a, ThreeOfAKind), maxCount >= 3) << roll;
        ASSERT_EQ(Can(a, FourOfAKind), maxCount >= 4) << roll;
        ASSERT_EQ(Can(a, FullHouse), groupsOf(3) == 1 && groupsOf(2) == 1) << roll;
        ASSERT_EQ(a.TwoPairs, groupsOf(2) == 2) << roll;
        ASSERT_EQ(Can(a, SmallStraight), shows(1, 4) || shows(2, 5) || shows(3, 6)) << roll;
        ASSERT_EQ(Can(a, LargeStraight), shows(1, 5) || shows(2, 6)) << roll;
        ASSERT_TRUE(Can(a, ChanceLine)) << roll;
        for (int face = 1; face <= NoOfFaces; ++face) {
            std::vector<int> showing;
            for (int die = 1; die <= NoOfDice; ++die) {
                if (dice[die] == face) {
                    showing.push_back(die);
                }
            }
            const auto& listed = a.FaceInfo[face].Dice.Items;
            ASSERT_EQ(std::vector<int>(listed.begin(), listed.begin() + a.FaceInfo[face].Count), showing)
                << roll;
        }

        const TDiceAnalysis closed = AnalyseDice(dice, lowerScored);
        for (int line = ThreeOfAKind; line <= ChanceLine; ++line) {
            ASSERT_FALSE(Can(closed, line)) << roll << " line " << line;
        }
    }
}

// The tie rule for every roll and every choice of scored upper lines.
TEST(AnalyseDice, MaxFaceFollowsTheTieRuleForEverySheet) {
    const std::vector<TDiceValues> rolls = AllRolls();
    for (int scoredMask = 0; scoredMask < 64; ++scoredMask) {
        TGameScore sheet = TGameScore::Blank();
        for (int line = Aces; line <= Sixes; ++line) {
            if (((scoredMask >> line) & 1) != 0) {
                sheet.Lines[static_cast<std::size_t>(line)] = 0;
            }
        }
        for (const TDiceValues& dice : rolls) {
            // The most frequent faces from the highest down, the open ones first.
            const std::array<int, 7> count = CountFaces(dice);
            const int maxCount = *std::max_element(count.begin(), count.end());
            std::vector<std::pair<bool, int>> candidates;
            for (int face = 1; face <= NoOfFaces; ++face) {
                if (count.at(static_cast<std::size_t>(face)) == maxCount) {
                    candidates.emplace_back(sheet.Lines[static_cast<std::size_t>(face - 1)] == NoValue, face);
                }
            }
            const int expected = std::max_element(candidates.begin(), candidates.end())->second;
            ASSERT_EQ(AnalyseDice(dice, sheet).MaxFace, expected)
                << ::testing::PrintToString(dice.Items) << " scored mask " << scoredMask;
        }
    }
}

}  // namespace
}  // namespace quintix
