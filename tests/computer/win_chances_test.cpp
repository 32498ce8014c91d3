#include "computer/win_chances.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numeric>
#include <optional>
#include <stdexcept>
#include <stop_token>
#include <tuple>
#include <vector>

#include "computer/expert_figures.h"
#include "computer/optimal_solver.h"
#include "computer/strategy.h"
#include "scoring/dice_analysis.h"
#include "scoring/line_value.h"
#include "scoring/totals.h"
#include "tests/scoring/scoring_fixtures.h"
#include "tests/support/table_providers.h"

namespace quintix {
namespace {

using fixtures::EndGame;
using testing::EndTable;

using TDistribution = std::map<std::int32_t, double>;  // grand total -> chance
using TEnds = std::map<std::pair<decltype(TGameScore::Lines), std::int32_t>, double>;  // lines, bonus

// Every multiset of n faces, ascending, with its chance.
const std::map<std::vector<int>, double>& Outcomes(int n) {
    static const auto outcomes = [] {
        std::array<std::map<std::vector<int>, double>, NoOfDice + 1> all;
        for (int dice = 0; dice <= NoOfDice; ++dice) {
            for (fixtures::TRoll& roll : fixtures::AllRolls(dice)) {
                std::sort(roll.Dice.begin(), roll.Dice.end());
                all[static_cast<std::size_t>(dice)][roll.Dice] += std::pow(1.0 / NoOfFaces, dice);
            }
        }
        return all;
    }();
    return outcomes[static_cast<std::size_t>(n)];
}

// One turn played as the simulation plays it, over every outcome of the dice rolled with its
// chance, the style deciding on the dice in ascending order: the sheets it ends on.
class TExactTurn {
public:
    TExactTurn(TPlayStyle style, const TOptimalTable& table, const TGameScore& sheet) : Sheet(sheet) {
        if (style == TPlayStyle::Expert) {
            Values.emplace(table, sheet);
        }
    }

    TEnds Ends() { return Roll(0, {}, AllDice); }

private:
    // Keeping the dice not in `again` after roll `roll` (0 before the first) and rolling the others.
    TEnds Roll(int roll, const TDiceValues& dice, TDiceSet again) {
        std::vector<int> kept;
        for (int die = 1; die <= NoOfDice; ++die) {
            if ((again & DieBit(die)) == 0) {
                kept.push_back(dice[die]);
            }
        }
        TEnds ends;
        for (const auto& [faces, chance] : Outcomes(NoOfDice - static_cast<int>(kept.size()))) {
            std::vector<int> all = kept;
            all.insert(all.end(), faces.begin(), faces.end());
            std::sort(all.begin(), all.end());
            TDiceValues next;
            std::copy(all.begin(), all.end(), next.begin());
            for (const auto& [end, p] : After(roll + 1, next)) {
                ends[end] += chance * p;
            }
        }
        return ends;
    }

    const TEnds& After(int roll, const TDiceValues& dice) {
        const auto key = std::make_pair(roll, std::vector<int>(dice.begin(), dice.end()));
        if (const auto known = Known.find(key); known != Known.end()) {
            return known->second;
        }
        TChoiceValue choice;
        if (Values) {
            choice = Values->Best(roll, dice);
        } else {
            const auto turn =
                static_cast<std::int32_t>(NoOfLines + 1 - std::ranges::count(Sheet.Lines, NoValue));
            const TComputerDecision move = DecideComputerMove({AnalyseDice(dice, Sheet), Sheet, roll, turn});
            choice.Kind = move.Kind == TComputerDecision::TKind::Score ? TChoiceValue::TKind::Score
                                                                       : TChoiceValue::TKind::Reroll;
            choice.Line = move.Line;
            choice.Dice = move.Dice;
        }
        TEnds ends;
        if (choice.Kind == TChoiceValue::TKind::Reroll) {
            ends = Roll(roll, dice, choice.Dice);
        } else {
            TGameScore next = Sheet;
            const TDiceAnalysis analysis = AnalyseDice(dice, Sheet);
            next.Bonus += EarnsQuintixBonus(analysis, Sheet) ? QuintixBonusPoints : 0;
            next.Lines[static_cast<std::size_t>(choice.Line)] = LineValue(analysis, choice.Line);
            ends[{next.Lines, next.Bonus}] = 1.0;
        }
        return Known.emplace(key, std::move(ends)).first->second;
    }

    TGameScore Sheet;
    std::optional<TTurnValues> Values;
    std::map<std::pair<int, std::vector<int>>, TEnds> Known;
};

// The exact distribution of a sheet's grand total at the end of the game.
TDistribution FinalTotals(TPlayStyle style, const TGameScore& sheet) {
    if (std::ranges::count(sheet.Lines, NoValue) == 0) {
        return {{GrandTotal(sheet), 1.0}};
    }
    TDistribution totals;
    for (const auto& [end, chance] : TExactTurn(style, EndTable(), sheet).Ends()) {
        for (const auto& [total, p] : FinalTotals(style, TGameScore{end.first, end.second})) {
            totals[total] += chance * p;
        }
    }
    return totals;
}

// The chance that a total drawn from `a` plus `aOffset` beats one from `b` plus `bOffset`, a tie
// counting half.
double ChanceToBeat(const TDistribution& a, std::int32_t aOffset, const TDistribution& b,
                    std::int32_t bOffset) {
    double chance = 0.0;
    for (const auto& [x, p] : a) {
        for (const auto& [y, q] : b) {
            chance += x + aOffset > y + bOffset ? p * q : x + aOffset == y + bOffset ? p * q / 2 : 0.0;
        }
    }
    return chance;
}

// Two players at the end of the last game, small enough to enumerate: the simulation's chances lie
// within a few standard errors of the exact ones, ties shared included.
TEST(WinChancesTest, AgreesWithAnExactTwoPlayerEndgame) {
    struct TCase {
        const char* Name;
        TChancePlayer First;
        TChancePlayer Second;
    };
    const TCase cases[] = {
        {"chance against chance, level: ties are common",
         {TPlayStyle::Expert, 500, EndGame({ChanceLine}, {{Sixes, 18}})},
         {TPlayStyle::Classic, 490, EndGame({ChanceLine}, {{Sixes, 18}})}},
        {"fives for the upper bonus, against a Quintix; one five ties",
         {TPlayStyle::Expert, 300,
          EndGame({Fives}, {{Sixes, 30}, {Fours, 16}, {Threes, 9}, {ChanceLine, 20}})},
         {TPlayStyle::Classic, 290,
          EndGame({QuintixLine}, {{Sixes, 30}, {FourOfAKind, 26}, {ChanceLine, 24}})}},
    };
    constexpr int Simulations = 20000;
    for (const TCase& c : cases) {
        const TDistribution first = FinalTotals(c.First.Style, c.First.Sheet);
        const TDistribution second = FinalTotals(c.Second.Style, c.Second.Sheet);
        const double game = ChanceToBeat(first, 0, second, 0);
        const double series = ChanceToBeat(first, c.First.SeriesTotal, second, c.Second.SeriesTotal);

        TChanceOptions options;
        options.Simulations = Simulations;
        options.Seed = 7;
        const auto chances = SimulateWinChances({{c.First, c.Second}, 0}, &EndTable(), options);
        ASSERT_TRUE(chances.has_value()) << c.Name;
        for (const auto& [exact, simulated] :
             {std::pair{game, chances->Game}, std::pair{series, chances->Series}}) {
            const double error = std::sqrt(exact * (1 - exact) / Simulations);
            EXPECT_NEAR(simulated[0], exact, 4.5 * error) << c.Name;
            EXPECT_NEAR(simulated[0] + simulated[1], 1.0, 1e-12) << c.Name;
        }
    }
}

// The answer depends on the seed alone: not on the number of threads, and a new seed rolls new dice.
TEST(WinChancesTest, ASeedGivesTheSameAnswerOnAnyNumberOfThreads) {
    const TChancePosition position{{{TPlayStyle::Expert, 100, EndGame({Aces, ChanceLine}, {})},
                                    {TPlayStyle::Classic, 90, EndGame({Twos, ChanceLine}, {})},
                                    {TPlayStyle::Expert, 95, EndGame({ChanceLine}, {{Aces, 3}})}},
                                   0};
    TChanceOptions options;
    options.Simulations = 301;
    options.Seed = 42;
    const auto one = SimulateWinChances(position, &EndTable(), options);
    options.Threads = 3;
    const auto three = SimulateWinChances(position, &EndTable(), options);
    ASSERT_TRUE(one && three);
    EXPECT_EQ(one->Game, three->Game);
    EXPECT_EQ(one->Series, three->Series);
    options.Seed = 43;
    EXPECT_NE(SimulateWinChances(position, &EndTable(), options)->Game, one->Game);
}

// With the current game over and one more to play, the series goes to the better total over both;
// a finished game's winner is certain.
TEST(WinChancesTest, PlaysTheGamesLeftFromABlankSheet) {
    TGameScore full = EndGame({}, {{ChanceLine, 20}});
    TGameScore better = EndGame({}, {{ChanceLine, 21}});
    TChanceOptions options;
    options.Simulations = 50;
    const auto chances = SimulateWinChances(
        {{{TPlayStyle::Classic, 0, full}, {TPlayStyle::Classic, 1000, better}}, 1}, nullptr, options);
    ASSERT_TRUE(chances.has_value());
    EXPECT_EQ(chances->Game, (std::vector<double>{0.0, 1.0}));
    EXPECT_EQ(chances->Series, (std::vector<double>{0.0, 1.0})) << "no game makes up 1,000 points";
}

// The expert's games average the optimum: those measured here, on any number of threads, and the
// million shipped with the program for the statistics window.
TEST(WinChancesTest, AnExpertPlaysForTheOptimumAndStopsWhenAsked) {
    static const TOptimalTable whole = *BuildOptimalTable();
    const TExpertFigures measured = MeasureExpertFigures(whole, 400, 1, 1);
    const TExpertFigures shipped = ShippedExpertFigures();
    // A game's total varies by about 60 points around the optimum.
    for (const TExpertFigures& figures : {measured, shipped}) {
        EXPECT_NEAR(figures.Mean, Optimum(whole), 4.5 * 60 / std::sqrt(figures.Games));
        EXPECT_EQ(std::accumulate(figures.Counts.begin(), figures.Counts.end(), std::int64_t{0}),
                  figures.Games);
        EXPECT_LE(figures.Worst, figures.Mean);
        EXPECT_GE(figures.Best, figures.Mean);
        EXPECT_GT(figures.UpperBonusRate, 0.5);
        EXPECT_GT(figures.QuintixRate, 0.2);
    }
    EXPECT_EQ(shipped.Optimum, Optimum(whole));
    const TExpertFigures threaded = MeasureExpertFigures(whole, 400, 1, 3);
    EXPECT_EQ(threaded.Counts, measured.Counts);
    EXPECT_EQ(threaded.Mean, measured.Mean);

    std::stop_source stop;
    stop.request_stop();
    TChanceOptions options;
    options.Stop = stop.get_token();
    const TChancePosition position{{{TPlayStyle::Expert, 0, TGameScore::Blank()}}, 2};
    EXPECT_FALSE(SimulateWinChances(position, &whole, options).has_value());
    EXPECT_THROW(SimulateWinChances(position, nullptr, options), std::invalid_argument);
    EXPECT_THROW(SimulateWinChances(position, &EndTable(), options), std::invalid_argument)
        << "the table must hold the blank sheet";
}

}  // namespace
}  // namespace quintix
