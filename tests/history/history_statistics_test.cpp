// What the statistics window reads from the history: names, a player's games, the best games and
// series, forgetting a player, and the figures over a player's games.
#include <gtest/gtest.h>

#include <algorithm>

#include "history/player_figures.h"
#include "tests/history/history_fixture.h"

namespace quintix::testing {
namespace {

TGameRecord Played(int seat, const std::string& name, TPlayerKind kind, std::int32_t total,
                   std::int64_t ended, int game = 1) {
    TGameRecord record = Game(seat, name, game);
    record.Player.Kind = kind;
    record.GrandTotal = total;
    record.Ended = ended;
    return record;
}

constexpr auto Person = TPlayerKind::Person;
constexpr auto Computer = TPlayerKind::Computer;

class StatisticsTest : public HistoryTest {
protected:
    // Three series: Ann and a computer twice; then Bo (a person) and "Zed" under both kinds.
    StatisticsTest() {
        Store.RecordGames(Series("a", 2, 2),
                          {Played(1, "Ann", Person, 200, 100), Played(2, "Cpu", Computer, 250, 100)});
        Store.RecordGames(Series("a", 2, 2),
                          {Played(1, "Ann", Person, 300, 200, 2), Played(2, "Cpu", Computer, 240, 200, 2)});
        Store.RecordSeriesEnd("a", 210, {{1, 500, 2}, {2, 490, 1}});
        Store.RecordGames(Series("b", 1, 2),
                          {Played(1, "Zed", Computer, 300, 300), Played(2, "Ann", Person, 150, 300)});
        Store.RecordSeriesEnd("b", 310, {{1, 300, 1}, {2, 150, 2}});
        Store.RecordGames(Series("c", 3, 2),
                          {Played(1, "Zed", Person, 120, 400), Played(2, "Bo", Person, 90, 400)});
    }

    // The totals of the games the filter lets through, as both readings give them; each summary
    // finds its whole game again.
    std::vector<std::int32_t> TotalsOf(const TGameFilter& filter) {
        std::vector<std::int32_t> totals;
        std::vector<std::int32_t> whole;
        const auto summaries = Store.SummariesOf(filter);
        EXPECT_TRUE(summaries.has_value());
        for (const TGameSummary& summary : summaries.value_or(std::vector<TGameSummary>{})) {
            totals.push_back(summary.GrandTotal);
            const auto game = Store.GameOf(summary);
            EXPECT_TRUE(game && *game && (*game)->Record.GrandTotal == summary.GrandTotal &&
                        (*game)->Record.Ended == summary.Ended);
        }
        EXPECT_TRUE(Store.ForEachGameOf(
            filter, [&whole](const TStoredGame& g) { whole.push_back(g.Record.GrandTotal); }));
        EXPECT_EQ(totals, whole);
        return totals;
    }

    THistoryStore Store{Db()};
};

TEST_F(StatisticsTest, NamesPeopleFirstAndAPlayersGamesNewestFirst) {
    EXPECT_EQ(*Store.PlayerNames(),
              (std::vector<TPlayerName>{{"Ann", true}, {"Bo", true}, {"Zed", true}, {"Cpu", false}}));
    // The filter, and the grand totals of the games it lets through.
    const std::pair<TGameFilter, std::vector<std::int32_t>> cases[] = {
        {{"Ann"}, {150, 300, 200}}, {{"Ann", std::nullopt, 2}, {150, 300}},
        {{"Ann", 200}, {150, 300}}, {{"Ann", 201, 1}, {150}},
        {{"Zed"}, {120, 300}},      {{"ann"}, {}},
    };
    for (const auto& [filter, totals] : cases) {
        EXPECT_EQ(TotalsOf(filter), totals) << filter.Player;
    }
}

TEST_F(StatisticsTest, TheBestGamesAndTheBestSeries) {
    const auto best = Store.BestGames(3);
    ASSERT_TRUE(best);
    std::vector<std::pair<std::string, std::int32_t>> names;
    for (const TStoredGame& game : *best) {
        names.emplace_back(game.Record.Player.Name, game.Record.GrandTotal);
    }
    EXPECT_EQ(names,
              (std::vector<std::pair<std::string, std::int32_t>>{{"Ann", 300}, {"Zed", 300}, {"Cpu", 250}}));
    // Only finished series of two games or more count: Zed's 300 in one game does not.
    const auto series = Store.BestSeries();
    ASSERT_TRUE(series && *series);
    EXPECT_EQ((*series)->Name, "Ann");
    EXPECT_EQ((*series)->SeriesTotal, 500);
    EXPECT_EQ((*series)->Games, 2);

    THistoryStore empty(Dir + "/empty.sqlite");
    EXPECT_FALSE(*empty.BestSeries());
    EXPECT_TRUE(empty.BestGames(10)->empty());
    EXPECT_TRUE(empty.PlayerNames()->empty());
}

// Forgetting a name deletes its games and seats, and the series no one is left in; the other
// players of its series keep theirs.
TEST_F(StatisticsTest, ForgettingAPlayerTouchesNoOneElse) {
    EXPECT_EQ(Store.Forget("Zed"), 2);
    EXPECT_EQ(Store.Forget("Nobody"), 0);
    EXPECT_EQ(*Store.PlayerNames(), (std::vector<TPlayerName>{{"Ann", true}, {"Bo", true}, {"Cpu", false}}));
    EXPECT_EQ(TotalsOf({"Ann"}), (std::vector<std::int32_t>{150, 300, 200}));
    EXPECT_EQ(TotalsOf({"Bo"}), (std::vector<std::int32_t>{90}));
    EXPECT_EQ(Store.Forget("Ann"), 3);
    EXPECT_EQ(Store.Forget("Cpu"), 2);
    EXPECT_EQ(AllGames(Store).size(), 1U);
    EXPECT_EQ(IntegrityCheck(Db()), "ok");
}

TEST(PlayerFiguresTest, FiguresAndTheMovingMean) {
    std::vector<TGameSummary> games(3);
    const std::int32_t totals[] = {200, 300, 100};
    for (std::size_t i = 0; i < games.size(); ++i) {
        games[i].GrandTotal = totals[i];
        games[i].UpperBonus = i == 1 ? 35 : 0;
        games[i].QuintixFifty = i == 2;
    }
    const THistoryStats figures = FiguresOf(games);
    EXPECT_EQ(figures.Games, 3);
    EXPECT_DOUBLE_EQ(figures.Mean, 200.0);
    EXPECT_EQ(figures.Best, 300);
    EXPECT_EQ(figures.Worst, 100);
    EXPECT_DOUBLE_EQ(figures.UpperBonusRate, 1.0 / 3);
    EXPECT_DOUBLE_EQ(figures.QuintixRate, 1.0 / 3);
    EXPECT_EQ(FiguresOf({}).Games, 0);

    const std::int32_t form[] = {100, 200, 300, 400};
    EXPECT_EQ(MovingMeans(form, 2), (std::vector<double>{100, 150, 250, 350}));
    EXPECT_EQ(MovingMeans(form, 10), (std::vector<double>{100, 150, 200, 250}));
    EXPECT_TRUE(MovingMeans({}, 3).empty());
}

}  // namespace
}  // namespace quintix::testing
