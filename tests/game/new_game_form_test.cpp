#include <gtest/gtest.h>

#include "game/quintix_game.h"
#include "tests/game/game_harness.h"

namespace quintix::testing {
namespace {

// Opening the new game dialog sorts a copy of the players, which refills the list as every sort
// does: the name shown stays selected, and of equal names the last.
TEST_F(GameTest, OpeningTheDialogKeepsTheSelectedNameAndPrefersTheLastOfEqualNames) {
    StartSeries({{"Sam"}, {"Kim"}, {"Sam"}}, 5);
    Game.ViewSheetOf(1);
    const TNewGameContents form = Game.OpenNewGame();
    EXPECT_EQ(S().Controls.PlayerListIndex, 2) << "the last entry named Sam";
    EXPECT_EQ(form, SeriesOf({{"Sam"}, {"Kim"}, {"Sam"}}, 5));
    Game.ViewSheetOf(2);
    Game.OpenNewGame();
    EXPECT_EQ(S().Controls.PlayerListIndex, 1);
}

}  // namespace
}  // namespace quintix::testing
