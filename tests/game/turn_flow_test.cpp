#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "game/quintix_game.h"
#include "tests/game/game_harness.h"

namespace quintix::testing {
namespace {

using ::testing::ElementsAre;

TEST_F(GameTest, DiceOfARollLandOneEveryQuarterSecondInDieOrder) {
    StartSeries({{"Ann"}});
    ASSERT_TRUE(S().Controls.RollEnabled);
    Dice.Add({1, 2, 3, 4, 5});
    Game.Roll();
    EXPECT_FALSE(S().Controls.RollEnabled);
    EXPECT_EQ(S().Controls.RollText, "1");
    for (int die = 1; die <= NoOfDice; ++die) {
        Clock.AdvanceBy(249);
        EXPECT_EQ(S().Dice[die].Value, NoValue) << "die " << die << " landed early";
        Clock.AdvanceBy(1);
        EXPECT_EQ(S().Dice[die].Value, die);
        EXPECT_TRUE(S().Dice[die].ImageShown);
    }
    EXPECT_FALSE(Clock.Pending()) << "a person's completed roll waits for the person";
    EXPECT_TRUE(S().Controls.ScoreEnabled);
    EXPECT_TRUE(S().Controls.PossibleEnabled);
    EXPECT_EQ(S().Analysis.DiceSum, 15);
}

TEST_F(GameTest, OnlyTheMarkedDiceFallAgainAndAThirdRollEndsTheMarking) {
    StartSeries({{"Ann"}});
    HumanRoll({1, 2, 3, 4, 5});
    Game.ToggleDie(2);
    Game.ToggleDie(4);
    EXPECT_TRUE(S().Dice[2].SelectShown && S().Dice[4].SelectShown);
    EXPECT_EQ(S().SelectedCount, 2);
    EXPECT_TRUE(S().Controls.RollEnabled);

    Dice.Add({6, 6});
    Game.Roll();
    EXPECT_THAT(Faces(), ElementsAre(1, NoValue, 3, NoValue, 5));
    EXPECT_FALSE(S().Dice[2].ImageShown) << "falling dice are not seen";
    Clock.AdvanceBy(250);
    EXPECT_THAT(Faces(), ElementsAre(1, 6, 3, NoValue, 5));
    Clock.AdvanceBy(250);
    EXPECT_THAT(Faces(), ElementsAre(1, 6, 3, 6, 5));
    EXPECT_EQ(S().SelectedCount, 0);
    EXPECT_FALSE(S().Dice[2].SelectShown);

    Game.ToggleDie(1);
    Game.ToggleDie(1);  // unmarked again: nothing to roll
    EXPECT_FALSE(S().Controls.RollEnabled);
    Game.ToggleDie(1);
    HumanRoll({4});
    EXPECT_EQ(S().RollCount, 3);
    Game.ToggleDie(1);
    Game.ToggleDie(2);
    EXPECT_EQ(S().SelectedCount, 0) << "no marking after the third roll";
    EXPECT_FALSE(S().Controls.RollEnabled);
}

// Clicks and digit keys on the dice are ignored while dice fall, as after the third roll, so that
// "&Roll Dice" never comes on with no die to roll.
TEST_F(GameTest, ADieClickedWhileDiceFallIsIgnored) {
    StartSeries({{"Ann"}});
    Dice.Add({1, 2, 3, 4, 5});
    Game.Roll();
    Game.ToggleDie(1);  // during the fall of roll 1
    Clock.AdvanceBy(1250);
    EXPECT_FALSE(S().Controls.RollEnabled);
    Game.ToggleDie(1);
    Dice.Add({6});
    Game.Roll();
    Game.ToggleDie(3);  // during the fall of roll 2
    EXPECT_FALSE(S().Dice[3].SelectShown);
    EXPECT_FALSE(S().Controls.RollEnabled);
    Clock.AdvanceBy(250);
    EXPECT_THAT(Faces(), ElementsAre(6, 2, 3, 4, 5));
    EXPECT_EQ(S().SelectedCount, 0);
    EXPECT_FALSE(S().Controls.RollEnabled) << "no die is marked after the roll";
    Game.Roll();
    EXPECT_EQ(S().RollCount, 2);
}

TEST_F(GameTest, WhileDiceFallScoreAndPossibilitiesStayAndUseThePreviousRoll) {
    StartSeries({{"Ann"}});
    HumanRoll({6, 6, 6, 6, 2});
    Game.TogglePossibleValues();
    EXPECT_TRUE(S().ShowPossible);
    Game.ToggleDie(1);
    Dice.Add({1});
    Game.Roll();
    EXPECT_FALSE(S().ShowPossible) << "a new roll hides the possible values";
    EXPECT_TRUE(S().Controls.ScoreEnabled);
    Game.ScoreCell(TGrid::Lower, 1, 1);  // 4 Of A Kind, before die 1 lands
    EXPECT_EQ(S().Scores[1][1].Lines[FourOfAKind], 26);
    EXPECT_FALSE(S().Controls.ScoreEnabled) << "the turn passed";
}

TEST_F(GameTest, TheRollForOrderSortsByTheSumsAndNeverSwapsEqualSums) {
    struct TCase {
        std::vector<int> Sums;
        std::vector<std::string> Order;
    };
    const auto diceFor = [](int sum) {
        std::vector<int> faces(5, sum / 5);
        for (int i = 0; i < sum % 5; ++i) {
            ++faces[static_cast<std::size_t>(i)];
        }
        return faces;
    };
    for (const TCase& c : {TCase{{10, 10, 20}, {"P3", "P2", "P1"}}, TCase{{15, 20, 20}, {"P2", "P3", "P1"}},
                           TCase{{12, 12, 12}, {"P1", "P2", "P3"}}}) {
        StartSeries({{"P1"}, {"P2"}, {"P3"}});
        EXPECT_EQ(S().CurrentGame, 0);
        EXPECT_EQ(S().Turn, 13);
        for (std::size_t p = 0; p < c.Sums.size(); ++p) {
            EXPECT_EQ(S().Controls.PlayerMessage, "It's your turn to roll for order");
            EXPECT_TRUE(S().Controls.RollEnabled);
            const std::vector<int> faces = diceFor(c.Sums[p]);
            for (const int face : faces) {
                Dice.Add({face});
            }
            Game.Roll();
            EXPECT_EQ(S().RollCount, 0) << "the roll for order is not counted";
            Clock.AdvanceBy(1250);
            EXPECT_EQ(S().Controls.RollText, std::to_string(c.Sums[p]));
            EXPECT_FALSE(S().Controls.ScoreEnabled);
            Clock.AdvanceBy(1000 + 1);
        }
        EXPECT_EQ(Order(), c.Order);
        EXPECT_EQ(S().CurrentGame, 1);
        EXPECT_EQ(View.SummaryShowings.back(), "Initial Order");
        EXPECT_EQ(View.SummaryPlayers[1].Name, c.Order[0]);
        EXPECT_FALSE(Clock.Pending()) << "the flow waits for the summary";
        Game.SummaryClosed();
        EXPECT_EQ(S().SummaryCaption, "Series Summary");
        Clock.AdvanceBy(1);
        EXPECT_EQ(S().Controls.PlayerListIndex, 0);
        EXPECT_EQ(S().Controls.PlayerMessage, "It's your turn");
        EXPECT_TRUE(S().Controls.RollEnabled);
    }
}

TEST_F(GameTest, DuringTheRollForOrderTheRollLabelShowsTheSumOfPlayersWhoHaveRolled) {
    StartSeries({{"P1"}, {"P2"}, {"P3"}});
    HumanRoll({1, 1, 1, 1, 3});
    Clock.AdvanceBy(1001);
    EXPECT_EQ(S().CurrentPlayer, 2);
    Game.ViewSheetOf(1);
    EXPECT_EQ(S().Controls.RollText, "7");
    EXPECT_EQ(S().Controls.PlayerMessage, "It's P2's turn to roll for order");
    Game.ViewSheetOf(3);
    EXPECT_EQ(S().Controls.RollText, "");
    Game.ViewSheetOf(2);
    EXPECT_EQ(S().Controls.PlayerMessage, "It's your turn to roll for order");
}

TEST_F(GameTest, TheMessageNamesThePlayerOnTurnWhileAnotherSheetIsShown) {
    StartSeries({{"Ann"}, {"Bob", true}});
    TGameState state = S();
    state.CurrentGame = 1;
    state.Turn = 1;
    state.CurrentPlayer = 2;
    Game.LoadPosition(state);
    Game.ViewSheetOf(1);
    EXPECT_EQ(S().Controls.PlayerMessage, "It's Bob's turn");
    Game.ViewSheetOf(2);
    EXPECT_EQ(S().Controls.PlayerMessage, "It's your turn") << "also for a computer player";
    Game.ViewSheetOf(6);
    EXPECT_EQ(S().Controls.PlayerListIndex, 1) << "no such entry";
}

TEST_F(GameTest, TheScoreListOffersTheOpenLinesInSheetOrder) {
    StartSeries({{"Ann"}});
    TGameState state = S();
    for (const int line : {0, 1, 2, 3, 4, 5, 12}) {
        state.Scores[1][1].Lines[static_cast<std::size_t>(line)] = 0;
    }
    Game.LoadPosition(state);
    HumanRoll({1, 2, 3, 4, 6});
    EXPECT_THAT(Game.OpenLines(),
                ElementsAre(ThreeOfAKind, FourOfAKind, FullHouse, SmallStraight, LargeStraight, QuintixLine));
    Game.Score(SmallStraight);
    EXPECT_EQ(S().Scores[1][1].Lines[SmallStraight], 30);
    EXPECT_EQ(S().Turn, 2);
}

TEST_F(GameTest, ADoubleClickScoresOnlyALineOfThePlayerOnTurnInTheCurrentGame) {
    StartSeries({{"Ann"}, {"Bob"}});
    TGameState state = S();
    state.CurrentGame = 2;
    state.NoOfGames = 2;
    state.Turn = 4;
    state.Scores[1][2].Lines[Twos] = 4;
    Game.LoadPosition(state);
    HumanRoll({2, 2, 2, 5, 5});
    struct TClick {
        bool Upper;
        int Column;
        int Row;
    };
    for (const TClick& c :
         {TClick{true, 2, 0}, TClick{true, 2, 7}, TClick{true, 2, 8}, TClick{true, 2, 9}, TClick{true, 1, 3},
          TClick{true, 2, 2}, TClick{false, 2, 7}, TClick{false, 1, 2}}) {
        c.Upper ? Game.ScoreCell(TGrid::Upper, c.Column, c.Row)
                : Game.ScoreCell(TGrid::Lower, c.Column, c.Row);
        EXPECT_EQ(S().RollCount, 1) << (c.Upper ? "upper" : "lower") << " column " << c.Column << " row "
                                    << c.Row;
    }
    Game.ViewSheetOf(2);
    Game.ScoreCell(TGrid::Upper, 2, 3);
    EXPECT_EQ(S().RollCount, 1) << "another player's sheet is shown";
    Game.ViewSheetOf(1);
    Game.ScoreCell(TGrid::Upper, 2, 5);
    EXPECT_EQ(S().Scores[1][2].Lines[Fives], 10);
}

// Faults found by driving the game with random events, each mended where it could do harm.
TEST_F(GameTest, TheEndOfATurnLeavesNoRollOrScoreToAnyoneElse) {
    StartSeries({{"Ann"}, {"Cee", true}});
    TGameState state = S();
    state.CurrentGame = 1;
    state.Turn = 1;
    Game.LoadPosition(state);

    // A die left marked when Ann scores must not let a click roll for the computer in the pause.
    HumanRoll({1, 2, 3, 4, 5});
    Game.ToggleDie(1);
    ASSERT_TRUE(S().Controls.RollEnabled);
    Game.ScoreCell(TGrid::Lower, 1, 4);
    EXPECT_EQ(S().Scores[1][1].Lines[LargeStraight], 40);
    EXPECT_FALSE(S().Controls.RollEnabled);

    // While the computer's first roll falls, a double-click scores nothing for it, and nothing on
    // the dice of the turn before.
    Dice.Add({6, 6, 6, 6, 6});
    Clock.AdvanceBy(2000 + 250);
    Game.ViewSheetOf(2);
    Game.ScoreCell(TGrid::Lower, 1, 5);
    EXPECT_EQ(S().Scores[2][1].Lines[QuintixLine], NoValue);
}

TEST_F(GameTest, ScoringBeforeTheFirstRollLandsIsRefused) {
    StartSeries({{"Ann"}});
    Dice.Add({2, 2, 2, 2, 2});
    Game.Roll();
    Game.ScoreCell(TGrid::Lower, 1, 6);  // Chance, on no dice of this turn yet
    EXPECT_EQ(S().Scores[1][1].Lines[ChanceLine], NoValue);
    Clock.AdvanceBy(1250);
    Game.ScoreCell(TGrid::Lower, 1, 6);
    EXPECT_EQ(S().Scores[1][1].Lines[ChanceLine], 10);
}

TEST_F(GameTest, TheSummaryAtAGamesEndStopsDiceStillFalling) {
    StartSeries({{"Solo"}}, 2);
    TGameState state = S();
    state.Turn = 13;
    state.Scores[1][1].Lines.fill(0);
    state.Scores[1][1].Lines[ChanceLine] = NoValue;
    Game.LoadPosition(state);
    HumanRoll({1, 2, 3, 4, 5});
    Game.ToggleDie(1);
    Dice.Add({6});
    Game.Roll();
    Game.ScoreCell(TGrid::Lower, 1, 6);  // the last line, while die 1 still falls
    EXPECT_EQ(S().CurrentGame, 2);
    EXPECT_FALSE(Clock.Pending()) << "the summary holds the flow";
    EXPECT_THAT(Faces(), ElementsAre(NoValue, NoValue, NoValue, NoValue, NoValue));
}

TEST_F(GameTest, PossibilitiesToggleOnlyAfterARoll) {
    StartSeries({{"Ann"}});
    Game.TogglePossibleValues();
    EXPECT_FALSE(S().ShowPossible);
    HumanRoll({1, 2, 3, 4, 5});
    Game.TogglePossibleValues();
    EXPECT_TRUE(S().ShowPossible);
    Game.TogglePossibleValues();
    EXPECT_FALSE(S().ShowPossible);
}

// Everyone has played all but the last line of the game; the last player in play order is on turn
// with line 12 open and has rolled 1-2-2-2-3 (10 on "Chance"). The totals so far stand on line 6.
class LastTurnTest : public GameTest {
protected:
    void SetUpLastTurn(int games, int game, const std::vector<std::vector<int>>& totalByIndex) {
        TGameState state = S();
        state.NoOfGames = games;
        state.CurrentGame = game;
        state.Turn = 13;
        state.CurrentPlayer = state.NoOfPlayers;
        for (int p = 1; p <= state.NoOfPlayers; ++p) {
            for (int g = 1; g <= game; ++g) {
                TGameScore& sheet = state.Scores[p][g];
                sheet.Lines.fill(0);
                sheet.Lines[ThreeOfAKind] =
                    totalByIndex[static_cast<std::size_t>(p - 1)][static_cast<std::size_t>(g - 1)];
            }
        }
        state.Scores[state.Players[state.NoOfPlayers].ScoreIndex][game].Lines[ChanceLine] = NoValue;
        Game.LoadPosition(state);
        Game.ViewSheetOf(state.NoOfPlayers);
        HumanRoll({1, 2, 2, 2, 3});
    }
};

TEST_F(LastTurnTest, TheNextGameIsPlayedInTheOrderOfTheLastGameWhileTheSummaryShowsTheSeries) {
    StartSeries({{"A"}, {"B"}, {"C"}}, 3);
    // Game 1: A 200, B 100, C 150. Game 2: A 50, B 120, and C scores 100 + 10 now.
    SetUpLastTurn(3, 2, {{200, 50}, {100, 120}, {150, 100}});
    ScoreFirstOpenLine();
    EXPECT_EQ(Game.GrandTotal(3, 2), 110);
    EXPECT_EQ(S().CurrentGame, 3);
    EXPECT_EQ(S().Turn, 1);
    EXPECT_EQ(View.SummaryPlayers[1].Name, "C");  // series: C 260, A 250, B 220
    EXPECT_EQ(View.SummaryPlayers[2].Name, "A");
    EXPECT_EQ(View.SummaryPlayers[3].Name, "B");
    EXPECT_EQ(Order(), (std::vector<std::string>{"B", "C", "A"}));
    EXPECT_EQ(View.SummaryShowings.back(), "Series Summary");
    EXPECT_EQ(S().Controls.PlayerListEntries, Order());
}

TEST_F(LastTurnTest, AfterTheLastGameTheLeaderOfTheSeriesIsTheWinner) {
    StartSeries({{"A"}, {"B"}}, 1);
    SetUpLastTurn(1, 1, {{100}, {95}});
    ScoreFirstOpenLine();
    EXPECT_EQ(S().CurrentGame, 2);
    EXPECT_EQ(S().Controls.PlayerMessage, "The winner is B");
    Game.SummaryClosed();
    Clock.AdvanceBy(1);
    EXPECT_FALSE(S().Controls.RollEnabled);
    EXPECT_FALSE(Clock.Pending());
    Game.ViewSheetOf(2);
    EXPECT_EQ(S().Controls.PlayerMessage, "The winner is B");
    EXPECT_EQ(Game.SeriesGrandTotal(2), 105);
}

TEST_F(GameTest, OnePlayerHasNoRollForOrderAndASummaryAfterEveryGame) {
    StartSeries({{"Solo"}}, 2);
    EXPECT_EQ(S().CurrentGame, 1);
    EXPECT_EQ(S().Turn, 1);
    EXPECT_TRUE(View.SummaryShowings.empty());
    for (int turn = 1; turn <= 13; ++turn) {
        HumanRoll({1, 1, 2, 3, 5});
        ScoreFirstOpenLine();
        if (turn < 13) {
            EXPECT_FALSE(S().Controls.RollEnabled) << "the pause between turns";
            Clock.AdvanceBy(2000);
            EXPECT_TRUE(S().Controls.RollEnabled);
        }
    }
    EXPECT_EQ(S().CurrentGame, 2);
    EXPECT_THAT(View.SummaryShowings, ElementsAre("Series Summary"));
    EXPECT_EQ(Game.SeriesGameTotal(1), Game.GrandTotal(1, 1));
}

TEST_F(GameTest, ASummaryTheFlowAsksForJoinsTheOneAlreadyOpen) {
    StartSeries({{"Solo"}});
    TGameState state = S();
    state.Turn = 13;
    state.Scores[1][1].Lines.fill(0);
    state.Scores[1][1].Lines[ChanceLine] = NoValue;
    Game.LoadPosition(state);
    Game.OpenSummary();
    Game.OpenSummary();
    HumanRoll({1, 2, 3, 4, 6});
    ScoreFirstOpenLine();
    EXPECT_THAT(View.SummaryShowings, ElementsAre("Series Summary")) << "shown once";
    EXPECT_FALSE(Clock.Pending());
    Game.SummaryClosed();
    EXPECT_TRUE(Clock.Pending());
    Clock.AdvanceBy(1);
    EXPECT_EQ(S().Controls.PlayerMessage, "The winner is Solo");
}

TEST_F(GameTest, ASeriesWithoutPlayersWaitsForTheNextNewGame) {
    StartSeries({{"   "}, {"\t"}});
    EXPECT_EQ(S().NoOfPlayers, 0);
    EXPECT_TRUE(S().Controls.PlayerListEntries.empty());
    EXPECT_EQ(S().Controls.PlayerMessage, "");
    EXPECT_FALSE(S().Controls.RollEnabled);
    EXPECT_FALSE(Clock.Pending());
}

}  // namespace
}  // namespace quintix::testing
