#include "scoring/totals.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "tests/scoring/scoring_fixtures.h"

namespace quintix {
namespace {

using fixtures::FullSheet;
using fixtures::Sheet;

TEST(SheetTotals, RunningTotalsSkipUnscoredLines) {
    struct Case {
        const char* what;
        TGameScore sheet;
        std::int32_t upperSum, upperBonus, upperTotal, lowerTotal, gameTotal, grandTotal;
    };
    const Case cases[] = {
        {"blank", TGameScore::Blank(), 0, 0, 0, 0, 0, 0},
        {"upper 62 misses the bonus",
         Sheet({{Aces, 2}, {Twos, 6}, {Threes, 9}, {Fours, 12}, {Fives, 15}, {Sixes, 18}}), 62, 0, 62, 0, 62,
         62},
        {"upper 63 earns it",
         Sheet({{Aces, 3}, {Twos, 6}, {Threes, 9}, {Fours, 12}, {Fives, 15}, {Sixes, 18}}), 63, 35, 98, 0, 98,
         98},
        {"63 before the upper section is full", Sheet({{Fours, 8}, {Fives, 25}, {Sixes, 30}}), 63, 35, 98, 0,
         98, 98},
        {"zeros count, open lines do not",
         Sheet({{Aces, 0}, {ThreeOfAKind, 0}, {FullHouse, 25}, {ChanceLine, 22}}), 0, 0, 0, 47, 47, 47},
        {"a finished game with two bonuses", FullSheet({3, 6, 9, 12, 15, 18, 20, 0, 25, 30, 40, 50, 22}, 200),
         63, 35, 98, 187, 285, 485},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(UpperSum(c.sheet), c.upperSum) << c.what;
        EXPECT_EQ(UpperBonus(c.sheet), c.upperBonus) << c.what;
        EXPECT_EQ(UpperTotal(c.sheet), c.upperTotal) << c.what;
        EXPECT_EQ(LowerTotal(c.sheet), c.lowerTotal) << c.what;
        EXPECT_EQ(GameTotal(c.sheet), c.gameTotal) << c.what;
        EXPECT_EQ(GrandTotal(c.sheet), c.grandTotal) << c.what;
    }
}

TEST(SeriesTotals, CountOnlyTheCompletedGames) {
    // Player 2 scores 10 × g and a bonus of 100 × g in game g; player 1 scores nothing.
    TScores scores;
    for (auto& games : scores) {
        games.Items.fill(TGameScore::Blank());
    }
    for (int game = 1; game <= MaxGames; ++game) {
        scores[2][game] = Sheet({{ChanceLine, 10 * game}}, 100 * game);
    }
    struct Case {
        int scoreIndex;
        int currentGame;
        std::int32_t game, bonus;
    };
    const Case cases[] = {
        {2, 0, 0, 0},       // roll for order
        {2, 1, 0, 0},       // the game in progress never counts
        {2, 3, 30, 300},    // during game 3: games 1 and 2
        {2, 7, 210, 2100},  // after a series of six
        {2, 9, 210, 2100},  // never beyond game 6
        {1, 7, 0, 0},      {0, 7, 0, 0}, {7, 7, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SeriesGameTotal(scores, c.scoreIndex, c.currentGame), c.game)
            << c.scoreIndex << "/" << c.currentGame;
        EXPECT_EQ(SeriesBonusTotal(scores, c.scoreIndex, c.currentGame), c.bonus)
            << c.scoreIndex << "/" << c.currentGame;
        EXPECT_EQ(SeriesGrandTotal(scores, c.scoreIndex, c.currentGame), c.game + c.bonus)
            << c.scoreIndex << "/" << c.currentGame;
    }
}

}  // namespace
}  // namespace quintix
