#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "game/quintix_game.h"
#include "tests/game/game_harness.h"

namespace quintix::testing {
namespace {

using ::testing::ElementsAre;

TEST_F(GameTest, BeforeTheFirstSeriesTheDialogIsEmptyAndOffersOneGame) {
    const TNewGameContents form = Game.OpenNewGame();
    EXPECT_EQ(form.NoOfGames, 1);
    for (const TNewGameRow& row : form.Rows) {
        EXPECT_EQ(row, TNewGameRow{});
    }
}

TEST_F(GameTest, NamesAreTrimmedAndPackedInEntryOrder) {
    TNewGameContents form;
    form.Rows[2] = {"  Ann \t", false};
    form.Rows[3] = {"   ", true};  // blanks only: empty, and its box is ignored
    form.Rows[4] = {"\x01\x7f", true};
    form.Rows[5] = {"Bob the Builder", true};
    form.Rows[6] = {"", true};
    form.NoOfGames = 4;
    Game.StartSeries(form);
    EXPECT_EQ(S().NoOfPlayers, 2);
    EXPECT_EQ(S().NoOfGames, 4);
    EXPECT_EQ(S().Players[1], (TPlayer{"Ann", false, 1, 0}));
    EXPECT_EQ(S().Players[2], (TPlayer{"Bob the Builder", true, 2, 0}));
    for (int i = 3; i <= MaxPlayers; ++i) {
        EXPECT_EQ(S().Players[i], (TPlayer{"", false, i, 0}));
    }
    EXPECT_EQ(View.SummaryPlayers, S().Players) << "the summary gets the new players at once";
}

TEST_F(GameTest, TheDialogShowsTheLastPlayersInEntryOrderWhateverThePlayOrder) {
    StartSeries({{"P1"}, {"P2", true}, {"P3"}}, 5);
    HumanRoll({1, 1, 1, 1, 1});  // P1: 5
    Clock.AdvanceBy(1001);
    Dice.Add({6, 6, 6, 6, 6});  // P2, a computer, rolls by itself: 30
    Clock.AdvanceBy(1250 + 1001);
    HumanRoll({3, 3, 3, 3, 3});  // P3: 15
    Clock.AdvanceBy(1001);
    ASSERT_THAT(Order(), ElementsAre("P2", "P3", "P1"));
    EXPECT_EQ(S().Controls.PlayerListIndex, 1) << "P3, who rolled last, stays selected after the sort";
    const TGameState before = S();

    const TNewGameContents form = Game.OpenNewGame();
    EXPECT_EQ(form.Rows[1], (TNewGameRow{"P1", false}));
    EXPECT_EQ(form.Rows[2], (TNewGameRow{"P2", true}));
    EXPECT_EQ(form.Rows[3], (TNewGameRow{"P3", false}));
    EXPECT_EQ(form.Rows[4], TNewGameRow{});
    EXPECT_EQ(form.NoOfGames, 5);
    EXPECT_EQ(S(), before) << "filling the dialog changes nothing";
}

TEST_F(GameTest, ANewSeriesResetsEverySheetAndTheTurn) {
    StartSeries({{"Ann"}, {"Bob"}});
    EXPECT_EQ(S().CurrentGame, 0);
    EXPECT_EQ(S().Turn, 13);
    EXPECT_EQ(S().CurrentPlayer, 1);
    EXPECT_THAT(S().Controls.PlayerListEntries, ElementsAre("Ann", "Bob"));
    EXPECT_EQ(S().Controls.PlayerListIndex, 0);
    for (int p = 1; p <= MaxPlayers; ++p) {
        for (int g = 1; g <= MaxGames; ++g) {
            EXPECT_EQ(S().Scores[p][g], TGameScore::Blank()) << "also the rows no player uses";
        }
    }
    EXPECT_FALSE(S().Controls.ScoreEnabled);
    EXPECT_FALSE(S().Controls.PossibleEnabled);
}

// Opening the new game dialog sorts a copy of the players, which refills the list as every sort does.
TEST_F(GameTest, RefillingThePlayerListKeepsTheSelectedNameAndPrefersTheLastOfEqualNames) {
    StartSeries({{"Sam"}, {"Kim"}, {"Sam"}});
    Game.ViewSheetOf(1);
    Game.OpenNewGame();
    EXPECT_EQ(S().Controls.PlayerListIndex, 2) << "the last entry named Sam";
    Game.ViewSheetOf(2);
    Game.OpenNewGame();
    EXPECT_EQ(S().Controls.PlayerListIndex, 1);
}

}  // namespace
}  // namespace quintix::testing
