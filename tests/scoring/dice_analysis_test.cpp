#include "scoring/dice_analysis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <numeric>
#include <set>
#include <stdexcept>
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

TEST(AnalyseDice, ListsTheDiceOfEachFaceInDieOrder) {
    const TDiceAnalysis a = AnalyseDice(Roll("52526"), TGameScore::Blank());
    EXPECT_EQ(a.FaceInfo[5], (TFaceInfo{2, {{1, 3, 0, 0, 0}}}));
    EXPECT_EQ(a.FaceInfo[2], (TFaceInfo{2, {{2, 4, 0, 0, 0}}}));
    EXPECT_EQ(a.FaceInfo[6], (TFaceInfo{1, {{5, 0, 0, 0, 0}}}));
    EXPECT_EQ(a.FaceInfo[1], TFaceInfo{});
    EXPECT_EQ(a.DiceSum, 20);
}

TEST(AnalyseDice, RejectsValuesThatAreNoFace) {
    for (const TDiceValues& dice : {Roll("02345"), Roll("12347"), TDiceValues{{1, 2, NoValue, 4, 5}}}) {
        EXPECT_THROW(AnalyseDice(dice, TGameScore::Blank()), std::invalid_argument);
    }
}

TEST(AnalyseDice, MaxFacePrefersTheHighestTiedFaceWhoseUpperLineIsOpen) {
    struct Case {
        const char* dice;
        TGameScore sheet;
        int maxCount;
        int maxFace;
    };
    const Case cases[] = {
        {"22553", TGameScore::Blank(), 2, 5},              // both open: the higher
        {"22553", Sheet({{Fives, 10}}), 2, 2},             // higher scored, lower open
        {"22553", Sheet({{Twos, 4}}), 2, 5},               // lower scored, higher open
        {"22553", Sheet({{Twos, 4}, {Fives, 10}}), 2, 5},  // both scored: the higher
        {"12346", Sheet({{Sixes, 6}, {Fours, 4}}), 1, 3},  // skips every scored one
        {"12345", Sheet({{Fives, 5}, {Fours, 4}, {Threes, 3}, {Twos, 2}}), 1, 1},
        {"12345", Sheet({{Aces, 1}, {Twos, 2}, {Threes, 3}, {Fours, 4}, {Fives, 5}}), 1, 5},
        {"12345", Sheet({{Sixes, 6}}), 1, 5},   // a face no die shows never ties
        {"66555", Sheet({{Fives, 15}}), 3, 5},  // a larger count beats an open line
        {"44444", Sheet({{Fours, 16}}), 5, 4},
    };
    for (const Case& c : cases) {
        const TDiceAnalysis a = AnalyseDice(Roll(c.dice), c.sheet);
        EXPECT_EQ(a.MaxCount, c.maxCount) << c.dice;
        EXPECT_EQ(a.MaxFace, c.maxFace) << c.dice;
    }
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

TEST(AnalyseDice, FiveOfAKindAndTheJokerFollowTheQuintixLine) {
    struct Case {
        const char* what;
        const char* dice;
        TGameScore sheet;
        bool canScoreQuintix;
        bool joker;
    };
    const Case cases[] = {
        {"line 11 open", "44444", TGameScore::Blank(), true, false},
        {"50 with Fours open", "44444", Sheet({{QuintixLine, 50}}), true, false},
        {"50 with Fours scored", "44444", Sheet({{QuintixLine, 50}, {Fours, 12}}), true, true},
        {"0 with Fours scored", "44444", Sheet({{QuintixLine, 0}, {Fours, 12}}), false, false},
        {"four of a kind", "44443", Sheet({{QuintixLine, 50}, {Fours, 12}}), false, false},
    };
    for (const Case& c : cases) {
        const TDiceAnalysis a = AnalyseDice(Roll(c.dice), c.sheet);
        EXPECT_EQ(Can(a, QuintixLine), c.canScoreQuintix) << c.what;
        EXPECT_EQ(a.Joker, c.joker) << c.what;
    }
}

TEST(AnalyseDice, KindsFullHouseAndTwoPairs) {
    struct Case {
        const char* dice;
        TGameScore sheet;
        bool three, four, fullHouse, twoPairs;
    };
    const TGameScore scored = Sheet({{ThreeOfAKind, 0}, {FourOfAKind, 0}, {FullHouse, 0}});
    const Case cases[] = {
        {"33355", TGameScore::Blank(), true, false, true, false},
        {"53535", TGameScore::Blank(), true, false, true, false},
        {"22334", TGameScore::Blank(), false, false, false, true},
        {"41133", TGameScore::Blank(), false, false, false, true},
        {"66662", TGameScore::Blank(), true, true, false, false},
        {"44444", TGameScore::Blank(), true, true, false, false},
        {"22134", TGameScore::Blank(), false, false, false, false},
        {"33355", scored, false, false, false, false},
        {"22334", scored, false, false, false, true},
    };
    for (const Case& c : cases) {
        const TDiceAnalysis a = AnalyseDice(Roll(c.dice), c.sheet);
        EXPECT_EQ(Can(a, ThreeOfAKind), c.three) << c.dice;
        EXPECT_EQ(Can(a, FourOfAKind), c.four) << c.dice;
        EXPECT_EQ(Can(a, FullHouse), c.fullHouse) << c.dice;
        EXPECT_EQ(a.TwoPairs, c.twoPairs) << c.dice;
    }
}

TEST(AnalyseDice, RunFieldsDescribeTheRunOfFaces) {
    struct Case {
        const char* dice;
        int runCount, runLow, runHigh, openEnd;
        bool small, large;
    };
    const Case cases[] = {
        {"12345", 4, 2, 5, 1, true, true},   {"23456", 4, 2, 5, 6, true, true},
        {"12346", 4, 1, 4, 0, true, false},  {"13456", 4, 3, 6, 0, true, false},
        {"23455", 4, 2, 5, 0, true, false},  {"12356", 3, 2, 5, 1, false, false},
        {"11111", 1, 1, 1, 0, false, false}, {"66666", 1, 6, 6, 0, false, false},
        {"22666", 1, 2, 2, 6, false, false}, {"16161", 1, 1, 1, 0, false, false},
        {"11346", 3, 1, 4, 0, false, false}, {"35566", 3, 3, 6, 0, false, false},
    };
    for (const Case& c : cases) {
        const TDiceAnalysis a = AnalyseDice(Roll(c.dice), TGameScore::Blank());
        EXPECT_EQ(a.RunCount, c.runCount) << c.dice;
        EXPECT_EQ(a.RunLow, c.runLow) << c.dice;
        EXPECT_EQ(a.RunHigh, c.runHigh) << c.dice;
        EXPECT_EQ(a.OpenEnd, c.openEnd) << c.dice;
        EXPECT_EQ(Can(a, SmallStraight), c.small) << c.dice;
        EXPECT_EQ(Can(a, LargeStraight), c.large) << c.dice;
    }
}

TEST(AnalyseDice, ScoredLowerLinesCannotBeScored) {
    const TGameScore sheet = Sheet({{SmallStraight, 30}, {LargeStraight, 0}, {ChanceLine, 20}});
    const TDiceAnalysis a = AnalyseDice(Roll("12345"), sheet);
    EXPECT_FALSE(Can(a, SmallStraight));
    EXPECT_FALSE(Can(a, LargeStraight));
    EXPECT_FALSE(Can(a, ChanceLine));
    EXPECT_EQ(a.RunCount, 4);  // the run itself still describes the dice
    EXPECT_TRUE(Can(AnalyseDice(Roll("12345"), TGameScore::Blank()), ChanceLine));
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

// Every roll, against definitions written from the faces present rather than from the algorithm.
TEST(AnalyseDice, AgreesWithPlainDefinitionsForEveryRoll) {
    for (const TDiceValues& dice : AllRolls()) {
        const std::array<int, 7> count = CountFaces(dice);
        std::set<int> faces;
        std::vector<int> groups;
        int highestMostFrequent = 0;
        int maxCount = 0;
        for (int face = 1; face <= NoOfFaces; ++face) {
            const int n = count.at(static_cast<std::size_t>(face));
            if (n == 0) {
                continue;
            }
            faces.insert(face);
            groups.push_back(n);
            if (n >= maxCount) {
                maxCount = n;
                highestMostFrequent = face;
            }
        }
        std::sort(groups.begin(), groups.end());
        const auto has = [&faces](const std::set<int>& run) {
            return std::includes(faces.begin(), faces.end(), run.begin(), run.end());
        };

        const TDiceAnalysis a = AnalyseDice(dice, TGameScore::Blank());
        const std::string roll = ::testing::PrintToString(dice.Items);
        ASSERT_EQ(a.DiceSum, std::accumulate(dice.begin(), dice.end(), 0)) << roll;
        ASSERT_EQ(a.MaxCount, maxCount) << roll;
        ASSERT_EQ(a.MaxFace, highestMostFrequent) << roll;
        ASSERT_EQ(Can(a, FullHouse), (groups == std::vector<int>{2, 3})) << roll;
        ASSERT_EQ(a.TwoPairs, (groups == std::vector<int>{1, 2, 2})) << roll;
        ASSERT_EQ(Can(a, SmallStraight), has({1, 2, 3, 4}) || has({2, 3, 4, 5}) || has({3, 4, 5, 6})) << roll;
        ASSERT_EQ(Can(a, LargeStraight), has({1, 2, 3, 4, 5}) || has({2, 3, 4, 5, 6})) << roll;
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
