#include "computer/strategy.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "computer/estimate_cache.h"
#include "computer/estimates.h"
#include "scoring/dice_analysis.h"
#include "scoring/line_value.h"
#include "scoring/totals.h"
#include "tests/scoring/scoring_fixtures.h"

namespace quintix {
namespace {

using fixtures::FullSheet;
using fixtures::Roll;
using fixtures::Sheet;
using TKind = TComputerDecision::TKind;

constexpr std::int32_t Open = NoValue;

// A moment of a computer player's turn: the sheet, the dice just rolled and where the turn stands.
struct TPosition {
    TGameScore Sheet;
    TDiceAnalysis Analysis;
    std::int32_t RollCount;
    std::int32_t Turn;

    TPosition(const TGameScore& sheet, const std::string& dice, std::int32_t rollCount, std::int32_t turn = 1)
        : Sheet(sheet), Analysis(AnalyseDice(Roll(dice), sheet)), RollCount(rollCount), Turn(turn) {}

    [[nodiscard]] TTurnView View() const { return TTurnView{Analysis, Sheet, RollCount, Turn}; }
};

TDiceSet DiceSet(std::initializer_list<int> dice) {
    TDiceSet set = 0;
    for (const int die : dice) {
        set |= DieBit(die);
    }
    return set;
}

TComputerDecision ScoreMove(int line) {
    return {TKind::Score, line, 0};
}

TComputerDecision RollMove(TDiceSet dice) {
    return {TKind::Roll, -1, dice};
}

// Two decisions do the same in the game: the same line scored, or the same dice rolled.
bool SameMove(const TComputerDecision& a, const TComputerDecision& b) {
    return a.Kind == b.Kind && (a.Kind == TKind::Score ? a.Line == b.Line : a.Dice == b.Dice);
}

std::string Describe(const TComputerDecision& decision) {
    std::ostringstream text;
    if (decision.Kind == TKind::Score) {
        text << "score line " << decision.Line;
        return text.str();
    }
    text << "roll dice";
    for (int die = 1; die <= NoOfDice; ++die) {
        if ((decision.Dice & DieBit(die)) != 0) {
            text << ' ' << die;
        }
    }
    return text.str();
}

TEST(StrategyTest, DecidesTheWorkedPositions) {
    const TGameScore blank = TGameScore::Blank();
    const TGameScore acesAndChanceOpen = FullSheet({Open, 6, 9, 12, 15, 18, 20, 0, 25, 30, 0, 0, Open});
    // Par 6 from the sheet; "34566" is worth -6 on "Twos" and "Threes" alike, a best of par 0.
    const TGameScore chanceGone = FullSheet({3, Open, Open, Open, Open, 24, 20, 0, Open, 30, Open, Open, 20});
    const TGameScore chanceGoneParLess =
        FullSheet({2, Open, Open, Open, Open, 24, 20, 0, Open, 30, Open, Open, 20});
    // "Threes", "Fours" and "Small Straight" open: upper sum 48 at par 6, or 24 at par 0 with "Sixes" open.
    const TGameScore upperHigh = FullSheet({3, 6, Open, Open, 15, 24, 20, 0, 25, Open, 40, 0, 20});
    const TGameScore upperLow = FullSheet({3, 6, Open, Open, 15, Open, 20, 0, 25, Open, 40, 0, 20});
    const TGameScore bonusMade = Sheet({{Sixes, 30}, {Fives, 25}, {Fours, 16}});
    struct TCase {
        const char* What;
        TGameScore Sheet;
        const char* Dice;
        std::int32_t RollCount;
        std::int32_t Turn;
        TComputerDecision Expected;
    };
    const std::vector<TCase> cases = {
        {"small straight before the last roll is rolled on", blank, "12346", 1, 1, RollMove(DiceSet({5}))},
        {"small straight on the last roll", blank, "12346", 3, 1, ScoreMove(SmallStraight)},
        {"small straight with the large one scored", Sheet({{LargeStraight, 40}}), "12346", 2, 2,
         ScoreMove(SmallStraight)},
        {"three fives on par", blank, "55521", 3, 1, ScoreMove(Fives)},
        {"two pairs aim for three of a kind", blank, "22446", 1, 1, RollMove(DiceSet({1, 2, 5}))},
        {"two pairs, second roll", blank, "22446", 2, 1, RollMove(DiceSet({1, 2, 5}))},
        {"nothing on par goes to Chance", blank, "11235", 3, 1, ScoreMove(ChanceLine)},
        {"four sixes keep the upper section", blank, "66662", 3, 1, ScoreMove(Sixes)},
        {"Aces that reach the bonus", acesAndChanceOpen, "11123", 3, 12, ScoreMove(Aces)},
        {"Chance rather than no Aces", acesAndChanceOpen, "66543", 3, 12, ScoreMove(ChanceLine)},
        {"all dice kept scores at once", Sheet({{QuintixLine, 0}}), "66666", 1, 2, ScoreMove(Sixes)},
        {"a repeated five of a kind scores at once", Sheet({{QuintixLine, 50}}), "44444", 1, 2,
         ScoreMove(Fours)},
        {"a first five of a kind", blank, "33333", 1, 1, ScoreMove(QuintixLine)},
        {"the joker fills the large straight", Sheet({{QuintixLine, 50}, {Threes, 9}}), "33333", 1, 3,
         ScoreMove(LargeStraight)},
        {"a full house on the first roll", blank, "53535", 1, 1, ScoreMove(FullHouse)},
        {"four of a kind once the bonus is made", bonusMade, "33332", 3, 4, ScoreMove(FourOfAKind)},
        {"bonus made: no upper line is forced", bonusMade, "22335", 3, 4, ScoreMove(ChanceLine)},
        // The later scoring preferences, each at the edge of its test.
        {"equal upper pars keep the lower line", Sheet({{Sixes, 24}, {ChanceLine, 20}}), "12246", 3, 3,
         ScoreMove(Aces)},
        {"an upper line at par 0 goes before Quintix", chanceGone, "34566", 3, 7, ScoreMove(Twos)},
        {"an upper line at par -1 does not", chanceGoneParLess, "34566", 3, 7, ScoreMove(QuintixLine)},
        {"low upper sum: a line 3 behind goes", upperLow, "33115", 3, 11, ScoreMove(Threes)},
        {"high upper sum: the small straight goes", upperHigh, "11256", 3, 11, ScoreMove(SmallStraight)},
    };
    for (const TCase& c : cases) {
        const TPosition position(c.Sheet, c.Dice, c.RollCount, c.Turn);
        const TComputerDecision decision = DecideComputerMove(position.View());
        EXPECT_TRUE(SameMove(decision, c.Expected))
            << c.What << ": " << Describe(decision) << " instead of " << Describe(c.Expected);
    }
}

TEST(StrategyTest, TwoPairsWeighThreeOfAKindAgainstFullHouse) {
    const std::vector<std::pair<TPosition, std::pair<double, double>>> cases = {
        {TPosition(TGameScore::Blank(), "22446", 1), {0.6914, 11.0 / 18}},
        {TPosition(TGameScore::Blank(), "22446", 2), {4.0 / 9, 1.0 / 3}},
    };
    for (const auto& [position, expected] : cases) {
        EXPECT_NEAR(LineChance(position.View(), ThreeOfAKind), expected.first, 5e-5) << position.RollCount;
        EXPECT_NEAR(LineChance(position.View(), FullHouse), expected.second, 1e-12) << position.RollCount;
        EXPECT_EQ(ChooseDiceToRoll(position.View()), DiceSet({1, 2, 5})) << position.RollCount;
    }
    const TPosition thirdRoll(TGameScore::Blank(), "55521", 3);
    EXPECT_EQ(UpperParWith(thirdRoll.View(), Aces), -2);
    EXPECT_EQ(UpperParWith(thirdRoll.View(), Fives), 0);
}

// Dice with `count` of the face first and another face on the rest.
std::string DiceWith(int face, std::int32_t count) {
    std::string dice(NoOfDice, static_cast<char>('0' + face % NoOfFaces + 1));
    dice.replace(0, static_cast<std::size_t>(count), static_cast<std::size_t>(count),
                 static_cast<char>('0' + face));
    return dice;
}

TEST(StrategyTest, UpperTargetFollowsTheBonusOutlook) {
    // One die of every open face makes the upper sum 63 exactly, or 62.
    const TGameScore safeByOne = Sheet({{Sixes, 30}, {Threes, 15}, {Twos, 8}});
    const TGameScore shortByOne = Sheet({{Sixes, 30}, {Threes, 12}, {Twos, 10}});
    const TGameScore wellAhead = Sheet({{Sixes, 30}, {Fives, 25}});
    struct TCase {
        const char* What;
        TGameScore Sheet;
        std::int32_t Turn;
        int Face;
        std::int32_t Target;
    };
    const std::vector<TCase> cases = {
        {"on par", TGameScore::Blank(), 1, 4, 3},
        {"ahead of par", Sheet({{Sixes, 24}}), 2, 1, 3},
        {"one behind par", Sheet({{Aces, 2}}), 2, 6, 4},
        {"behind par, low face", Sheet({{Sixes, 12}}), 2, 1, 4},
        {"behind par, high face", Sheet({{Sixes, 12}}), 2, 5, 4},
        {"bonus safe exactly", safeByOne, 4, 4, 5},
        {"bonus one short of safe", shortByOne, 4, 4, 3},
        {"bonus safe, 11th turn", wellAhead, 11, 4, 5},
        {"bonus safe, 12th turn", wellAhead, 12, 4, 4},
        {"bonus safe, 13th turn", wellAhead, 13, 1, 3},
    };
    for (const TCase& c : cases) {
        // At the target count the estimate is 1.0; short of it, the chance of the dice still wanted.
        for (std::int32_t count = 0; count <= NoOfDice; ++count) {
            const TPosition position(c.Sheet, DiceWith(c.Face, count), 1, c.Turn);
            const double expected = count >= c.Target ? 1.0 : FaceChance(c.Target - count, 5 - count, true);
            EXPECT_EQ(LineChance(position.View(), c.Face - 1), expected)
                << c.What << ", " << count << " dice";
        }
    }
}

TEST(StrategyTest, LineChancePassesTheAnalysisToTheEstimators) {
    const TGameScore blank = TGameScore::Blank();
    struct TCase {
        const char* What;
        TGameScore Sheet;
        const char* Dice;
        std::int32_t RollCount;
        int Line;
        double Expected;
    };
    const std::vector<TCase> cases = {
        {"scored upper line", Sheet({{Sixes, 18}}), "66612", 1, Sixes, 0.0},
        {"scored lower line the dice fit", Sheet({{ThreeOfAKind, 21}}), "66612", 1, ThreeOfAKind, 0.0},
        {"Quintix scored as 0", Sheet({{QuintixLine, 0}}), "66666", 1, QuintixLine, 0.0},
        {"Quintix at 50, five of a kind", Sheet({{QuintixLine, 50}}), "66666", 1, QuintixLine, 1.0},
        {"Quintix at 50, three of a kind", Sheet({{QuintixLine, 50}}), "66612", 1, QuintixLine,
         KindChance(5, 3, true)},
        {"Quintix open", blank, "66612", 2, QuintixLine, KindChance(5, 3, false)},
        {"Chance open", blank, "12346", 1, ChanceLine, 1.0},
        {"Chance scored", Sheet({{ChanceLine, 12}}), "12346", 1, ChanceLine, 0.0},
        {"a full house that fits", blank, "33555", 1, FullHouse, 1.0},
        {"two pairs for a full house", blank, "22446", 1, FullHouse, FullHouseChance(2, true, true)},
        {"four of a kind for a full house", blank, "66662", 2, FullHouse, FullHouseChance(3, false, false)},
        {"three of a kind from a pair", blank, "22446", 2, ThreeOfAKind, KindChance(3, 2, false)},
        {"four of a kind from a pair", blank, "22446", 1, FourOfAKind, KindChance(4, 2, true)},
        {"small straight, three ways", blank, "33444", 1, SmallStraight, StraightChance(3, 2, true, 3)},
        {"small straight, two ways", blank, "22333", 1, SmallStraight, StraightChance(3, 2, true, 2)},
        {"small straight at the low end", blank, "11114", 2, SmallStraight, StraightChance(3, 2, false, 1)},
        {"small straight, ends far apart", blank, "22225", 1, SmallStraight, StraightChance(3, 2, true, 1)},
        {"large straight with an open end", blank, "22346", 2, LargeStraight, StraightChance(1, 1, false, 1)},
        {"large straight without", blank, "22344", 1, LargeStraight, StraightChance(2, 2, true, 2)},
    };
    for (const TCase& c : cases) {
        const TPosition position(c.Sheet, c.Dice, c.RollCount);
        EXPECT_EQ(LineChance(position.View(), c.Line), c.Expected) << c.What;
    }
}

TEST(StrategyTest, DiceToRollKeepsTheDiceOfTheAim) {
    struct TCase {
        const char* What;
        const char* Dice;
        int Line;
        TDiceSet Expected;
    };
    const std::vector<TCase> cases = {
        {"upper line keeps its face", "31343", Threes, DiceSet({2, 4})},
        {"upper line without its face", "31343", Sixes, AllDice},
        {"kind keeps the most frequent face", "25255", ThreeOfAKind, DiceSet({1, 3})},
        {"kind keeps the higher of two pairs", "22446", FourOfAKind, DiceSet({1, 2, 5})},
        {"Quintix keeps all four", "26666", QuintixLine, DiceSet({1})},
        {"two pairs roll the odd die", "24246", FullHouse, DiceSet({5})},
        {"two pairs roll the odd die, low", "33155", FullHouse, DiceSet({3})},
        {"full house keeps three of four", "44441", FullHouse, DiceSet({4, 5})},
        {"full house keeps a pair", "16326", FullHouse, DiceSet({1, 3, 4})},
        {"small straight keeps the first die of each face", "11346", SmallStraight, DiceSet({2, 5})},
        {"small straight of four goes for the large", "23456", SmallStraight, 0},
        {"small straight of four without an open end", "12344", SmallStraight, DiceSet({5})},
        {"large straight keeps the open end", "22346", LargeStraight, DiceSet({2})},
        {"large straight without an open end", "33445", LargeStraight, DiceSet({2, 4})},
        {"Chance keeps the sixes", "61662", ChanceLine, DiceSet({2, 5})},
    };
    for (const TCase& c : cases) {
        const TPosition position(TGameScore::Blank(), c.Dice, 1);
        EXPECT_EQ(DiceToRoll(position.View(), c.Line), c.Expected) << c.What;
    }
}

TEST(StrategyTest, AnEqualEstimateNeverReplacesAnEarlierLine) {
    // "Fours" and "Twos" both hold a pair and want one more die; "Fours" comes first.
    const TPosition position(FullSheet({Open, Open, Open, Open, 15, 18, 20, 0, 25, 30, 0, 0, 22}), "22446", 1,
                             10);
    const double fours = LineChance(position.View(), Fours);
    ASSERT_EQ(fours, LineChance(position.View(), Twos));
    for (const int line : {Aces, Threes}) {
        ASSERT_LT(LineChance(position.View(), line), fours);
    }
    EXPECT_TRUE(SameMove(DecideComputerMove(position.View()), RollMove(DiceSet({1, 2, 5}))));
}

TEST(StrategyTest, ChanceIsAimedForOnlyWhenNothingElseIs) {
    const std::vector<std::pair<const char*, TPosition>> cases = {
        {"only Chance open",
         TPosition(FullSheet({3, 6, 9, 12, 15, 18, 20, 0, 25, 30, 0, 0, Open}), "33162", 1)},
        // A Quintix line at 50 still has an estimate of its own.
        {"Quintix at 50",
         TPosition(FullSheet({3, 6, 9, 12, 15, 18, 20, 0, 25, 30, 0, 50, Open}), "33162", 1)},
    };
    const std::vector<TDiceSet> expected = {DiceSet({1, 2, 3, 5}), DiceSet({3, 4, 5})};
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const auto& [what, position] = cases[i];
        EXPECT_EQ(ChooseDiceToRoll(position.View()), expected[i]) << what;
        EXPECT_TRUE(SameMove(DecideComputerMove(position.View()), RollMove(expected[i]))) << what;
    }
}

// No game asks for a move on a full sheet; the answer must still be one the game can refuse.
TEST(StrategyTest, AFullSheetHasNothingToScore) {
    TGameScore full = TGameScore::Blank();
    full.Lines.fill(0);
    const TPosition position(full, "12345", 3, 13);
    EXPECT_EQ(ChooseDiceToRoll(position.View()), AllDice);
    EXPECT_TRUE(SameMove(DecideComputerMove(position.View()), ScoreMove(-1)));
}

int Draw(std::mt19937& random, int bound) {
    // A plain modulo: the library's distributions differ between standard libraries.
    return static_cast<int>(random() % static_cast<std::uint32_t>(bound));
}

// A score the game could have written on the line.
std::int32_t PlausibleScore(std::mt19937& random, int line) {
    switch (line) {
        case FullHouse:
            return Draw(random, 2) * FullHouseScore;
        case SmallStraight:
            return Draw(random, 2) * SmallStraightScore;
        case LargeStraight:
            return Draw(random, 2) * LargeStraightScore;
        case QuintixLine:
            return Draw(random, 2) * QuintixScore;
        case ThreeOfAKind:
        case FourOfAKind:
            return Draw(random, 2) * (5 + Draw(random, 26));
        case ChanceLine:
            return 5 + Draw(random, 26);
        default:
            return (line + 1) * Draw(random, 6);
    }
}

std::string RandomDice(std::mt19937& random) {
    std::string dice;
    for (int die = 1; die <= NoOfDice; ++die) {
        dice += static_cast<char>('1' + Draw(random, NoOfFaces));
    }
    return dice;
}

TEST(StrategyTest, EveryDecisionIsAMoveTheGameCanMake) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 20000; ++round) {
        std::vector<int> lines(NoOfLines);
        for (int line = 0; line < NoOfLines; ++line) {
            lines[static_cast<std::size_t>(line)] = line;
        }
        for (int i = NoOfLines - 1; i > 0; --i) {
            std::swap(lines[static_cast<std::size_t>(i)],
                      lines[static_cast<std::size_t>(Draw(random, i + 1))]);
        }
        const int scoredLines = Draw(random, NoOfLines);
        TGameScore sheet = TGameScore::Blank();
        for (int i = 0; i < scoredLines; ++i) {
            const int line = lines[static_cast<std::size_t>(i)];
            sheet.Lines[static_cast<std::size_t>(line)] = PlausibleScore(random, line);
        }
        const std::string dice = RandomDice(random);
        const std::int32_t rollCount = 1 + Draw(random, MaxRolls);
        const TPosition position(sheet, dice, rollCount, scoredLines + 1);

        const TComputerDecision decision = DecideComputerMove(position.View());
        const std::string where =
            dice + " roll " + std::to_string(rollCount) + ", round " + std::to_string(round);
        if (decision.Kind == TKind::Score) {
            ASSERT_GE(decision.Line, 0) << where;
            ASSERT_LT(decision.Line, NoOfLines) << where;
            ASSERT_EQ(sheet.Lines[static_cast<std::size_t>(decision.Line)], NoValue) << where;
        } else {
            ASSERT_LT(rollCount, MaxRolls) << where;
            ASSERT_NE(decision.Dice, 0) << where;
            ASSERT_EQ(decision.Dice & ~AllDice, 0) << where;
        }
        // The tables change nothing: the estimators themselves give the same move.
        if (round % 20 == 0) {
            ASSERT_TRUE(SameMove(DecideComputerMove(position.View(), DirectEstimators), decision)) << where;
        }
    }
}

// Whole games with the strategy deciding every move, the way the game object drives it.
TEST(StrategyTest, PlaysWholeGames) {
    std::mt19937 random(7);
    constexpr int Games = 300;
    std::int64_t total = 0;
    for (int game = 0; game < Games; ++game) {
        TGameScore sheet = TGameScore::Blank();
        for (std::int32_t turn = 1; turn <= TurnsPerGame; ++turn) {
            std::string dice = RandomDice(random);
            for (std::int32_t roll = 1;; ++roll) {
                ASSERT_LE(roll, MaxRolls);
                const TDiceAnalysis analysis = AnalyseDice(Roll(dice), sheet);
                const TComputerDecision decision = DecideComputerMove(TTurnView{analysis, sheet, roll, turn});
                if (decision.Kind == TKind::Score) {
                    ASSERT_EQ(sheet.Lines.at(static_cast<std::size_t>(decision.Line)), NoValue);
                    if (EarnsQuintixBonus(analysis, sheet)) {
                        sheet.Bonus += QuintixBonusPoints;
                    }
                    sheet.Lines[static_cast<std::size_t>(decision.Line)] = LineValue(analysis, decision.Line);
                    break;
                }
                const std::string fresh = RandomDice(random);
                for (int die = 1; die <= NoOfDice; ++die) {
                    if ((decision.Dice & DieBit(die)) != 0) {
                        dice[static_cast<std::size_t>(die - 1)] = fresh[static_cast<std::size_t>(die - 1)];
                    }
                }
            }
        }
        for (const std::int32_t score : sheet.Lines) {
            ASSERT_NE(score, NoValue);
        }
        total += GrandTotal(sheet);
    }
    // A sound player averages well above this; a broken preference or comparison falls far below.
    EXPECT_GT(total / Games, 200);
}

}  // namespace
}  // namespace quintix
