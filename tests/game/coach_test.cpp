#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "computer/strategy.h"
#include "game/coach.h"
#include "scoring/totals.h"
#include "tests/game/game_harness.h"

namespace quintix::testing {
namespace {

// Ann, a person, and Cy, a computer, at the end of a game: each has Fives and Chance open, on a
// table that holds the last two turns only.
class CoachTest : public GameTest {
protected:
    CoachTest() : Coach(Game, Table) {
        StartSeries({{"Ann"}, {"Cy", true}}, 2);
        TPositionBuilder position(S());
        for (const int index : {1, 2}) {
            position.Sheet(index, 1, {3, 6, 9, 12, NoValue, 18, 20, 0, 25, 30, 0, 0, NoValue});
        }
        Game.LoadPosition(position.At(1, 12).Build());
    }

    TCoach Coach;
};

TEST_F(CoachTest, AfterEveryRollItListsTheChoicesBestFirstAndMarksTheComputersChoice) {
    EXPECT_EQ(Coach.Advice().State, TCoachAdvice::TState::BeforeRoll);
    HumanRoll({5, 5, 5, 2, 1});
    EXPECT_EQ(Coach.Advice().State, TCoachAdvice::TState::Preparing);
    EXPECT_EQ(Table.Requests, 0) << "the coach never has the table built itself";
    Table.Provide(EndTable());
    TCoachAdvice advice = Coach.Advice();
    ASSERT_EQ(advice.State, TCoachAdvice::TState::Choices);
    EXPECT_EQ(advice.Player, "Ann");
    EXPECT_EQ(advice.GrandTotal, GrandTotal(S().Scores[1][1]));
    EXPECT_EQ(advice.Choices, EvaluateTurn(EndTable(), S().Scores[1][1], 1, {{5, 5, 5, 2, 1}}));
    ASSERT_GE(advice.ClassicChoice, 0);
    const TComputerDecision classic = DecideComputerMove({S().Analysis, S().Scores[1][1], 1, 12});
    const TChoiceValue& marked = advice.Choices[static_cast<std::size_t>(advice.ClassicChoice)];
    EXPECT_EQ(marked.Kind == TChoiceValue::TKind::Reroll ? int{marked.Dice} : marked.Line,
              classic.Kind == TComputerDecision::TKind::Roll ? int{classic.Dice} : classic.Line);
}

// The turn passes two seconds after a score with no roll yet: a window that waited for the next
// roll would name the player who has just scored until then.
TEST_F(CoachTest, ItSaysSoTheMomentTheTurnPasses) {
    HumanRoll({5, 5, 5, 2, 1});
    Game.Score(ChanceLine);
    int changes = 0;
    const TSubscription watching = Coach.OnChange([&changes] { ++changes; });
    Dice.Add({6, 6, 6, 6, 6});
    Clock.AdvanceBy(1999);
    EXPECT_EQ(changes, 0);
    Clock.AdvanceBy(1);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(Coach.Advice().Player, "Cy");
    EXPECT_EQ(Coach.Advice().State, TCoachAdvice::TState::BeforeRoll);
    Clock.AdvanceBy(1250);
}

// A person's choice gives away what the best one is worth more.
TEST_F(CoachTest, ItKeepsThePointsEachPersonGivesAway) {
    HumanRoll({5, 5, 5, 2, 1});
    const std::vector<TChoiceValue> choices =
        EvaluateTurn(EndTable(), S().Scores[1][1], 1, {{5, 5, 5, 2, 1}});
    int changes = 0;
    const TSubscription watching = Coach.OnChange([&changes] { ++changes; });
    Game.Score(ChanceLine);  // decided before the table is ready: valued once it is
    ASSERT_EQ(S().Scores[1][1].Lines[ChanceLine], 18);
    EXPECT_EQ(Coach.GivenAway()[0].Points, 0.0);
    ASSERT_TRUE(Coach.Advice().LastDecision);
    EXPECT_FALSE(Coach.Advice().LastDecision->Cost);
    changes = 0;
    Table.Provide(EndTable());
    EXPECT_EQ(changes, 1) << "the coach says so when the table comes";
    const auto chance = std::ranges::find_if(choices, [](const TChoiceValue& c) {
        return c.Kind == TChoiceValue::TKind::Score && c.Line == ChanceLine;
    });
    const std::vector<TGivenAway> people = Coach.GivenAway();
    ASSERT_EQ(people.size(), 1U) << "people only";
    EXPECT_EQ(people[0].Name, "Ann");
    EXPECT_DOUBLE_EQ(people[0].Points, choices.front().Value - chance->Value);
    EXPECT_GT(people[0].Points, 0.0);
    const TDecisionCost last = *Coach.Advice().LastDecision;
    EXPECT_EQ(last.Player, "Ann");
    EXPECT_EQ(last.Choice.Line, ChanceLine);
    EXPECT_EQ(last.Dice, (TDiceValues{{5, 5, 5, 2, 1}}));
    EXPECT_EQ(last.Cost, people[0].Points);

    // Cy plays its turn; then Ann's best choice gives nothing away.
    Dice.Add({6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6});
    Clock.AdvanceBy(2000 + 20000);
    ASSERT_EQ(S().CurrentPlayer, 1);
    HumanRoll({5, 5, 5, 5, 3});
    const TChoiceValue best = EvaluateTurn(EndTable(), S().Scores[1][1], 1, {{5, 5, 5, 5, 3}}).front();
    if (best.Kind == TChoiceValue::TKind::Score) {
        Game.Score(best.Line);
    } else {
        for (int die = 1; die <= NoOfDice; ++die) {
            if ((best.Dice & DieBit(die)) != 0) {
                Game.ToggleDie(die);
            }
        }
        Game.Roll();
    }
    EXPECT_EQ(Coach.GivenAway()[0].Points, people[0].Points);
    EXPECT_EQ(Coach.Advice().LastDecision->Cost, 0.0) << "the best choice";
}

// A score taken back is no decision: only the choice that stands counts, and the choices after the
// roll show again.
TEST_F(CoachTest, OnlyTheChoiceThatStandsCounts) {
    Table.Provide(EndTable());
    HumanRoll({5, 5, 5, 2, 1});
    const TCoachAdvice after = Coach.Advice();
    Game.Score(ChanceLine);
    ASSERT_GT(Coach.GivenAway()[0].Points, 0.0);
    Game.UndoScore();
    EXPECT_EQ(Coach.GivenAway()[0].Points, 0.0);
    EXPECT_FALSE(Coach.Advice().LastDecision);
    EXPECT_EQ(Coach.Advice().Choices, after.Choices);
    Game.Score(Fives);
    const auto fives = std::ranges::find_if(after.Choices, [](const TChoiceValue& c) {
        return c.Kind == TChoiceValue::TKind::Score && c.Line == Fives;
    });
    EXPECT_EQ(Coach.GivenAway()[0].Points, after.Choices.front().Value - fives->Value);
    EXPECT_EQ(Coach.Advice().LastDecision->Choice.Line, Fives);
}

// Before a game's first roll the best play is expected to reach what a new game is worth.
TEST_F(GameTest, BeforeARollTheCoachSaysWhatTheGameIsExpectedToReach) {
    TFixedTable full(&SharedTable());
    const TCoach coach(Game, full);
    StartSeries({{"Ann"}});
    EXPECT_EQ(coach.Advice().State, TCoachAdvice::TState::BeforeRoll);
    EXPECT_EQ(coach.Advice().ExpectedTotal, Optimum(SharedTable()));
    HumanRoll({1, 2, 3, 4, 5});
    EXPECT_FALSE(coach.Advice().ExpectedTotal) << "after the roll the choices say it";
}

// Points are given away in a game: the count starts again at 0 in the next game of the series and
// in a new series.
TEST_F(CoachTest, ThePointsGivenAwayStartAgainInEveryGameAndEverySeries) {
    Table.Provide(EndTable());
    const auto giveAwayOnTheLastTurn = [this](int game) {
        const int ann = S().Players[1].Name == "Ann" ? 1 : 2;
        const std::array<std::int32_t, NoOfLines> chanceOpen{3, 6,  9,  12, 20, 18,     20,
                                                             0, 25, 30, 0,  0,  NoValue};
        Game.LoadPosition(TPositionBuilder(S())
                              .At(game, TurnsPerGame, ann)
                              .Sheet(1, game, chanceOpen)
                              .Sheet(2, game, chanceOpen)
                              .Build());
        HumanRoll({1, 1, 1, 2, 1});
        Game.Score(ChanceLine);  // six points, where rolling again is worth more
        return Coach.GivenAway()[0].Points;
    };
    ASSERT_GT(giveAwayOnTheLastTurn(1), 0.0);
    Dice.Add({6, 6, 6, 6, 6});
    Clock.AdvanceBy(2000 + 1250 + 1000);  // Cy's last turn ends the game
    ASSERT_TRUE(S().SummaryOpen);
    EXPECT_EQ(Coach.GivenAway()[0].Points, 0.0) << "in game 2";

    Game.SummaryClosed();
    ASSERT_GT(giveAwayOnTheLastTurn(2), 0.0);
    Game.StartSeries(SeriesOf({{"Ann"}}));
    EXPECT_EQ(Coach.GivenAway()[0].Points, 0.0) << "in a new series";
}

}  // namespace
}  // namespace quintix::testing
