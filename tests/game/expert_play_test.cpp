#include <gtest/gtest.h>

#include <optional>

#include "computer/optimal_solver.h"
#include "tests/game/game_harness.h"

namespace quintix::testing {
namespace {

// The end of a game: one expert computer player with Fives and Chance open, on a table that
// holds the last two turns only.
class ExpertPlayTest : public GameTest {
protected:
    ExpertPlayTest() {
        TBuildOptions options;
        options.MostOpenLines = 2;
        Table = BuildOptimalTable(options);
        Game.SetExpertTable([this]() -> const TOptimalTable* { return Ready ? &*Table : nullptr; });
        TNewGameContents form;
        form.Rows[1] = {"Exa", true};
        form.ExpertPlay = true;
        Game.StartSeries(form);
        TGameState state = S();
        state.Turn = 12;
        state.Scores[1][1].Lines = {3, 6, 9, 12, NoValue, 18, 20, 0, 25, 30, 0, 50, NoValue};
        Dice.Add({5, 5, 2, 2, 6});
        Game.LoadPosition(state);
        Clock.AdvanceBy(1250);  // the first roll has landed; the decision falls due 1000 ms later
    }

    std::optional<TOptimalTable> Table;
    bool Ready = true;
};

// After every roll the best choice is worked out from the position; the decision must be it.
class TDecisionCheck : public IGameEvents {
public:
    TDecisionCheck(const TQuintixGame& game, const TOptimalTable& table) : Game(game), Table(table) {}

    void RollCompleted() override {
        const TGameState& s = Game.State();
        TDiceValues dice;
        for (int die = 1; die <= NoOfDice; ++die) {
            dice[die] = s.Dice[die].Value;
        }
        Best = BestChoice(Table, s.Scores[1][1], s.RollCount, dice);
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

    const TQuintixGame& Game;
    const TOptimalTable& Table;
    TChoiceValue Best;
    int Decisions = 0;
};

TEST_F(ExpertPlayTest, TheExpertMakesTheBestChoiceAtEveryDecision) {
    TDecisionCheck check(Game, *Table);
    check.RollCompleted();
    Game.SetEvents(&check);
    Dice.Add({5, 5, 5, 5, 5, 1, 2, 3, 4, 5, 6, 6, 6, 6, 6});
    for (int step = 0; step < 100 && S().Phase == TPhase::Playing; ++step) {
        if (S().Summary != TSummaryState::Closed) {
            Game.SummaryClosed();
        } else {
            Clock.RunNext();
        }
    }
    EXPECT_EQ(S().Phase, TPhase::SeriesOver);
    EXPECT_GE(check.Decisions, 2);
    Game.SetEvents(nullptr);
}

TEST_F(ExpertPlayTest, ADecisionDueBeforeTheTableIsReadyWaitsForIt) {
    Ready = false;
    Clock.AdvanceBy(1000);
    EXPECT_EQ(S().Controls.PlayerMessage.Kind, TPlayerMessage::TKind::PreparingExpert);
    EXPECT_EQ(S().RollCount, 1);
    EXPECT_EQ(Clock.DueAt() - Clock.Now(), 100) << "it looks again a tenth of a second later";
    Clock.AdvanceBy(2000);
    EXPECT_EQ(S().RollCount, 1) << "still waiting";
    Ready = true;
    Dice.Add({5, 5, 5});
    Clock.AdvanceBy(100);
    EXPECT_EQ(S().Controls.PlayerMessage, YourTurn());
    Clock.AdvanceBy(500 + 750 + 1000 + 2000);
    EXPECT_EQ(S().Turn, 13) << "the turn went on once the table was ready";
}

}  // namespace
}  // namespace quintix::testing
