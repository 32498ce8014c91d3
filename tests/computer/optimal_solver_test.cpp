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
#include <tuple>
#include <utility>
#include <vector>

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
        const bool open = std::find(sheet.Lines.begin(), sheet.Lines.end(), NoValue) != sheet.Lines.end();
        return open ? Reroll(sheet, TDiceValues{}, AllDice, 0) : 0.0;
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

    // Keeping the dice not in `again` after roll `roll` and rolling the others: the mean over every
    // outcome of the best choice after roll `roll` + 1.
    double Reroll(const TGameScore& sheet, TDiceValues dice, TDiceSet again, int roll) {
        for (int die = 1; die <= NoOfDice; ++die) {
            dice[die] = (again & DieBit(die)) != 0 ? 0 : dice[die];
        }
        double& mean = Known(sheet, dice, roll, false);
        if (std::isnan(mean)) {
            double sum = 0.0;
            int outcomes = 0;
            const auto visit = [&](const auto& self, int die) -> void {
                if (die > NoOfDice) {
                    sum += Best(sheet, dice, roll + 1);
                    ++outcomes;
                } else if (dice[die] != 0) {
                    self(self, die + 1);
                } else {
                    for (int face = 1; face <= NoOfFaces; ++face) {
                        dice[die] = face;
                        self(self, die + 1);
                    }
                    dice[die] = 0;
                }
            };
            visit(visit, 1);
            mean = sum / outcomes;
        }
        return mean;
    }

private:
    double Best(const TGameScore& sheet, const TDiceValues& dice, int roll) {
        double& best = Known(sheet, dice, roll, true);
        if (std::isnan(best)) {
            double most = -1.0;
            for (int line = 0; line < NoOfLines; ++line) {
                if (sheet.Lines[static_cast<std::size_t>(line)] == NoValue) {
                    most = std::max(most, Score(sheet, dice, line));
                }
            }
            for (int again = 1; roll < MaxRolls && again <= AllDice; ++again) {
                most = std::max(most, Reroll(sheet, dice, static_cast<TDiceSet>(again), roll));
            }
            best = most;
        }
        return best;
    }

    // The mean after a reroll or the best choice, by sheet, roll and dice in any order (0 for a die
    // to roll). Only the open lines, the upper lines and line 11 of a sheet matter later.
    double& Known(const TGameScore& sheet, TDiceValues dice, int roll, bool best) {
        auto key = sheet.Lines;
        for (int line = ThreeOfAKind; line <= ChanceLine; ++line) {
            if (line != QuintixLine && key[static_cast<std::size_t>(line)] != NoValue) {
                key[static_cast<std::size_t>(line)] = 0;
            }
        }
        if (Current == nullptr || key != Key) {  // most calls are on the sheet of the call before
            Key = key;
            Current = &Memos.try_emplace(key, 2 * (MaxRolls + 1) * 16807, std::nan("")).first->second;
        }
        std::sort(dice.begin(), dice.end());
        auto slot = static_cast<std::size_t>((best ? MaxRolls + 1 : 0) + roll);
        for (const std::int32_t face : dice) {
            slot = slot * 7 + static_cast<std::size_t>(face);
        }
        return (*Current)[slot];
    }

    std::map<decltype(TGameScore::Lines), std::vector<double>> Memos;
    decltype(TGameScore::Lines) Key{};
    std::vector<double>* Current = nullptr;
};

using fixtures::EndGame;

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
    // What, the sheet, and the dice looked at after rolls 1 and 2.
    const std::tuple<const char*, TGameScore, const char*> cases[] = {
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
    for (const auto& [name, sheet, faces] : cases) {
        EXPECT_NEAR(Table().Value(StateOfSheet(sheet)), enumeration.Start(sheet), Close) << name;
        const TDiceValues dice = Roll(faces);
        for (int roll = 1; roll <= MaxRolls; ++roll) {
            for (const TChoiceValue& choice : EvaluateTurn(Table(), sheet, roll, dice)) {
                const double expected = choice.Kind == TChoiceValue::TKind::Score
                                            ? enumeration.Score(sheet, dice, choice.Line)
                                            : enumeration.Reroll(sheet, dice, choice.Dice, roll);
                EXPECT_NEAR(choice.Value, expected, Close)
                    << name << ", roll " << roll << ", line " << choice.Line << ", dice " << int{choice.Dice};
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

// A turn's values are worked out as its rolls ask for them; whichever roll asks first, each is
// EvaluateTurn's to the bit.
TEST(OptimalSolverTest, ATurnsValuesAreEvaluateTurnsInWhateverOrderTheRollsAsk) {
    const TGameScore sheet = EndGame({Sixes, SmallStraight, ChanceLine}, {{Fives, 20}, {QuintixLine, 50}});
    for (const std::vector<int>& order :
         {std::vector{2, 1, 3, 2}, std::vector{1, 2, 1}, std::vector{3, 2, 1}}) {
        TTurnValues values(Table(), sheet);
        for (const int roll : order) {
            for (const char* faces : {"66612", "23456", "55555"}) {
                const std::vector<TChoiceValue> fresh = EvaluateTurn(Table(), sheet, roll, Roll(faces));
                EXPECT_EQ(values.Choices(roll, Roll(faces)), fresh);
                EXPECT_EQ(values.Best(roll, Roll(faces)), fresh.front());
            }
        }
    }
}

TEST(OptimalSolverTest, RefusesWhatNoTurnCanBe) {
    const TGameScore aces = EndGame({Aces}, {});
    const std::tuple<const char*, TGameScore, int, const char*> cases[] = {
        {"no open line", EndGame({}, {}), 1, "12345"},
        {"roll 0", aces, 0, "12345"},
        {"roll 4", aces, 4, "12345"},
        {"die 0", aces, 1, "12045"},
        {"die 7", aces, 2, "12347"},
        {"twos holding 3", EndGame({Aces, Threes, Fours}, {{Twos, 3}}), 1, "12345"},
        {"more open lines than the table holds", EndGame({Aces, Twos, Threes, Fours}, {}), 1, "12345"},
    };
    for (const auto& [name, sheet, roll, dice] : cases) {
        EXPECT_THROW(EvaluateTurn(Table(), sheet, roll, Roll(dice)), std::invalid_argument) << name;
    }
}

}  // namespace
}  // namespace quintix
