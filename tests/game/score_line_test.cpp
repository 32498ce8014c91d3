#include <gtest/gtest.h>

#include "game/quintix_game.h"
#include "tests/game/game_harness.h"

namespace quintix::testing {
namespace {

// Two players in the middle of game 2; the player on turn sits in position 2 but owns row 1 of the
// sheets, so a mix-up of position and ScoreIndex shows.
class ScoreLineTest : public GameTest {
protected:
    ScoreLineTest() {
        StartSeries({{"Ann"}, {"Bob"}}, 3);
        Position = TPositionBuilder(S()).At(2, 5, 2).Build();
        Position.Players[1].ScoreIndex = 2;
        Position.Players[2].ScoreIndex = 1;
    }
    // The player in position 2 begins a turn, rolls these dice and scores a line.
    void Score(std::initializer_list<int> faces, int line) {
        Game.LoadPosition(Position);
        HumanRoll(faces);
        Game.Score(line);
        Position.Scores = S().Scores;
    }
    const TGameScore& Sheet() const { return S().Scores[1][2]; }

    TGameState Position;
};

// The value goes on the sheet of the ScoreIndex and the cell is recorded for the highlight, with
// the bonuses it earned: the Quintix bonus on whichever line a repeated five of a kind is scored
// (then the joker fills a straight), and the upper bonus by the score that reaches 63 exactly.
TEST_F(ScoreLineTest, ScoringRecordsTheCellAndTheBonusesItEarned) {
    Position.Scores[1][2].Lines = {NoValue, NoValue, NoValue, NoValue, 25, 18,     NoValue,
                                   NoValue, NoValue, NoValue, NoValue, 50, NoValue};
    Score({4, 4, 4, 4, 4}, Fours);
    EXPECT_EQ(Sheet().Bonus, 100);
    EXPECT_EQ(S().Last, (TLastScore{1, 2, Fours, true, true, true}));
    Score({4, 4, 4, 4, 4}, LargeStraight);
    EXPECT_EQ(Sheet().Lines[LargeStraight], 40);
    EXPECT_EQ(Sheet().Bonus, 200);
    EXPECT_FALSE(S().Last.LastUpperBonus) << "only the score that reaches 63";
}

TEST_F(ScoreLineTest, RefusesSilentlyBeforeTheFirstRollOnAScoredLineAndOutsideAGame) {
    Position.Scores[1][2].Lines[Threes] = 6;
    // What, game, dice of the turn's first roll landed, line.
    for (const auto& [what, game, landed, line] :
         {std::tuple("before the first roll", 2, -1, int{FullHouse}),
          std::tuple("dice falling", 2, 4, int{Aces}), std::tuple("scored line", 2, 5, int{Threes}),
          std::tuple("roll for order", 0, 5, int{FullHouse}),
          std::tuple("series over", 4, -1, int{FullHouse}), std::tuple("no such line", 2, 5, 13),
          std::tuple("negative line", 2, 5, -1)}) {
        Position.CurrentGame = game;
        Game.LoadPosition(Position);
        if (landed >= 0) {
            Dice.Add({3, 3, 3, 5, 5});
            Game.Roll();
            Clock.AdvanceBy(250 * landed);
        }
        const TGameState before = S();
        const int redraws = View.ScoreRedraws;
        Game.Score(line);
        EXPECT_EQ(S(), before) << what;
        EXPECT_EQ(View.ScoreRedraws, redraws) << what;
        Clock.AdvanceBy(250);
    }
}

TEST_F(ScoreLineTest, PossibleValuesShowOnlyOnTheSheetOnTurnAndNeverOnPaper) {
    Game.LoadPosition(Position);
    HumanRoll({2, 2, 5, 5, 5});
    Game.TogglePossibleValues();
    EXPECT_EQ(Game.Cell(TGrid::Upper, 1, 2, 2).Text + "|" + Game.Cell(TGrid::Upper, 1, 2, 2, true).Text +
                  "|" + Game.Cell(TGrid::Upper, 2, 2, 2).Text,
              "4||");
}

}  // namespace
}  // namespace quintix::testing
