#include <gtest/gtest.h>

#include "game/quintix_game.h"
#include "game/virtual_clock.h"
#include "tests/game/game_harness.h"

namespace quintix {
namespace {

using testing::TRecordingView;

// Two players in the middle of game 2; the player on turn sits in position 2 but owns row 1 of
// the sheets, so a mix-up of position and ScoreIndex shows.
class ScoreLineTest : public ::testing::Test {
protected:
    static constexpr int OnTurnIndex = 1;
    static constexpr int Game = 2;

    ScoreLineTest() : Game_(View, Clock, Dice) {
        S.NoOfPlayers = 2;
        S.NoOfGames = 3;
        S.CurrentGame = Game;
        S.CurrentPlayer = 2;
        S.Players[1] = {"Ann", false, 2, 0};
        S.Players[2] = {"Bob", false, 1, 0};
        for (auto& row : S.Scores) {
            for (auto& sheet : row) {
                sheet = TGameScore::Blank();
            }
        }
        S.Turn = 5;
    }

    TGameScore& Sheet() { return S.Scores[OnTurnIndex][Game]; }

    // The player in position 2 begins a turn and rolls these dice.
    void Roll(std::initializer_list<int> faces) {
        S.CurrentPlayer = 2;
        Game_.LoadPosition(S);
        Dice.Add(faces);
        Game_.Roll();
        Clock.AdvanceBy(1250);
        S = Game_.State();
    }

    bool Score(int line) {
        const std::int32_t turn = Game_.State().Turn;
        Game_.Score(line);
        return Game_.State().Turn != turn;
    }

    const TGameScore& ScoredSheet() const { return Game_.State().Scores[OnTurnIndex][Game]; }

    TRecordingView View;
    TVirtualClock Clock;
    TScriptedRandom Dice;
    TQuintixGame Game_;
    TGameState S;
};

TEST_F(ScoreLineTest, WritesTheValueOnTheSheetOfTheScoreIndexAndRecordsTheCell) {
    Roll({3, 3, 3, 5, 5});
    ASSERT_TRUE(Score(FullHouse));
    EXPECT_EQ(ScoredSheet().Lines[FullHouse], 25);
    EXPECT_EQ(Game_.State().Scores[2][Game], S.Scores[2][Game]) << "the other player's sheet changed";
    const TLastScore& last = Game_.State().Last;
    EXPECT_EQ(last.LastIndex, OnTurnIndex);
    EXPECT_EQ(last.LastGame, Game);
    EXPECT_EQ(last.LastLine, FullHouse);
    EXPECT_TRUE(last.LastValid);
    EXPECT_FALSE(last.LastUpperBonus);
    EXPECT_FALSE(last.LastQuintixBonus);
}

TEST_F(ScoreLineTest, RefusesSilentlyBeforeTheFirstRollOnAScoredLineAndOutsideAGame) {
    Sheet().Lines[Threes] = 6;
    struct TCase {
        const char* What;
        int CurrentGame;
        bool Rolled;
        int Line;
    };
    for (const TCase& c : {
             TCase{"before the first roll", Game, false, FullHouse},
             TCase{"scored line", Game, true, Threes},
             TCase{"roll for order", 0, true, FullHouse},
             TCase{"series over", 4, false, FullHouse},
             TCase{"no such line", Game, true, 13},
             TCase{"negative line", Game, true, -1},
         }) {
        S.CurrentGame = c.CurrentGame;
        if (c.Rolled) {
            Roll({3, 3, 3, 5, 5});
        } else {
            S.CurrentPlayer = 2;
            Game_.LoadPosition(S);
        }
        const TGameState before = Game_.State();
        const int redraws = View.ScoreRedraws;
        Game_.Score(c.Line);
        EXPECT_EQ(Game_.State(), before) << c.What;
        EXPECT_EQ(View.ScoreRedraws, redraws) << c.What;
    }
}

TEST_F(ScoreLineTest, ARepeatedFiveOfAKindAddsTheBonusOnWhicheverLineItIsScored) {
    Sheet().Lines[QuintixLine] = 50;
    Roll({4, 4, 4, 4, 4});
    ASSERT_TRUE(Score(Fours));
    EXPECT_EQ(ScoredSheet().Lines[Fours], 20);
    EXPECT_EQ(ScoredSheet().Bonus, 100);
    EXPECT_TRUE(Game_.State().Last.LastQuintixBonus);

    // With Fours scored, the joker fills the full house, and the bonus grows again.
    S = Game_.State();
    Roll({4, 4, 4, 4, 4});
    ASSERT_TRUE(Score(LargeStraight));
    EXPECT_EQ(ScoredSheet().Lines[LargeStraight], 40);
    EXPECT_EQ(ScoredSheet().Bonus, 200);
}

TEST_F(ScoreLineTest, FiveOfAKindAfterAZeroQuintixEarnsNeitherBonusNorJoker) {
    Sheet().Lines[QuintixLine] = 0;
    Sheet().Lines[Fours] = 16;
    Roll({4, 4, 4, 4, 4});
    ASSERT_TRUE(Score(FullHouse));
    EXPECT_EQ(ScoredSheet().Lines[FullHouse], 0);
    EXPECT_EQ(ScoredSheet().Bonus, 0);
    EXPECT_FALSE(Game_.State().Last.LastQuintixBonus);
}

TEST_F(ScoreLineTest, TheScoreThatReachesSixtyThreeMarksTheUpperBonus) {
    Sheet().Lines[Sixes] = 24;
    Sheet().Lines[Fives] = 20;
    Sheet().Lines[Fours] = 16;  // 60
    Roll({1, 1, 1, 2, 2});
    ASSERT_TRUE(Score(Aces));
    EXPECT_TRUE(Game_.State().Last.LastUpperBonus);
    EXPECT_EQ(Game_.UpperBonus(OnTurnIndex, Game), 35);

    // Once the bonus is there, later upper scores do not mark it again.
    S = Game_.State();
    Roll({2, 2, 2, 3, 3});
    ASSERT_TRUE(Score(Twos));
    EXPECT_FALSE(Game_.State().Last.LastUpperBonus);
}

TEST_F(ScoreLineTest, WhileDiceFallTheScoreFollowsThePreviousCompletedRoll) {
    Roll({6, 6, 6, 6, 2});
    Game_.ToggleDie(1);
    Dice.Add({1});
    Game_.Roll();  // roll 2 is under way; die 1 has not landed
    ASSERT_TRUE(Score(FourOfAKind));
    EXPECT_EQ(ScoredSheet().Lines[FourOfAKind], 26);
}

TEST_F(ScoreLineTest, PossibleValuesShowOnlyOnTheSheetOnTurnAndNeverInTotals) {
    Sheet().Lines[Aces] = 3;
    Roll({2, 2, 5, 5, 5});
    Game_.TogglePossibleValues();
    const auto text = [this](TGrid grid, int scoreIndex, int column, int row, bool noPossible = false) {
        return Game_.Cell(grid, scoreIndex, column, row, noPossible).Text;
    };
    EXPECT_EQ(text(TGrid::Upper, OnTurnIndex, Game, 2), "4");       // Twos, possible
    EXPECT_EQ(text(TGrid::Upper, OnTurnIndex, Game, 4), "0");       // Fours, possible "0"
    EXPECT_EQ(text(TGrid::Upper, OnTurnIndex, Game, 4, true), "");  // printout
    EXPECT_EQ(text(TGrid::Upper, OnTurnIndex, Game, 7), "3");       // Total
    EXPECT_EQ(text(TGrid::Lower, OnTurnIndex, Game, 2), "25");      // Full House
    EXPECT_EQ(text(TGrid::Lower, 2, Game, 2), "");                  // another player's sheet
    EXPECT_EQ(text(TGrid::Total, OnTurnIndex, 0, 1), "Quintix Bonus");
    EXPECT_EQ(text(TGrid::Upper, OnTurnIndex, 3, 1), "");  // a later game
}

TEST(QuintixGameStart, StartsWithNoPlayersAndZeroedSheets) {
    TRecordingView view;
    TVirtualClock clock;
    TScriptedRandom dice;
    const TQuintixGame game(view, clock, dice);
    const TGameState& s = game.State();
    EXPECT_EQ(s.NoOfPlayers, 0);
    EXPECT_EQ(s.NoOfGames, 1);
    EXPECT_EQ(s.CurrentPlayer, 1);
    EXPECT_EQ(s.CurrentGame, 0);
    EXPECT_EQ(s.Turn, 0);
    EXPECT_FALSE(s.ShowPossible);
    for (int i = 1; i <= MaxPlayers; ++i) {
        EXPECT_EQ(s.Players[i], (TPlayer{"", false, i, 0}));
        for (int g = 1; g <= MaxGames; ++g) {
            EXPECT_EQ(s.Scores[i][g], TGameScore{}) << "sheets are 0, not -1, before the first series";
        }
    }
}

}  // namespace
}  // namespace quintix
