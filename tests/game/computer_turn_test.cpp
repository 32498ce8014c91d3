#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>

#include "computer/optimal_solver.h"
#include "tests/game/game_harness.h"

namespace quintix::testing {
namespace {

using ::testing::ElementsAre;

// A computer rolls by itself, decides a second after its roll, rolls again half a second later,
// and the turn passes two seconds after its score. Quick computer turns make each of its pauses a
// quarter as long, the dice's fall included; a person's stay as they were.
TEST_F(GameTest, AComputersPausesAreAQuarterAsLongWithQuickTurnsAndAPersonsStay) {
    for (const bool quick : {false, true}) {
        const int divisor = quick ? 4 : 1;
        const int fall = 250 / divisor;
        const int decide = 1000 / divisor;
        TNewGameContents form = SeriesOf({{"Cee", true}, {"Ann"}});
        form.QuickComputerTurns = quick;
        Game.StartSeries(form);
        EXPECT_EQ(Game.OpenNewGame().QuickComputerTurns, quick);
        Dice.Add({1, 2, 3, 4, 6});
        Game.LoadPosition(TPositionBuilder(S()).At(1, 1).Build());
        Clock.AdvanceBy(5 * fall - 1);
        EXPECT_EQ(Game.Stage(), TTurnStage::DiceFalling);
        Clock.AdvanceBy(1 + decide - 1);
        EXPECT_THAT(Faces(), ElementsAre(1, 2, 3, 4, 6)) << "no decision before its pause has passed";
        Clock.AdvanceBy(1);
        // A small straight is kept for the large one while rolls are left: only die 5 is rolled.
        EXPECT_THAT(Faces(), ElementsAre(1, 2, 3, 4, NoValue));
        Dice.Add({5});
        Clock.AdvanceBy(500 / divisor - 1);
        EXPECT_EQ(S().RollCount, 1);
        Clock.AdvanceBy(1 + fall + decide);
        EXPECT_EQ(S().Scores[1][1].Lines[LargeStraight], 40);
        Clock.AdvanceBy(2000 / divisor - 1);
        EXPECT_EQ(Game.Stage(), TTurnStage::BetweenTurns);
        Clock.AdvanceBy(1);
        EXPECT_EQ(S().CurrentPlayer, 2);

        Dice.Add({6, 6, 6, 6, 6});
        Game.Roll();
        Clock.AdvanceBy(5 * 250 - 1);
        EXPECT_EQ(Game.Stage(), TTurnStage::DiceFalling) << "a person's dice fall as ever";
        Clock.AdvanceBy(1);
        Game.Score(QuintixLine);
        Clock.AdvanceBy(2000 - 1);
        EXPECT_EQ(Game.Stage(), TTurnStage::BetweenTurns) << "the pause after a person's score";
        Dice.Add({1, 1, 1, 1, 1});
        Clock.AdvanceBy(1 + 5 * fall);
        EXPECT_EQ(Game.Stage(), TTurnStage::ComputerDeciding);
    }
}

// The table's building starts with a series that has expert computer players, not later.
TEST_F(GameTest, AnExpertSeriesStartsBuildingTheTableAtOnce) {
    for (const auto& [expert, players, requested] :
         {std::tuple(true, SeriesOf({{"Ann"}, {"Cy", true}}), true),
          std::tuple(true, SeriesOf({{"Ann"}}), false),
          std::tuple(false, SeriesOf({{"Ann"}, {"Cy", true}}), false)}) {
        TNewGameContents form = players;
        form.ExpertPlay = expert;
        const int before = Table.Requests;
        Game.StartSeries(form);
        EXPECT_EQ(Table.Requests - before, requested ? 1 : 0) << expert << " " << players.Rows[2].Name;
    }
}

// The end of a game: one expert computer player with Fives and Chance open, on a table that
// holds the last two turns only. After every roll the fixture works out the best choice.
class ExpertPlayTest : public GameTest, public IGameEvents {
protected:
    ExpertPlayTest() {
        TNewGameContents form = SeriesOf({{"Exa", true}});
        form.ExpertPlay = true;
        Game.StartSeries(form);
        Dice.Add({5, 5, 2, 2, 6});
        Game.LoadPosition(TPositionBuilder(S())
                              .At(1, 12)
                              .Sheet(1, 1, {3, 6, 9, 12, NoValue, 18, 20, 0, 25, 30, 0, 50, NoValue})
                              .Build());
        Clock.AdvanceBy(1250);  // the first roll has landed; the decision falls due 1000 ms later
    }

    void RollCompleted() override {
        TDiceValues dice;
        for (int die = 1; die <= NoOfDice; ++die) {
            dice[die] = S().Dice[die].Value;
        }
        Best = BestChoice(EndTable(), S().Scores[1][1], S().RollCount, dice);
    }
    void ComputerRerolls(TDiceSet dice) override {
        EXPECT_EQ(Best.Kind, TChoiceValue::TKind::Reroll);
        EXPECT_EQ(Best.Dice, dice);
        ++Decisions;
    }
    void LineScored(int line, std::int32_t /*value*/, std::int32_t /*bonus*/) override {
        EXPECT_EQ(Best.Kind, TChoiceValue::TKind::Score);
        EXPECT_EQ(Best.Line, line);
        ++Decisions;
    }

    TChoiceValue Best;
    int Decisions = 0;
};

TEST_F(ExpertPlayTest, TheExpertMakesTheBestChoiceAtEveryDecision) {
    Table.Provide(EndTable());
    RollCompleted();
    const TSubscription following = Game.Subscribe(*this);
    Dice.Add({5, 5, 5, 5, 5, 1, 2, 3, 4, 5, 6, 6, 6, 6, 6});
    for (int step = 0; step < 100 && S().Phase() == TPhase::Playing; ++step) {
        if (S().SummaryOpen) {
            Game.SummaryClosed();
        } else {
            Clock.RunNext();
        }
    }
    EXPECT_EQ(S().Phase(), TPhase::SeriesOver);
    EXPECT_GE(Decisions, 2);
}

TEST_F(ExpertPlayTest, ADecisionDueBeforeTheTableIsReadyWaitsForIt) {
    Clock.AdvanceBy(1000);
    EXPECT_EQ(S().Controls.PlayerMessage.Kind, TPlayerMessage::TKind::PreparingExpert);
    EXPECT_EQ(Game.Stage(), TTurnStage::WaitingForTable);
    EXPECT_EQ(Table.Requests, 2) << "when the series started, and now";
    EXPECT_FALSE(Clock.Pending()) << "nothing looks for the table on a timer";
    Table.Advance(0.5);
    EXPECT_EQ(S().RollCount, 1) << "still waiting";
    Dice.Add({5, 5, 5});
    Table.Provide(EndTable());
    EXPECT_EQ(S().Controls.PlayerMessage, YourTurn());
    Clock.AdvanceBy(500 + 750 + 1000 + 2000);
    EXPECT_EQ(S().Turn, 13) << "the turn went on once the table was ready";
}

}  // namespace
}  // namespace quintix::testing
