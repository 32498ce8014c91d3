#include "history/game_review.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "game/coach.h"
#include "game/play_until_idle.h"
#include "game/random_source.h"
#include "game/virtual_clock.h"
#include "history/game_recorder.h"
#include "tests/history/history_fixture.h"
#include "tests/support/series.h"
#include "tests/support/table_providers.h"

namespace quintix::testing {
namespace {

class GameReviewTest : public HistoryTest {
protected:
    TNullView View;
    TVirtualClock Clock;
    TSeededRandom Dice{5};
    TFixedTable Table{&SharedTable()};
    TQuintixGame Game{View, Clock, Dice, Table};
    TCoach Coach{Game, Table};
    THistoryStore Store{Db()};
    TGameRecorder Recorder{Game, Store};
    TSubscription Recording = Game.Subscribe(Recorder);
};

// A person plays a whole game beside a computer, now well, now badly: the review of the stored game
// gives away what the coach counted, decision by decision, and marks the costliest.
TEST_F(GameReviewTest, GivesAwayWhatTheCoachCountedAndMarksTheCostliest) {
    Game.StartSeries(SeriesOf({{"Ann"}, {"Cpu", true}}));
    int decisions = 0;
    for (int step = 0; step < 10'000 && Game.Phase() != TPhase::SeriesOver; ++step) {
        PlayUntilIdle(Game, Clock);
        const TGameState& s = Game.State();
        if (Game.Stage() != TTurnStage::AwaitingChoice && Game.Stage() != TTurnStage::AwaitingRoll) {
            continue;
        }
        if (s.RollCount == 0) {
            Game.Roll();
            continue;
        }
        ++decisions;
        const TGameScore& sheet = s.Scores[Game.PlayerOnTurn().ScoreIndex][1];
        TDiceValues dice;
        for (int die = 1; die <= NoOfDice; ++die) {
            dice[die] = s.Dice[die].Value;
        }
        const TChoiceValue best = BestChoice(SharedTable(), sheet, s.RollCount, dice);
        if (s.Turn % 3 != 0 && best.Kind == TChoiceValue::TKind::Reroll) {
            for (int die = 1; die <= NoOfDice; ++die) {
                if ((best.Dice & DieBit(die)) != 0) {
                    Game.ToggleDie(die);
                }
            }
            Game.Roll();
        } else if (s.Turn % 3 != 0) {
            Game.Score(best.Line);
        } else if (s.RollCount < MaxRolls && s.Turn % 2 == 0) {
            Game.ToggleDie(2);
            Game.Roll();
        } else {
            Game.Score(Game.OpenLines().back());
        }
    }
    ASSERT_EQ(Game.Phase(), TPhase::SeriesOver);
    const double counted = Coach.GivenAway().front().Points;
    ASSERT_GT(counted, 0.0);

    const std::vector<TStoredGame> games = AllGames(Store);
    ASSERT_EQ(games.size(), 2U);
    std::string error;
    const auto review = ReviewGame(SharedTable(), games[0].Record, error);
    ASSERT_TRUE(review) << error;
    EXPECT_NEAR(review->GivenAway, counted, 1e-9);
    EXPECT_EQ(static_cast<int>(review->Decisions.size()), decisions);
    ASSERT_EQ(review->Costliest.size(), 3U);
    double least = review->Decisions[review->Costliest.back()].GivenAway;
    for (const TReviewedDecision& decision : review->Decisions) {
        EXPECT_EQ(decision.GivenAway, decision.Best.Value - decision.Taken.Value);
        EXPECT_GE(decision.GivenAway, 0.0);
        const bool marked = std::ranges::any_of(
            review->Costliest, [&](std::size_t i) { return &review->Decisions[i] == &decision; });
        EXPECT_TRUE(marked || decision.GivenAway <= least);
    }
    EXPECT_TRUE(std::ranges::is_sorted(review->Costliest, [&](std::size_t a, std::size_t b) {
        return review->Decisions[a].GivenAway > review->Decisions[b].GivenAway;
    }));
    // The computer's game is reviewed as well; the sheet it starts each turn on is the one before.
    const auto computer = ReviewGame(SharedTable(), games[1].Record, error);
    ASSERT_TRUE(computer) << error;
    EXPECT_EQ(computer->Decisions.front().GrandTotalBefore, 0);
    EXPECT_EQ(computer->Decisions.back().Turn, 13);
}

// A game whose decisions cannot be trusted is refused with the reason, never valued.
TEST_F(GameReviewTest, RefusesAGameWhoseDecisionsAreDamaged) {
    const TGameRecord sound = testing::Game(1, "Ann");
    std::string error;
    ASSERT_TRUE(ReviewGame(SharedTable(), sound, error)) << error;

    const auto damaged = [&sound](auto change) {
        TGameRecord game = sound;
        change(game);
        return game;
    };
    const std::pair<const char*, TGameRecord> cases[] = {
        {"decisions are damaged",
         damaged([](TGameRecord& g) { g.Decisions.resize(g.Decisions.size() - 1); })},
        {"decisions are damaged", damaged([](TGameRecord& g) { g.Decisions[0] = 9; })},
        {"decisions are damaged", damaged([](TGameRecord& g) { g.Decisions.clear(); })},
        {"do not give the stored sheet", damaged([](TGameRecord& g) { g.Lines[ChanceLine] = 29; })},
        {"do not give the stored sheet", damaged([](TGameRecord& g) { g.QuintixBonus = 1100; })},
        {"do not give the stored sheet",
         damaged([](TGameRecord& g) { g.Decisions.resize(g.Decisions.size() - 3); })},
    };
    for (const auto& [why, game] : cases) {
        error.clear();
        EXPECT_FALSE(ReviewGame(SharedTable(), game, error)) << why;
        EXPECT_NE(error.find(why), std::string::npos) << error;
    }
}

}  // namespace
}  // namespace quintix::testing
