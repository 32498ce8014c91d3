#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "game/quintix_game.h"
#include "tests/game/game_harness.h"

namespace quintix::testing {
namespace {

using ::testing::ElementsAre;

// Opening the new game dialog sorts a copy of the players, which refills the list as every sort
// does: the name shown stays selected, and of equal names the last.
TEST_F(GameTest, OpeningTheDialogKeepsTheSelectedNameAndPrefersTheLastOfEqualNames) {
    StartSeries({{"Sam"}, {"Kim"}, {"Sam"}}, 5);
    Game.ViewSheetOf(1);
    Game.OpenNewGame();
    EXPECT_EQ(S().Controls.PlayerListIndex, 2) << "the last entry named Sam";
    Game.ViewSheetOf(2);
    Game.OpenNewGame();
    EXPECT_EQ(S().Controls.PlayerListIndex, 1);
}

TEST_F(GameTest, TheRollForOrderSortsByTheSumsAndNeverSwapsEqualSums) {
    for (const auto& [sums, order] :
         {std::pair(std::vector{10, 10, 20}, "P3P2P1"), std::pair(std::vector{15, 20, 20}, "P2P3P1"),
          std::pair(std::vector{12, 12, 12}, "P1P2P3")}) {
        StartSeries({{"P1"}, {"P2"}, {"P3"}});
        for (const int sum : sums) {
            EXPECT_EQ(S().Controls.PlayerMessage, YourTurn(true));
            HumanRoll({sum / 5, sum / 5, sum / 5, sum / 5, sum / 5 + sum % 5});
            EXPECT_EQ(S().Controls.RollText, std::to_string(sum));
            Clock.AdvanceBy(1000 + 1);
        }
        EXPECT_EQ(Order()[0] + Order()[1] + Order()[2], order);
        EXPECT_EQ(View.SummaryShowings.back(), "Initial Order");
        Game.SummaryClosed();
        Clock.AdvanceBy(1);
        EXPECT_EQ(S().Controls.PlayerMessage, YourTurn());
    }
}

// The message names the player on turn unless that player's sheet is shown; in the roll for order
// the roll label shows the sum of the player shown, once rolled.
TEST_F(GameTest, TheMessageAndTheRollLabelFollowTheSheetShown) {
    StartSeries({{"P1"}, {"P2"}, {"P3"}});
    HumanRoll({1, 1, 1, 1, 3});
    Clock.AdvanceBy(1001);
    for (const auto& [shown, message, roll] :
         {std::tuple(1, TurnOf("P2", true), "7"), std::tuple(3, TurnOf("P2", true), ""),
          std::tuple(2, YourTurn(true), "")}) {
        Game.ViewSheetOf(shown);
        EXPECT_EQ(S().Controls.PlayerMessage, message);
        EXPECT_EQ(S().Controls.RollText, roll);
    }
}

TEST_F(GameTest, ADoubleClickScoresOnlyALineOfThePlayerOnTurnInTheCurrentGame) {
    StartSeries({{"Ann"}, {"Bob"}}, 2);
    Game.LoadPosition(TPositionBuilder(S()).At(2, 4).Lines(1, 2, {{Twos, 4}}).Build());
    HumanRoll({2, 2, 2, 5, 5});
    // Header, Total, Upper Total, another game, a scored line, Lower Total, another game.
    for (const auto& [grid, column, row] :
         {std::tuple(TGrid::Upper, 2, 0), std::tuple(TGrid::Upper, 2, 7), std::tuple(TGrid::Upper, 2, 9),
          std::tuple(TGrid::Upper, 1, 3), std::tuple(TGrid::Upper, 2, 2), std::tuple(TGrid::Lower, 2, 7),
          std::tuple(TGrid::Lower, 1, 2)}) {
        Game.ScoreCell(grid, column, row);
        EXPECT_EQ(S().RollCount, 1) << "column " << column << " row " << row;
    }
    Game.ViewSheetOf(2);
    Game.ScoreCell(TGrid::Upper, 2, 3);
    EXPECT_EQ(S().RollCount, 1) << "another player's sheet is shown";
    Game.ViewSheetOf(1);
    Game.ScoreCell(TGrid::Upper, 2, 5);
    EXPECT_EQ(S().Scores[1][2].Lines[Fives], 10);
}

// A die left marked when a person scores must not let a click roll for the next player, and a
// person cannot score on a computer player's turn.
TEST_F(GameTest, TheEndOfATurnLeavesNoRollOrScoreToAnyoneElse) {
    StartSeries({{"Ann"}, {"Cee", true}});
    Game.LoadPosition(TPositionBuilder(S()).At(1, 1).Build());
    HumanRoll({1, 2, 3, 4, 5});
    Game.ToggleDie(1);
    Game.Score(LargeStraight);
    EXPECT_FALSE(S().Controls.RollEnabled);
    Dice.Add({6, 6, 6, 6, 6});
    Clock.AdvanceBy(2000 + 1250);
    Game.Score(QuintixLine);
    EXPECT_EQ(S().Scores[2][1].Lines[QuintixLine], NoValue);
}

// A click on a die while the dice fall would be forgotten at the next tick, leaving "&Roll Dice"
// on with nothing marked: such clicks are ignored, as after the third roll.
TEST_F(GameTest, ClicksOnDiceWhileTheyFallAreIgnored) {
    StartSeries({{"Ann"}});
    HumanRoll({1, 2, 3, 4, 5});
    Game.ToggleDie(1);
    Dice.Add({6});
    Game.Roll();
    Game.ToggleDie(2);
    Clock.AdvanceBy(250);
    EXPECT_THAT(Faces(), ElementsAre(6, 2, 3, 4, 5));
    EXPECT_EQ(S().SelectedCount, 0);
    EXPECT_FALSE(S().Controls.RollEnabled);
    EXPECT_FALSE(S().Dice[1].SelectShown);
}

// After the third roll the dice can only be scored: a click marks no die and "&Roll Dice" stays off.
TEST_F(GameTest, NoDieCanBeMarkedAfterTheThirdRoll) {
    StartSeries({{"Ann"}});
    HumanRoll({1, 2, 3, 4, 5});
    for (const int face : {6, 6}) {
        Game.ToggleDie(1);
        HumanRoll({face});
    }
    ASSERT_EQ(S().RollCount, 3);
    for (int die = 1; die <= NoOfDice; ++die) {
        Game.ToggleDie(die);
        EXPECT_FALSE(S().Dice[die].SelectShown) << "die " << die;
    }
    EXPECT_EQ(S().SelectedCount, 0);
    EXPECT_FALSE(S().Controls.RollEnabled);
}

// Everyone has played all but the last line of the game; the last player in play order is on turn
// with "Chance" open and rolls 1-2-2-2-3 (10). Each sheet's total so far stands on "3 Of A Kind".
class LastTurnTest : public GameTest {
protected:
    void ScoreTheLastLine(int game, const std::vector<std::vector<int>>& totals, int bonusOfA = 0) {
        TGameState state = TPositionBuilder(S()).At(game, 13, S().NoOfPlayers).Build();
        for (int p = 1; p <= state.NoOfPlayers; ++p) {
            for (int g = 1; g <= game; ++g) {
                state.Scores[p][g].Lines.fill(0);
                state.Scores[p][g].Lines[ThreeOfAKind] =
                    totals[static_cast<std::size_t>(p - 1)][static_cast<std::size_t>(g - 1)];
            }
        }
        state.Scores[state.Players[state.NoOfPlayers].ScoreIndex][game].Lines[ChanceLine] = NoValue;
        state.Scores[1][game].Lines[QuintixLine] = bonusOfA > 0 ? 50 : 0;
        state.Scores[1][game].Bonus = bonusOfA;
        Game.LoadPosition(state);
        HumanRoll({1, 2, 2, 2, 3});
        Game.Score(ChanceLine);
    }
};

// The summary shows the series so far; the next game is played in the order of the last game's
// grand totals, Quintix bonus included.
TEST_F(LastTurnTest, TheNextGameIsPlayedInTheOrderOfTheLastGameWhileTheSummaryShowsTheSeries) {
    StartSeries({{"A"}, {"B"}, {"C"}}, 3);
    // Game 1: A 200, B 100, C 150. Game 2: A 50 and a bonus of 100, B 120, C 100 + the 10 scored now.
    ScoreTheLastLine(2, {{200, 0}, {100, 120}, {150, 100}}, 100);
    const TPlayers& summary = View.SummaryPlayers;
    EXPECT_EQ(summary[1].Name + summary[2].Name + summary[3].Name, "ACB");  // 350, 260, 220
    EXPECT_THAT(Order(), ElementsAre("A", "B", "C"));                       // 150, 120, 110
    EXPECT_EQ(View.SummaryShowings.back(), "Series Summary");
}

// At the end of the series the leader of the series' totals is the winner and goes first, whoever
// won the last game.
TEST_F(LastTurnTest, AfterTheLastGameTheLeaderOfTheSeriesIsTheWinner) {
    // The games, the totals before B's 10 now, and the winner: B wins the one game; over two games A
    // leads the series, 300 to 260, although B wins the last game, 160 to 100.
    for (const auto& [games, totals, winner] :
         {std::tuple(1, std::vector<std::vector<int>>{{100}, {95}}, "B"),
          std::tuple(2, std::vector<std::vector<int>>{{200, 100}, {100, 150}}, "A")}) {
        StartSeries({{"A"}, {"B"}}, games);
        ScoreTheLastLine(games, totals);
        EXPECT_EQ(S().Controls.PlayerMessage, WinnerIs(winner));
        EXPECT_EQ(Order().front(), winner);
        Game.SummaryClosed();
        Clock.AdvanceBy(1);
        Game.ViewSheetOf(2);
        EXPECT_EQ(S().Controls.PlayerMessage, WinnerIs(winner));
    }
}

}  // namespace
}  // namespace quintix::testing
