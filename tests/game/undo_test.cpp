#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "game/quintix_game.h"
#include "tests/game/game_harness.h"

namespace quintix::testing {
namespace {

class UndoTest : public GameTest, public IGameEvents {
protected:
    UndoTest() : Following(Game.Subscribe(*this)) {}

    void ScoreUndone(int line) override { Undone.push_back(line); }

    // Ann, a person, is on turn with these players after her, in turn `turn` of game 1 of 2 with
    // only Full House and Chance open, or Full House alone on the last turn. She rolls 2 2 2 5 5,
    // marks die 4, shows the possible values and scores Full House. The state just before the score.
    TGameState AnnScoresAFullHouse(std::initializer_list<TEntry> players, int turn = 12) {
        StartSeries(players, 2);
        TGameState state = TPositionBuilder(S()).At(1, turn).Build();
        for (int index = 1; index <= S().NoOfPlayers; ++index) {
            state.Scores[index][1].Lines = {3, 6, 9, 12, 15, 18, 20, 0, NoValue, 30, 0, 0, NoValue};
            state.Scores[index][1].Lines[ChanceLine] = turn == TurnsPerGame ? 22 : NoValue;
        }
        Game.LoadPosition(state);
        HumanRoll({2, 2, 2, 5, 5});
        Game.ToggleDie(4);
        Game.TogglePossibleValues();
        const TGameState before = S();
        Game.Score(FullHouse);
        EXPECT_EQ(S().Scores[1][1].Lines[FullHouse], 25);
        Undone.clear();
        return before;
    }

    TSubscription Following;
    std::vector<int> Undone;
};

// Until somebody rolls, the score is taken back whole: the sheet, the turn, the dice with their
// marks and the possible values shown, and nothing pending on the clock. A summary opened meanwhile
// stays open. It is taken back once; the person then scores again.
TEST_F(UndoTest, APersonsScoreIsTakenBackExactlyUntilSomebodyRolls) {
    const std::vector<std::tuple<const char*, std::function<void()>, bool>> cases{
        {"at once", [] {}, true},
        {"in the pause, the summary opened",
         [this] {
             Clock.AdvanceBy(1000);
             Game.OpenSummary();
         },
         true},
        {"Bob on turn, not rolled yet", [this] { Clock.AdvanceBy(2000); }, true},
        {"Bob has rolled",
         [this] {
             Clock.AdvanceBy(2000);
             HumanRoll({1, 1, 1, 1, 1});
         },
         false},
        {"Bob has the position loaded", [this] { Game.LoadPosition(S()); }, false},
        {"a new series",
         [this] {
             StartSeries({{"Ann"}, {"Bob"}});
         },
         false},
    };
    for (const auto& [moment, meanwhile, allowed] : cases) {
        const TGameState before = AnnScoresAFullHouse({{"Ann"}, {"Bob"}});
        meanwhile();
        EXPECT_EQ(Game.CanUndo(), allowed) << moment;
        const TGameState now = S();
        Game.UndoScore();
        if (!allowed) {
            EXPECT_EQ(S(), now) << moment;
            EXPECT_TRUE(Undone.empty()) << moment;
            continue;
        }
        TGameState expected = before;
        expected.SummaryOpen = now.SummaryOpen;
        EXPECT_EQ(S(), expected) << moment;
        EXPECT_EQ(Undone, std::vector<int>{FullHouse}) << moment;
        EXPECT_FALSE(Clock.Pending()) << moment << ": the turn waits for Ann";
        EXPECT_FALSE(Game.CanUndo()) << moment << ": once";
        Game.Score(ChanceLine);
        EXPECT_EQ(S().Scores[1][1].Lines[ChanceLine], 16) << moment;
        EXPECT_EQ(S().Scores[1][1].Lines[FullHouse], NoValue) << moment;
        if (S().SummaryOpen) {
            Game.SummaryClosed();
        }
    }
}

// A computer's score is its own; a computer rolls the moment its turn starts; a score that ends
// the game has passed to the summary; and a score made while the dice of a later roll fell ended
// that roll, which cannot be resumed.
TEST_F(UndoTest, NeitherAComputersScoreNorOneBeyondAComputersRollNorTheGamesLastNorOneMidRoll) {
    AnnScoresAFullHouse({{"Ann"}, {"Cy", true}});
    EXPECT_TRUE(Game.CanUndo()) << "in the pause before Cy's turn";
    Dice.Add({3, 3, 3, 6, 6});
    Clock.AdvanceBy(2000);
    EXPECT_FALSE(Game.CanUndo()) << "Cy rolled as its turn started";
    Clock.AdvanceBy(1250 + 1000);
    ASSERT_EQ(S().CurrentPlayer, 1) << "Cy has scored";
    EXPECT_FALSE(Game.CanUndo()) << "Cy's score";

    AnnScoresAFullHouse({{"Ann"}}, TurnsPerGame);
    EXPECT_TRUE(S().SummaryOpen);
    EXPECT_FALSE(Game.CanUndo()) << "the game is over";
    Game.UndoScore();
    EXPECT_EQ(S().Scores[1][1].Lines[FullHouse], 25);
    EXPECT_TRUE(Undone.empty());

    TGameState state = TPositionBuilder(S()).At(1, 12).Build();
    state.Scores[1][1].Lines[FullHouse] = state.Scores[1][1].Lines[ChanceLine] = NoValue;
    Game.LoadPosition(state);
    HumanRoll({2, 2, 2, 5, 5});
    Game.ToggleDie(5);
    Dice.Add({1});
    Game.Roll();
    Game.Score(FullHouse);
    ASSERT_EQ(S().Scores[1][1].Lines[FullHouse], 25);
    ASSERT_EQ(S().Turn, TurnsPerGame);
    EXPECT_FALSE(Game.CanUndo()) << "scored mid-roll";
}

}  // namespace
}  // namespace quintix::testing
