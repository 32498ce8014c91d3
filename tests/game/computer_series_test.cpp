#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "game/quintix_game.h"
#include "tests/game/game_harness.h"

namespace quintix::testing {
namespace {

using ::testing::ElementsAre;

TEST_F(GameTest, AComputerRollsByItselfDecidesASecondAfterTheRollAndRerollsHalfASecondLater) {
    Dice.Add({1, 2, 3, 4, 6});
    StartSeries({{"Cee", true}});
    EXPECT_FALSE(S().Controls.RollEnabled) << "the button is not for a computer's turn";
    Clock.AdvanceBy(1250);
    EXPECT_THAT(Faces(), ElementsAre(1, 2, 3, 4, 6));
    EXPECT_FALSE(S().Controls.ScoreEnabled);
    Clock.AdvanceBy(999);
    EXPECT_EQ(S().Dice[5].Value, 6) << "no decision before a second has passed";
    Clock.AdvanceBy(1);
    // A small straight is kept for the large one while rolls are left: only die 5 is rolled.
    EXPECT_THAT(Faces(), ElementsAre(1, 2, 3, 4, NoValue));
    Dice.Add({5});
    Clock.AdvanceBy(499);
    EXPECT_EQ(S().RollCount, 1);
    Clock.AdvanceBy(1);
    EXPECT_EQ(S().RollCount, 2);
    Clock.AdvanceBy(250);
    EXPECT_THAT(Faces(), ElementsAre(1, 2, 3, 4, 5));
    Clock.AdvanceBy(1000);
    EXPECT_EQ(S().Scores[1][1].Lines[LargeStraight], 40);
    EXPECT_EQ(S().Turn, 2);
    EXPECT_THAT(Faces(), ElementsAre(NoValue, NoValue, NoValue, NoValue, NoValue));
}

// Computer players with real random dice, played to the end of the series with the summaries
// closed as soon as they open; the invariants of a series are checked after every step.
class ComputerSeriesTest : public ::testing::TestWithParam<std::uint32_t> {
protected:
    ComputerSeriesTest() : Random(GetParam()), Game(View, Clock, Random) { Game.WindowShown(); }

    void CheckInvariants() {
        const TGameState& s = Game.State();
        std::set<int> indexes;
        for (int i = 1; i <= s.NoOfPlayers; ++i) {
            indexes.insert(s.Players[i].ScoreIndex);
        }
        ASSERT_EQ(indexes.size(), static_cast<std::size_t>(s.NoOfPlayers));
        ASSERT_EQ(*indexes.rbegin(), s.NoOfPlayers);
        for (int p = 1; p <= MaxPlayers; ++p) {
            for (int g = 1; g <= MaxGames; ++g) {
                const TGameScore& before = Seen.Scores[p][g];
                const TGameScore& now = s.Scores[p][g];
                for (std::size_t line = 0; line < NoOfLines; ++line) {
                    if (before.Lines[line] != NoValue) {
                        ASSERT_EQ(now.Lines[line], before.Lines[line]) << "a scored line changed";
                    }
                }
                ASSERT_GE(now.Bonus, before.Bonus);
                ASSERT_EQ(now.Bonus % 100, 0);
            }
        }
        ASSERT_GE(s.RollCount, 0);
        ASSERT_LE(s.RollCount, 3);
        Seen = s;
    }

    void PlayToTheEnd() {
        Seen = Game.State();
        for (int steps = 0; steps < 100000; ++steps) {
            if (Game.State().Summary != TSummaryState::Closed) {
                Game.SummaryClosed();
            } else if (!Clock.RunNext()) {
                return;
            }
            CheckInvariants();
            if (HasFatalFailure()) {
                return;
            }
        }
        FAIL() << "the series did not end";
    }

    TRecordingView View;
    TVirtualClock Clock;
    TSeededRandom Random;
    TQuintixGame Game;
    TGameState Seen;
};

TEST_P(ComputerSeriesTest, PlaysFromTheRollForOrderToTheWinnerByItself) {
    TNewGameContents form;
    form.Rows[1] = {"Ann", true};
    form.Rows[3] = {"Bob", true};
    form.Rows[4] = {"Cid", true};
    form.NoOfGames = 2;
    Game.StartSeries(form);
    Seen = Game.State();
    PlayToTheEnd();

    const TGameState& s = Game.State();
    EXPECT_EQ(s.CurrentGame, 3);
    for (int p = 1; p <= 3; ++p) {
        for (int g = 1; g <= 2; ++g) {
            EXPECT_EQ(std::count(s.Scores[p][g].Lines.begin(), s.Scores[p][g].Lines.end(), NoValue), 0);
        }
    }
    EXPECT_THAT(View.SummaryShowings, ElementsAre("Initial Order", "Series Summary", "Series Summary"));
    EXPECT_EQ(s.Controls.PlayerMessage, WinnerIs(s.Players[1].Name));
    for (int i = 2; i <= 3; ++i) {
        EXPECT_GE(Game.SeriesGrandTotal(s.Players[1].ScoreIndex),
                  Game.SeriesGrandTotal(s.Players[i].ScoreIndex));
    }
    EXPECT_FALSE(Clock.Pending());
}

TEST_P(ComputerSeriesTest, ANewSeriesInTheMiddleOfAComputerTurnStartsClean) {
    TNewGameContents form;
    form.Rows[1] = {"Ann", true};
    form.Rows[2] = {"Bob", true};
    Game.StartSeries(form);
    for (int steps = 0; steps < 40 + static_cast<int>(GetParam() % 40); ++steps) {
        if (Game.State().Summary != TSummaryState::Closed) {
            Game.SummaryClosed();
        }
        Clock.RunNext();
    }
    form.Rows[1] = {"Eve", false};
    form.Rows[2] = {};
    Game.StartSeries(form);
    const TGameState& s = Game.State();
    EXPECT_FALSE(Clock.Pending());
    EXPECT_EQ(s.CurrentGame, 1);
    EXPECT_EQ(s.RollCount, 0);
    EXPECT_TRUE(s.Controls.RollEnabled);
    EXPECT_EQ(s.Scores[1][1], TGameScore::Blank());
    EXPECT_THAT(s.Controls.PlayerListEntries, ElementsAre("Eve"));
    for (const TDie& die : s.Dice) {
        EXPECT_EQ(die, TDie{});
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, ComputerSeriesTest, ::testing::Values(1U, 7U, 2024U, 31337U));

}  // namespace
}  // namespace quintix::testing
