#include "computer/optimal_solver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <map>
#include <stdexcept>
#include <stop_token>
#include <string>
#include <utility>
#include <vector>

#include "computer/dice_multisets.h"
#include "computer/optimal_table.h"
#include "scoring/dice_analysis.h"
#include "scoring/line_value.h"
#include "scoring/totals.h"
#include "tests/scoring/scoring_fixtures.h"

namespace quintix {
namespace {

using fixtures::Roll;

constexpr double Close = 1e-9;

TOptimalTable Build(int threads, int mostOpenLines) {
    TBuildOptions options;
    options.Threads = threads;
    options.MostOpenLines = mostOpenLines;
    return *BuildOptimalTable(options);
}

// The end of a game, up to three open lines, is solved in a fraction of the whole table's time, which
// matters in unoptimised and sanitised builds.
constexpr int EndLines = 3;
const TOptimalTable& Table() {
    static const TOptimalTable table = Build(2, EndLines);
    return table;
}

// Perfect play found by plain enumeration on the game's own scoring and totals: each roll visits
// every outcome of the dice rolled, one die after another. Fit for sheets with one or two open lines.
class TEnumeration {
public:
    // The worth of a sheet at the start of a turn.
    double Start(const TGameScore& sheet) {
        if (std::none_of(sheet.Lines.begin(), sheet.Lines.end(),
                         [](std::int32_t v) { return v == NoValue; })) {
            return 0.0;
        }
        TMemo& memo = MemoOf(sheet);
        if (std::isnan(memo.Start)) {
            memo.Start = Average(sheet, memo, TDiceValues{}, AllDice, 0);
        }
        return memo.Start;
    }

    double Score(const TGameScore& sheet, const TDiceValues& dice, int line) {
        const TDiceAnalysis analysis = AnalyseDice(dice, sheet);
        TGameScore next = sheet;
        next.Lines[static_cast<std::size_t>(line)] = LineValue(analysis, line);
        const std::int32_t points = LineValue(analysis, line) +
                                    (EarnsQuintixBonus(analysis, sheet) ? QuintixBonusPoints : 0) +
                                    UpperBonus(next) - UpperBonus(sheet);
        return points + Start(next);
    }

    // Keeping the dice not in `again` after roll `roll` and rolling the others.
    double Reroll(const TGameScore& sheet, const TDiceValues& dice, TDiceSet again, int roll) {
        return Reroll(sheet, MemoOf(sheet), dice, again, roll);
    }

private:
    // What is known of one sheet, by roll and dice (sorted, as a code; 0 for a die to roll).
    struct TMemo {
        double Start = std::nan("");
        std::vector<double> Kept = std::vector<double>(MaxRolls * 16807, std::nan(""));
        std::vector<double> Best = std::vector<double>(MaxRolls * 16807, std::nan(""));
    };

    double Reroll(const TGameScore& sheet, TMemo& memo, const TDiceValues& dice, TDiceSet again, int roll) {
        TDiceValues kept = dice;
        for (int die = 1; die <= NoOfDice; ++die) {
            kept[die] = (again & DieBit(die)) != 0 ? 0 : dice[die];
        }
        std::sort(kept.begin(), kept.end());
        double& value = memo.Kept[Slot(kept, roll)];
        if (std::isnan(value)) {
            const auto rolled = static_cast<TDiceSet>((1U << std::count(kept.begin(), kept.end(), 0)) - 1);
            value = Average(sheet, memo, kept, rolled, roll);
        }
        return value;
    }

    // The mean over every outcome of the dice in `rolled` of the best choice after roll `roll` + 1.
    double Average(const TGameScore& sheet, TMemo& memo, TDiceValues dice, TDiceSet rolled, int roll) {
        double sum = 0.0;
        int outcomes = 0;
        const auto visit = [&](const auto& self, int die) -> void {
            if (die > NoOfDice) {
                sum += Best(sheet, memo, dice, roll + 1);
                ++outcomes;
                return;
            }
            if ((rolled & DieBit(die)) == 0) {
                self(self, die + 1);
                return;
            }
            for (int face = 1; face <= NoOfFaces; ++face) {
                dice[die] = face;
                self(self, die + 1);
            }
        };
        visit(visit, 1);
        return sum / outcomes;
    }

    double Best(const TGameScore& sheet, TMemo& memo, const TDiceValues& dice, int roll) {
        TDiceValues sorted = dice;
        std::sort(sorted.begin(), sorted.end());
        double& best = memo.Best[Slot(sorted, roll)];
        if (!std::isnan(best)) {
            return best;
        }
        best = -1.0;
        for (int line = 0; line < NoOfLines; ++line) {
            if (sheet.Lines[static_cast<std::size_t>(line)] == NoValue) {
                best = std::max(best, Score(sheet, dice, line));
            }
        }
        for (int again = 1; roll < MaxRolls && again <= AllDice; ++again) {
            best = std::max(best, Reroll(sheet, memo, dice, static_cast<TDiceSet>(again), roll));
        }
        return best;
    }

    static std::size_t Slot(const TDiceValues& sorted, int roll) {
        std::size_t code = 0;
        for (const std::int32_t face : sorted) {
            code = code * 7 + static_cast<std::size_t>(face);
        }
        return static_cast<std::size_t>(roll - 1) * 16807 + code;
    }

    // Only the open lines, the upper lines and line 11 of a sheet matter later.
    TMemo& MemoOf(const TGameScore& sheet) {
        std::vector<std::int32_t> key(sheet.Lines.begin(), sheet.Lines.end());
        for (int line = ThreeOfAKind; line <= ChanceLine; ++line) {
            if (line != QuintixLine && key[static_cast<std::size_t>(line)] != NoValue) {
                key[static_cast<std::size_t>(line)] = 0;
            }
        }
        return Memos[key];
    }

    std::map<std::vector<std::int32_t>, TMemo> Memos;
};

// A sheet with every line scored but `open`, scored as in `scored` or else as 0.
TGameScore EndGame(std::initializer_list<int> open,
                   std::initializer_list<std::pair<int, std::int32_t>> scored) {
    TGameScore sheet = TGameScore::Blank();
    sheet.Lines.fill(0);
    for (const int line : open) {
        sheet.Lines[static_cast<std::size_t>(line)] = NoValue;
    }
    for (const auto& [line, value] : scored) {
        sheet.Lines[static_cast<std::size_t>(line)] = value;
    }
    return sheet;
}

TEST(OptimalSolverTest, EveryOutcomeOfTheKeptDiceWeighsItsShare) {
    const TDiceMultisets& sets = DiceMultisets();
    std::vector<double> reach(TDiceMultisets::Count, 0.0);
    reach[TDiceMultisets::Empty] = 1.0;
    for (int set = 0; set < TDiceMultisets::FirstRoll; ++set) {
        for (int face = 1; face <= NoOfFaces; ++face) {
            const int more = sets.WithDie(set, face);
            ASSERT_EQ(sets.Size(more), sets.Size(set) + 1);
            reach[static_cast<std::size_t>(more)] += reach[static_cast<std::size_t>(set)] / NoOfFaces;
        }
    }
    double total = 0.0;
    int ways = 0;  // the first roll's weights
    for (int roll = TDiceMultisets::FirstRoll; roll < TDiceMultisets::Count; ++roll) {
        const double chance = sets.Ways(roll) / double{TDiceMultisets::Orders};
        EXPECT_NEAR(reach[static_cast<std::size_t>(roll)], chance, 1e-16) << roll;
        total += reach[static_cast<std::size_t>(roll)];
        ways += sets.Ways(roll);
    }
    EXPECT_NEAR(total, 1.0, 1e-14);
    EXPECT_EQ(ways, TDiceMultisets::Orders);
}

// Each die is best played on its own: a die that may roll three times is worth 14/3 (kept at 5 or 6,
// then at 4 or more), and shows a one with chance 1 - (5/6)^3. Line 11 holds 0 here; were it 50, a
// five of a kind's bonus would be worth chasing instead.
TEST(OptimalSolverTest, SingleLineEndGamesHaveTheirKnownWorth) {
    const TGameScore chance = EndGame({ChanceLine}, {});
    const TGameScore aces = EndGame({Aces}, {{Fours, 16}, {Fives, 25}, {Sixes, 30}});
    EXPECT_NEAR(Table().Value(StateOfSheet(chance)), 5 * 14.0 / 3, 1e-12);
    EXPECT_NEAR(Table().Value(StateOfSheet(aces)), 5 * (1 - std::pow(5.0 / 6, 3)), 1e-12);
}

TEST(OptimalSolverTest, AgreesWithPlainEnumerationOnEndGames) {
    struct TCase {
        const char* Name;
        TGameScore Sheet;
        std::string Dice;  // looked at after rolls 1 and 2
    };
    const TCase cases[] = {
        {"chance, Quintix holds 50", EndGame({ChanceLine}, {{QuintixLine, 50}}), "66651"},
        {"joker full house", EndGame({FullHouse}, {{QuintixLine, 50}, {Threes, 9}}), "33312"},
        {"fours or large straight, Quintix holds 50", EndGame({Fours, LargeStraight}, {{QuintixLine, 50}}),
         "44423"},
        {"small straight, Quintix holds 0", EndGame({SmallStraight, Threes}, {}), "33345"},
        {"sixes reach 63 with three", EndGame({Sixes, ChanceLine}, {{Fives, 25}, {Fours, 20}}), "66125"},
        {"aces five short of 63", EndGame({Aces, ChanceLine}, {{Sixes, 30}, {Fives, 20}, {Fours, 8}}),
         "11166"},
        {"aces one short of 63", EndGame({Aces, ThreeOfAKind}, {{Sixes, 30}, {Fives, 20}, {Fours, 12}}),
         "11566"},
        {"Quintix or four of a kind", EndGame({QuintixLine, FourOfAKind}, {}), "22226"},
    };
    TEnumeration enumeration;
    for (const TCase& c : cases) {
        EXPECT_NEAR(Table().Value(StateOfSheet(c.Sheet)), enumeration.Start(c.Sheet), Close) << c.Name;
        const TDiceValues dice = Roll(c.Dice);
        for (int roll = 1; roll <= MaxRolls; ++roll) {
            for (const TChoiceValue& choice : EvaluateTurn(Table(), c.Sheet, roll, dice)) {
                const double expected = choice.Kind == TChoiceValue::TKind::Score
                                            ? enumeration.Score(c.Sheet, dice, choice.Line)
                                            : enumeration.Reroll(c.Sheet, dice, choice.Dice, roll);
                EXPECT_NEAR(choice.Value, expected, Close) << c.Name << ", roll " << roll << ", line "
                                                           << choice.Line << ", dice " << int{choice.Dice};
            }
        }
    }
}

TEST(OptimalSolverTest, TheTableIsTheSameOnOneThreadAsOnTwo) {
    EXPECT_TRUE(std::ranges::equal(Build(1, EndLines).Solved(), Table().Solved()));
}

TEST(OptimalSolverTest, ANewGameIsWorthTheKnownOptimum) {
    EXPECT_NEAR(Optimum(Build(0, NoOfLines)), 254.48645573020283, Close);
    EXPECT_THROW(Optimum(Table()), std::invalid_argument);
}

TEST(OptimalSolverTest, ReportsItsProgressAndStopsWhenAsked) {
    std::vector<double> shares;
    TBuildOptions options;
    options.MostOpenLines = 2;
    options.Progress = [&shares](double share) { shares.push_back(share); };
    ASSERT_TRUE(BuildOptimalTable(options).has_value());
    EXPECT_EQ(shares.size(), 2U);
    EXPECT_TRUE(std::is_sorted(shares.begin(), shares.end()));
    EXPECT_EQ(shares.back(), 1.0);

    std::stop_source stop;
    stop.request_stop();
    options.Stop = stop.get_token();
    EXPECT_FALSE(BuildOptimalTable(options).has_value());
}

TEST(OptimalSolverTest, ChoicesComeBestFirstAndTiesFollowTheRule) {
    const TGameScore sheet = EndGame({Aces, FullHouse, ChanceLine}, {{QuintixLine, 50}});
    const std::vector<TChoiceValue> choices = EvaluateTurn(Table(), sheet, 1, Roll("31135"));
    ASSERT_EQ(choices.size(), 3U + 31U);
    EXPECT_TRUE(std::is_sorted(choices.begin(), choices.end(), ComesBefore));
    EXPECT_EQ(BestChoice(Table(), sheet, 1, Roll("31135")), choices.front());
    // Dice 2 and 3 both show 1: rolling either again is the same choice, to the last bit.
    const auto reroll = [&choices](TDiceSet dice) {
        return std::find_if(choices.begin(), choices.end(),
                            [dice](const TChoiceValue& c) {
                                return c.Kind == TChoiceValue::TKind::Reroll && c.Dice == dice;
                            })
            ->Value;
    };
    EXPECT_EQ(reroll(DieBit(2)), reroll(DieBit(3)));
    EXPECT_EQ(reroll(DieBit(2) | DieBit(5)), reroll(DieBit(3) | DieBit(5)));
    EXPECT_EQ(EvaluateTurn(Table(), sheet, 3, Roll("31135")).size(), 3U);

    using K = TChoiceValue::TKind;
    const TChoiceValue ordered[] = {
        {K::Score, 0, 0, 2.0},         {K::Score, 0, 0, 1.0},         {K::Score, 5, 0, 1.0},
        {K::Reroll, -1, 0b00100, 1.0}, {K::Reroll, -1, 0b01001, 1.0}, {K::Reroll, -1, 0b00110, 1.0},
        {K::Reroll, -1, 0b00111, 1.0},
    };
    for (std::size_t i = 0; i + 1 < std::size(ordered); ++i) {
        EXPECT_TRUE(ComesBefore(ordered[i], ordered[i + 1])) << i;
        EXPECT_FALSE(ComesBefore(ordered[i + 1], ordered[i])) << i;
    }
}

TEST(OptimalSolverTest, RefusesWhatNoTurnCanBe) {
    struct TCase {
        const char* Name;
        TGameScore Sheet;
        int Roll;
        std::string Dice;
    };
    const TGameScore aces = EndGame({Aces}, {});
    const TCase cases[] = {
        {"no open line", EndGame({}, {}), 1, "12345"},
        {"roll 0", aces, 0, "12345"},
        {"roll 4", aces, 4, "12345"},
        {"die 0", aces, 1, "12045"},
        {"die 7", aces, 2, "12347"},
        {"twos holding 3", EndGame({Aces, Threes, Fours}, {{Twos, 3}}), 1, "12345"},
        {"more open lines than the table holds", EndGame({Aces, Twos, Threes, Fours}, {}), 1, "12345"},
    };
    for (const TCase& c : cases) {
        EXPECT_THROW(EvaluateTurn(Table(), c.Sheet, c.Roll, Roll(c.Dice)), std::invalid_argument) << c.Name;
    }
}

}  // namespace
}  // namespace quintix
