#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "game/play_until_idle.h"
#include "game/quintix_game.h"
#include "tests/game/game_harness.h"
#include "tests/support/checked_game.h"
#include "tests/support/series.h"

namespace quintix::testing {
namespace {

using ::testing::ElementsAre;

TEST_F(GameTest, AComputerRollsByItselfDecidesASecondAfterTheRollAndRerollsHalfASecondLater) {
    Dice.Add({1, 2, 3, 4, 6});
    StartSeries({{"Cee", true}});
    EXPECT_FALSE(S().Controls.RollEnabled) << "the button is not for a computer's turn";
    Clock.AdvanceBy(1250 + 999);
    EXPECT_THAT(Faces(), ElementsAre(1, 2, 3, 4, 6)) << "no decision before a second has passed";
    EXPECT_FALSE(S().Controls.ScoreEnabled);
    Clock.AdvanceBy(1);
    // A small straight is kept for the large one while rolls are left: only die 5 is rolled.
    EXPECT_THAT(Faces(), ElementsAre(1, 2, 3, 4, NoValue));
    Dice.Add({5});
    Clock.AdvanceBy(499);
    EXPECT_EQ(S().RollCount, 1);
    Clock.AdvanceBy(1 + 250 + 1000);
    EXPECT_EQ(S().Scores[1][1].Lines[LargeStraight], 40);
    EXPECT_EQ(S().Turn, 2);
}

// Computer players on seeded dice play from the roll for order to the winner by themselves, the
// invariants of the series holding after every step.
TEST(ComputerSeries, PlaysFromTheRollForOrderToTheWinnerByItself) {
    for (const std::uint32_t seed : {1U, 7U, 2024U, 31337U}) {
        TSeededRandom dice(seed);
        TCheckedGame game(dice, "seed " + std::to_string(seed));
        game.OnViolation = [](const std::string& message) { ADD_FAILURE() << message; };
        game.Game.StartSeries(SeriesOf({{"Ann", true}, {"", true}, {"Bob", true}, {"Cid", true}}, 2));
        PlayUntilIdle(game.Game, game.Clock, 100000, [&game] { game.CloseSummary(); });
        EXPECT_EQ(game.State().Phase, TPhase::SeriesOver) << seed;
        EXPECT_EQ(game.State().Controls.PlayerMessage, WinnerIs(game.State().Players[1].Name));
    }
}

}  // namespace
}  // namespace quintix::testing
