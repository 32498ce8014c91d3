#include "computer/strategy.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "tests/scoring/scoring_fixtures.h"

namespace quintix {
namespace {

using fixtures::FullSheet;
using fixtures::Roll;
using fixtures::Sheet;

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

std::string Scores(int line) {
    return "score " + std::to_string(line);
}

// A dice set as its die numbers, "125".
std::string Dice(TDiceSet set) {
    std::string dice;
    for (int die = 1; die <= NoOfDice; ++die) {
        if ((set & DieBit(die)) != 0) {
            dice += static_cast<char>('0' + die);
        }
    }
    return dice;
}

// A decision as it shows in the game: "score 9" or "roll 125".
std::string Move(const TComputerDecision& decision) {
    return decision.Kind == TComputerDecision::TKind::Score ? Scores(decision.Line)
                                                            : "roll " + Dice(decision.Dice);
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
    // Upper sum 35 at par 2; for "23566" the best upper line, Aces, ends 1 behind par.
    const TGameScore upperAt35 = FullSheet({Open, Open, Open, Open, 5, 30, 20, 0, 25, Open, 40, 0, 20});
    const TGameScore bonusMade = Sheet({{Sixes, 30}, {Fives, 25}, {Fours, 16}});
    const TGameScore fourUpperOpen = FullSheet({Open, Open, Open, Open, 15, 18, 20, 0, 25, 30, 0, 0, 22});
    const TGameScore onlyChanceOpen = FullSheet({3, 6, 9, 12, 15, 18, 20, 0, 25, 30, 0, 0, Open});
    const TGameScore quintixAndChanceOpen = FullSheet({3, 6, 9, 12, 15, 18, 20, 0, 25, 30, 0, 50, Open});
    const TGameScore fifty = Sheet({{QuintixLine, 50}});
    // What, the sheet, the dice, the roll, the turn and the decision.
    const std::tuple<const char*, TGameScore, const char*, int, int, std::string> cases[] = {
        {"small straight before the last roll is rolled on", blank, "12346", 1, 1, "roll 5"},
        {"small straight on the last roll", blank, "12346", 3, 1, Scores(SmallStraight)},
        {"small straight, large one scored", Sheet({{LargeStraight, 40}}), "12346", 2, 2,
         Scores(SmallStraight)},
        {"three fives on par", blank, "55521", 3, 1, Scores(Fives)},
        {"nothing on par goes to Chance", blank, "11235", 3, 1, Scores(ChanceLine)},
        {"four sixes keep the upper section", blank, "66662", 3, 1, Scores(Sixes)},
        {"Aces that reach the bonus", acesAndChanceOpen, "11123", 3, 12, Scores(Aces)},
        {"Chance rather than no Aces", acesAndChanceOpen, "66543", 3, 12, Scores(ChanceLine)},
        {"all dice kept scores at once", Sheet({{QuintixLine, 0}}), "66666", 1, 2, Scores(Sixes)},
        {"a repeated five of a kind", fifty, "44444", 1, 2, Scores(Fours)},
        {"a first five of a kind", blank, "33333", 1, 1, Scores(QuintixLine)},
        {"the joker fills the large straight", Sheet({{QuintixLine, 50}, {Threes, 9}}), "33333", 1, 3,
         Scores(LargeStraight)},
        {"a full house on the first roll", blank, "53535", 1, 1, Scores(FullHouse)},
        {"four of a kind once the bonus is made", bonusMade, "33332", 3, 4, Scores(FourOfAKind)},
        {"bonus made: no upper line is forced", bonusMade, "22335", 3, 4, Scores(ChanceLine)},
        // The later scoring preferences, each at the edge of its test.
        {"equal upper pars keep the lower line", Sheet({{Sixes, 24}, {ChanceLine, 20}}), "12246", 3, 3,
         Scores(Aces)},
        {"an upper line at par 0 goes before Quintix", chanceGone, "34566", 3, 7, Scores(Twos)},
        {"an upper line at par -1 does not", chanceGoneParLess, "34566", 3, 7, Scores(QuintixLine)},
        {"low upper sum: a line 3 behind goes", upperLow, "33115", 3, 11, Scores(Threes)},
        {"high upper sum: the small straight goes", upperHigh, "11256", 3, 11, Scores(SmallStraight)},
        {"an upper sum of 35 is not low", upperAt35, "23566", 3, 9, Scores(SmallStraight)},
        // "Fours" and "Twos" both hold a pair and tie; an equal estimate never replaces the earlier line.
        {"ties keep the earlier line", fourUpperOpen, "22446", 1, 10, "roll 125"},
        {"Chance is aimed for when nothing else is", onlyChanceOpen, "33162", 1, 12, "roll 1235"},
        {"a Quintix line at 50 is still aimed for", quintixAndChanceOpen, "33162", 1, 12, "roll 345"},
    };
    for (const auto& [what, sheet, dice, roll, turn, expected] : cases) {
        EXPECT_EQ(Move(DecideComputerMove(TPosition(sheet, dice, roll, turn).View())), expected) << what;
    }
}

// The upper target count is the fewest dice of the face whose estimate is 1.0.
TEST(StrategyTest, UpperTargetFollowsTheBonusOutlook) {
    // One die of every open face makes the upper sum 63 exactly, or 62.
    const TGameScore safeByOne = Sheet({{Sixes, 30}, {Threes, 15}, {Twos, 8}});
    const TGameScore shortByOne = Sheet({{Sixes, 30}, {Threes, 12}, {Twos, 10}});
    const TGameScore wellAhead = Sheet({{Sixes, 30}, {Fives, 25}});
    // What, the sheet, the turn, the face and its target.
    const std::tuple<const char*, TGameScore, int, int, int> cases[] = {
        {"on par", TGameScore::Blank(), 1, 4, 3},
        {"ahead of par", Sheet({{Sixes, 24}}), 2, 1, 3},
        {"one behind par", Sheet({{Aces, 2}}), 2, 6, 4},
        {"behind par, low face", Sheet({{Sixes, 12}}), 2, 1, 4},
        {"bonus safe exactly", safeByOne, 4, 4, 5},
        {"bonus one short of safe", shortByOne, 4, 4, 3},
        {"bonus safe, 12th turn", wellAhead, 12, 4, 4},
        {"bonus safe, 13th turn", wellAhead, 13, 1, 3},
    };
    for (const auto& [what, sheet, turn, face, target] : cases) {
        std::int32_t count = 0;
        for (; count <= NoOfDice; ++count) {
            std::string dice(static_cast<std::size_t>(count), static_cast<char>('0' + face));
            dice.resize(NoOfDice, static_cast<char>('0' + face % NoOfFaces + 1));
            if (LineChance(TPosition(sheet, dice, 1, turn).View(), face - 1) == 1.0) {
                break;
            }
        }
        EXPECT_EQ(count, target) << what;
    }
}

TEST(StrategyTest, DiceToRollKeepsTheDiceOfTheAim) {
    const std::vector<std::pair<std::pair<const char*, int>, const char*>> cases = {
        {{"31343", Threes}, "24"},         // every die of the face
        {{"31343", Sixes}, "12345"},       // none shows it
        {{"25255", ThreeOfAKind}, "13"},   // the most frequent face
        {{"22446", FourOfAKind}, "125"},   // the higher of two pairs
        {{"24246", FullHouse}, "5"},       // two pairs: only the odd die
        {{"33155", FullHouse}, "3"},       // two pairs, the odd die lowest
        {{"44441", FullHouse}, "45"},      // at most three of a face
        {{"16326", FullHouse}, "134"},     // a pair
        {{"11346", SmallStraight}, "25"},  // the first die of each face of the run
        {{"23456", SmallStraight}, ""},    // a small straight of four goes for the large
        {{"12344", SmallStraight}, "5"},   // ... also without an open end
        {{"22346", LargeStraight}, "2"},   // with the open end
        {{"33445", LargeStraight}, "24"},  // without
        {{"61662", ChanceLine}, "25"},     // the sixes
    };
    for (const auto& [aim, expected] : cases) {
        const TPosition position(TGameScore::Blank(), aim.first, 1);
        EXPECT_EQ(Dice(DiceToRoll(position.View(), aim.second)), expected)
            << aim.first << " line " << aim.second;
    }
}

}  // namespace
}  // namespace quintix
