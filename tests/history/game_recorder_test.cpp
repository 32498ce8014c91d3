#include "history/game_recorder.h"

#include <gtest/gtest.h>

#include "game/play_until_idle.h"
#include "game/random_source.h"
#include "game/virtual_clock.h"
#include "tests/history/history_fixture.h"
#include "tests/support/series.h"

namespace quintix::testing {
namespace {

// A seeded series on the game object with a person among the computer players; the person rolls
// dice 1 and 3 again after the first roll and scores the first open line after the second, then
// thinks better of it, takes the score back and scores the last open line instead.
class RecorderTest : public HistoryTest {
protected:
    RecorderTest() = default;

    // Plays until the series is over, or until games games are finished.
    void Play(int games = MaxGames) {
        for (int step = 0; step < 10'000 && Game.Phase() != TPhase::SeriesOver; ++step) {
            PlayUntilIdle(Game, Clock);
            const TGameState& s = Game.State();
            if (s.Phase() == TPhase::SeriesOver || s.CurrentGame > games) {
                return;
            }
            if (s.RollCount == 1) {
                Game.ToggleDie(1);
                Game.ToggleDie(3);
                Game.Roll();
            } else if (s.RollCount == 2) {
                Game.Score(Game.OpenLines().front());
                if (Game.CanUndo()) {
                    Game.UndoScore();
                    Game.Score(Game.OpenLines().back());
                }
            } else {
                Game.Roll();
            }
        }
    }

    TNullView View;
    TVirtualClock Clock;
    TSeededRandom Dice{11};
    TFixedTable NoTable{nullptr};
    TQuintixGame Game{View, Clock, Dice, NoTable};
    THistoryStore Store{Db()};
    TGameRecorder Recorder{Game, Store, [] { return std::int64_t{1'800'000'000}; }};
    TSubscription Recording = Game.Subscribe(Recorder);
};

// What is stored is what the sheets show, and the decisions replay to the same sheet: a score taken
// back is no decision.
TEST_F(RecorderTest, EveryFinishedGameIsStoredAsItsSheetAndReplaysToIt) {
    Game.StartSeries(SeriesOf({{"Ann"}, {"Cpu", true}, {"Bea 🎲", true}}, 2));
    Play();
    const std::vector<TStoredGame> games = AllGames(Store);
    ASSERT_EQ(games.size(), 6U);
    for (const TStoredGame& stored : games) {
        const TGameRecord& game = stored.Record;
        const int seat = game.Player.Seat;
        const std::string where = game.Player.Name + " game " + std::to_string(game.Game);
        const TGameScore& sheet = Game.State().Scores[seat][game.Game];
        EXPECT_EQ(game.Lines, sheet.Lines) << where;
        EXPECT_EQ(game.QuintixBonus, sheet.Bonus) << where;
        EXPECT_EQ(game.GrandTotal, Game.GrandTotal(seat, game.Game)) << where;
        EXPECT_EQ(game.UpperBonus, Game.UpperBonus(seat, game.Game)) << where;
        EXPECT_EQ(game.Player.Kind, seat == 1 ? TPlayerKind::Person : TPlayerKind::Computer) << where;
        std::string error;
        const auto turns = DecodeDecisions(game.Decisions, error);
        ASSERT_TRUE(turns) << where << ": " << error;
        EXPECT_EQ(turns->size(), 13U);
        EXPECT_LT(game.Decisions.size(), 13U * 9 + 1);
        const TGameScore replayed = ReplaySheet(*turns);
        EXPECT_EQ(replayed.Lines, sheet.Lines) << where;
        EXPECT_EQ(replayed.Bonus, sheet.Bonus) << where;
        ASSERT_TRUE(stored.SeriesEnded && stored.Standing) << where;
        EXPECT_EQ(stored.Standing->SeriesTotal, Game.SeriesGrandTotal(seat));
        int place = 1;
        for (int other = 1; other <= 3; ++other) {
            place += Game.SeriesGrandTotal(other) > Game.SeriesGrandTotal(seat) ? 1 : 0;
        }
        EXPECT_EQ(stored.Standing->Place, place) << where;
    }
}

// Starting a new series leaves the last one unfinished, with the games it finished.
TEST_F(RecorderTest, ASeriesLeftBeforeItsEndKeepsItsFinishedGames) {
    Game.StartSeries(SeriesOf({{"Ann"}}, 3));
    Play(1);
    const std::string first = Recorder.Series()->Id;
    Game.StartSeries(SeriesOf({{"Ann"}}, 1));
    Play();
    const std::vector<TStoredGame> games = AllGames(Store);
    ASSERT_EQ(games.size(), 2U);
    EXPECT_EQ(games[0].Series.Id, first);
    EXPECT_FALSE(games[0].SeriesEnded);
    EXPECT_NE(games[1].Series.Id, first);
    EXPECT_EQ(games[1].Standing->Place, 1);
}

}  // namespace
}  // namespace quintix::testing
