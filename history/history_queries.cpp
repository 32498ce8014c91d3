// What the store gives back: figures, every game in order, and games merged from another file.
#include <sqlite3.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <tuple>

#include "history/game_writer.h"
#include "history/history_store.h"
#include "history/sqlite_statement.h"

namespace quintix {

namespace {

const char* const AllStats =
    "SELECT count(*), avg(grand_total), max(grand_total), min(grand_total), avg(upper_bonus > 0), "
    "avg(quintix = 50) FROM games";
const char* const PlayerStats =
    "SELECT count(*), avg(g.grand_total), max(g.grand_total), min(g.grand_total), avg(g.upper_bonus > 0), "
    "avg(g.quintix = 50) FROM players p JOIN games g ON g.series = p.series AND g.seat = p.seat "
    "WHERE p.name = ?1";

const std::string GameColumns =
    "SELECT s.uid, s.started, s.games, s.players, s.ended, p.seat, p.name, p.kind, p.series_total, p.place, "
    "g.game, g.ended, g.aces, g.twos, g.threes, g.fours, g.fives, g.sixes, g.three_of_a_kind, "
    "g.four_of_a_kind, g.full_house, g.small_straight, g.large_straight, g.quintix, g.chance, g.upper_bonus, "
    "g.quintix_bonus, g.grand_total, g.decisions "
    "FROM games g JOIN series s ON s.id = g.series JOIN players p ON p.series = g.series AND p.seat = "
    "g.seat ";

const std::string AllGames = GameColumns + "ORDER BY g.ended, s.id, g.game, g.seat";
// LIMIT -1 is no limit.
const std::string GamesOf =
    GameColumns +
    "WHERE p.name = ?1 AND g.ended >= ?2 ORDER BY g.ended DESC, s.id DESC, g.game DESC, g.seat DESC LIMIT ?3";
// The ten are found in the games alone, whose rows are narrow, before anything is joined to them.
const std::string BestGamesQuery =
    GameColumns +
    "WHERE (g.series, g.game, g.seat) IN (SELECT series, game, seat FROM games "
    "ORDER BY grand_total DESC, ended, series, game, seat LIMIT ?1) "
    "ORDER BY g.grand_total DESC, g.ended, g.series, g.game, g.seat";
const std::string OneGame = GameColumns + "WHERE g.series = ?1 AND g.game = ?2 AND g.seat = ?3";
// Narrow rows, without the decisions, in the order of the name's index: the program sorts them
// several times faster than SQLite's sorter does.
const char* const Summaries =
    "SELECT g.series, g.game, g.seat, s.games, g.ended, p.kind, g.grand_total, g.upper_bonus, "
    "g.quintix_bonus, "
    "g.quintix = 50 FROM games g JOIN series s ON s.id = g.series JOIN players p ON p.series = g.series AND "
    "p.seat = g.seat WHERE p.name = ?1 AND g.ended >= ?2";

// A person's name comes first even if computers played under it too.
const char* const Names = "SELECT name, min(kind) = 0 FROM players GROUP BY name ORDER BY 2 DESC, name";
const char* const BestSeriesQuery =
    "SELECT p.name, p.kind, p.series_total, s.games, s.ended FROM players p JOIN series s ON s.id = p.series "
    "WHERE p.series_total IS NOT NULL AND s.ended IS NOT NULL AND s.games > 1 "
    "ORDER BY p.series_total * 1.0 / s.games DESC, s.ended, s.id, p.seat LIMIT 1";

TStoredGame ReadGame(const TStatement& row) {
    TStoredGame stored;
    stored.Series = {row.Text(0), row.Int(1), row.Int32(2), row.Int32(3)};
    if (!row.IsNull(4)) {
        stored.SeriesEnded = row.Int(4);
    }
    TGameRecord& game = stored.Record;
    game.Player = {row.Int32(5), row.Text(6), static_cast<TPlayerKind>(row.Int32(7))};
    if (!row.IsNull(8) && !row.IsNull(9)) {
        stored.Standing = TStanding{game.Player.Seat, row.Int32(8), row.Int32(9)};
    }
    game.Game = row.Int32(10);
    game.Ended = row.Int(11);
    for (int line = 0; line < NoOfLines; ++line) {
        game.Lines[static_cast<std::size_t>(line)] = row.Int32(12 + line);
    }
    game.UpperBonus = row.Int32(25);
    game.QuintixBonus = row.Int32(26);
    game.GrandTotal = row.Int32(27);
    game.Decisions = row.Blob(28);
    return stored;
}

}  // namespace

std::optional<THistoryStats> THistoryStore::Stats(const std::optional<std::string>& player) {
    OpenNow();
    if (Db == nullptr) {
        Fail(LastError);
        return std::nullopt;
    }
    TStatement query(Db, player ? PlayerStats : AllStats);
    if (player) {
        query.Bind(1, *player);
    }
    if (!query.Step()) {
        Fail("cannot read " + FilePath + ": " + SqliteMessage(Db));
        return std::nullopt;
    }
    return THistoryStats{query.Int(0),   query.Real(1), query.Int32(2),
                         query.Int32(3), query.Real(4), query.Real(5)};
}

bool THistoryStore::ForEachGame(const std::function<void(const TStoredGame&)>& visit) {
    OpenNow();
    if (Db == nullptr) {
        return Fail(LastError);
    }
    TStatement query(Db, AllGames);
    while (query.Step()) {
        visit(ReadGame(query));
    }
    if (query.Status() != SQLITE_DONE) {
        return Fail("cannot read " + FilePath + ": " + SqliteMessage(Db));
    }
    return true;
}

std::optional<std::vector<TPlayerName>> THistoryStore::PlayerNames() {
    if (Db == nullptr) {
        Fail(LastError);
        return std::nullopt;
    }
    std::vector<TPlayerName> names;
    TStatement query(Db, Names);
    while (query.Step()) {
        names.push_back({query.Text(0), query.Int(1) != 0});
    }
    if (query.Status() != SQLITE_DONE) {
        Fail("cannot read " + FilePath + ": " + SqliteMessage(Db));
        return std::nullopt;
    }
    return names;
}

bool THistoryStore::ForEachGameOf(const TGameFilter& filter,
                                  const std::function<void(const TStoredGame&)>& visit) {
    if (Db == nullptr) {
        return Fail(LastError);
    }
    TStatement query(Db, GamesOf);
    query.Bind(1, filter.Player).Bind(2, filter.Since.value_or(INT64_MIN)).Bind(3, filter.Last.value_or(-1));
    while (query.Step()) {
        visit(ReadGame(query));
    }
    if (query.Status() != SQLITE_DONE) {
        return Fail("cannot read " + FilePath + ": " + SqliteMessage(Db));
    }
    return true;
}

std::optional<std::vector<TGameSummary>> THistoryStore::SummariesOf(const TGameFilter& filter) {
    if (Db == nullptr) {
        Fail(LastError);
        return std::nullopt;
    }
    std::vector<TGameSummary> games;
    TStatement query(Db, Summaries);
    query.Bind(1, filter.Player).Bind(2, filter.Since.value_or(INT64_MIN));
    while (query.Step()) {
        games.push_back({query.Int(0), query.Int32(1), query.Int32(2), query.Int32(3), query.Int(4),
                         static_cast<TPlayerKind>(query.Int32(5)), query.Int32(6), query.Int32(7),
                         query.Int32(8), query.Int(9) != 0});
    }
    if (query.Status() != SQLITE_DONE) {
        Fail("cannot read " + FilePath + ": " + SqliteMessage(Db));
        return std::nullopt;
    }
    // The order of ForEachGameOf: the newest first.
    std::ranges::sort(games, [](const TGameSummary& a, const TGameSummary& b) {
        return std::tie(a.Ended, a.Series, a.Game, a.Seat) > std::tie(b.Ended, b.Series, b.Game, b.Seat);
    });
    if (filter.Last && games.size() > static_cast<std::size_t>(std::max(*filter.Last, 0))) {
        games.resize(static_cast<std::size_t>(std::max(*filter.Last, 0)));
    }
    return games;
}

std::optional<std::optional<TStoredGame>> THistoryStore::GameOf(const TGameSummary& summary) {
    if (Db == nullptr) {
        Fail(LastError);
        return std::nullopt;
    }
    TStatement query(Db, OneGame);
    query.Bind(1, summary.Series).Bind(2, summary.Game).Bind(3, summary.Seat);
    if (query.Step()) {
        return std::optional(ReadGame(query));
    }
    if (query.Status() != SQLITE_DONE) {
        Fail("cannot read " + FilePath + ": " + SqliteMessage(Db));
        return std::nullopt;
    }
    return std::optional<TStoredGame>();
}

std::optional<std::vector<TStoredGame>> THistoryStore::BestGames(int count) {
    if (Db == nullptr) {
        Fail(LastError);
        return std::nullopt;
    }
    std::vector<TStoredGame> games;
    TStatement query(Db, BestGamesQuery);
    query.Bind(1, count);
    while (query.Step()) {
        games.push_back(ReadGame(query));
    }
    if (query.Status() != SQLITE_DONE) {
        Fail("cannot read " + FilePath + ": " + SqliteMessage(Db));
        return std::nullopt;
    }
    return games;
}

std::optional<std::optional<TSeriesResult>> THistoryStore::BestSeries() {
    if (Db == nullptr) {
        Fail(LastError);
        return std::nullopt;
    }
    TStatement query(Db, BestSeriesQuery);
    if (query.Step()) {
        return std::optional(TSeriesResult{query.Text(0), static_cast<TPlayerKind>(query.Int32(1)),
                                           query.Int32(2), query.Int32(3), query.Int(4)});
    }
    if (query.Status() != SQLITE_DONE) {
        Fail("cannot read " + FilePath + ": " + SqliteMessage(Db));
        return std::nullopt;
    }
    return std::optional<TSeriesResult>();
}

std::optional<std::int64_t> THistoryStore::Forget(const std::string& player) {
    if (Db == nullptr) {
        Fail(LastError);
        return std::nullopt;
    }
    std::int64_t deleted = 0;
    std::string why;
    const bool done = Transaction(
        [this, &player, &deleted] {
            TStatement games(Db,
                             "DELETE FROM games WHERE (series, seat) IN "
                             "(SELECT series, seat FROM players WHERE name = ?1)");
            if (!games.Bind(1, player).Run()) {
                return false;
            }
            deleted = sqlite3_changes64(Db);
            TStatement seats(Db, "DELETE FROM players WHERE name = ?1");
            TStatement empty(Db, "DELETE FROM series WHERE id NOT IN (SELECT series FROM players)");
            return seats.Bind(1, player).Run() && empty.Run();
        },
        why);
    if (!done) {
        Fail("cannot forget " + player + " in " + FilePath + ": " + why);
        return std::nullopt;
    }
    Succeeded();
    return deleted;
}

// The other file is read through a store of its own, opened read-only, so that it is checked as
// ours is and never changed.
std::optional<TImportCounts> THistoryStore::Import(const std::string& otherPath) {
    OpenNow();
    if (Db == nullptr) {
        Fail(LastError);
        return std::nullopt;
    }
    THistoryStore other(otherPath, {}, TAccess::ReadOnly);
    if (!other.IsOpen()) {
        Fail(other.Error());
        return std::nullopt;
    }
    TImportCounts counts;
    std::string why;
    const bool merged = Transaction(
        [this, &other, &counts, &why] {
            counts = {};
            TGameWriter writer(Db);
            bool ok = true;
            const bool read = other.ForEachGame([&writer, &counts, &ok](const TStoredGame& stored) {
                const std::optional<std::int64_t> id = ok ? writer.Series(stored.Series) : std::nullopt;
                bool added = false;
                ok = id && writer.Player(*id, stored.Record.Player) &&
                     writer.Game(*id, stored.Record, true, &added) &&
                     (!stored.SeriesEnded || writer.SeriesEnd(*id, *stored.SeriesEnded)) &&
                     (!stored.Standing || writer.Standing(*id, *stored.Standing));
                ++(added ? counts.Imported : counts.AlreadyThere);
            });
            if (!read) {
                why = other.Error();
            }
            return read && ok;
        },
        why);
    if (!merged) {
        Fail("cannot import " + otherPath + " into " + FilePath + ": " + why);
        return std::nullopt;
    }
    Succeeded();
    return counts;
}

}  // namespace quintix
