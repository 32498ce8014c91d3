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
    CoachTest() : Coach(Game, [this]() -> const TOptimalTable* { return Ready ? &*Table : nullptr; }) {
        TBuildOptions options;
        options.MostOpenLines = 2;
        Table = BuildOptimalTable(options);
        Game.SetEvents(&Coach);
        StartSeries({{"Ann"}, {"Cy", true}}, 2);
        TPositionBuilder position(S());
        for (const int index : {1, 2}) {
            position.Sheet(index, 1, {3, 6, 9, 12, NoValue, 18, 20, 0, 25, 30, 0, 0, NoValue});
        }
        Game.LoadPosition(position.At(1, 12).Build());
    }
    ~CoachTest() override { Game.SetEvents(nullptr); }

    std::optional<TOptimalTable> Table;
    bool Ready = true;
    TCoach Coach;
};

TEST_F(CoachTest, AfterEveryRollItListsTheChoicesBestFirstAndMarksTheComputersChoice) {
    EXPECT_EQ(Coach.Advice().State, TCoachAdvice::TState::BeforeRoll);
    HumanRoll({5, 5, 5, 2, 1});
    TCoachAdvice advice = Coach.Advice();
    ASSERT_EQ(advice.State, TCoachAdvice::TState::Choices);
    EXPECT_EQ(advice.Player, "Ann");
    EXPECT_EQ(advice.GrandTotal, GrandTotal(S().Scores[1][1]));
    EXPECT_EQ(advice.Choices, EvaluateTurn(*Table, S().Scores[1][1], 1, {{5, 5, 5, 2, 1}}));
    ASSERT_GE(advice.ClassicChoice, 0);
    const TComputerDecision classic = DecideComputerMove({S().Analysis, S().Scores[1][1], 1, 12});
    const TChoiceValue& marked = advice.Choices[static_cast<std::size_t>(advice.ClassicChoice)];
    EXPECT_EQ(marked.Kind == TChoiceValue::TKind::Reroll ? int{marked.Dice} : marked.Line,
              classic.Kind == TComputerDecision::TKind::Roll ? int{classic.Dice} : classic.Line);

    Ready = false;
    EXPECT_EQ(Coach.Advice().State, TCoachAdvice::TState::Preparing);
}

// A person's choice gives away what the best one is worth more.
TEST_F(CoachTest, ItKeepsThePointsEachPersonGivesAway) {
    HumanRoll({5, 5, 5, 2, 1});
    const std::vector<TChoiceValue> choices = EvaluateTurn(*Table, S().Scores[1][1], 1, {{5, 5, 5, 2, 1}});
    Ready = false;  // decided before the table is ready: valued once it is
    Game.Score(ChanceLine);
    ASSERT_EQ(S().Scores[1][1].Lines[ChanceLine], 18);
    Ready = true;
    const auto chance = std::ranges::find_if(choices, [](const TChoiceValue& c) {
        return c.Kind == TChoiceValue::TKind::Score && c.Line == ChanceLine;
    });
    const std::vector<TGivenAway> people = Coach.GivenAway();
    ASSERT_EQ(people.size(), 1U) << "people only";
    EXPECT_EQ(people[0].Name, "Ann");
    EXPECT_DOUBLE_EQ(people[0].Points, choices.front().Value - chance->Value);
    EXPECT_GT(people[0].Points, 0.0);

    // Cy plays its turn; then Ann's best choice gives nothing away.
    Dice.Add({6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6});
    Clock.AdvanceBy(2000 + 20000);
    ASSERT_EQ(S().CurrentPlayer, 1);
    HumanRoll({5, 5, 5, 5, 3});
    const TChoiceValue best = EvaluateTurn(*Table, S().Scores[1][1], 1, {{5, 5, 5, 5, 3}}).front();
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
}

}  // namespace
}  // namespace quintix::testing
