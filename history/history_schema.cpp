#include "history/history_schema.h"

#include <sqlite3.h>

#include <string_view>

#include "history/sqlite_statement.h"

namespace quintix {

namespace {

// Version 1. Series are numbered locally and named by a random id that travels with an export or
// an import. A player's seat is the entry order in the series (names may repeat within one). The
// games table has no rowid: its key is what identifies a game, and its rows are small.
const char* const SchemaVersion1 = R"(
CREATE TABLE series (
    id INTEGER PRIMARY KEY,
    uid TEXT NOT NULL UNIQUE,
    started INTEGER NOT NULL,
    games INTEGER NOT NULL CHECK (games BETWEEN 1 AND 6),
    players INTEGER NOT NULL CHECK (players BETWEEN 1 AND 6),
    ended INTEGER
);
CREATE TABLE players (
    series INTEGER NOT NULL REFERENCES series (id),
    seat INTEGER NOT NULL CHECK (seat BETWEEN 1 AND 6),
    name TEXT NOT NULL,
    kind INTEGER NOT NULL CHECK (kind IN (0, 1, 2)),
    series_total INTEGER,
    place INTEGER CHECK (place BETWEEN 1 AND 6),
    PRIMARY KEY (series, seat)
) WITHOUT ROWID;
CREATE INDEX players_by_name ON players (name);
CREATE TABLE games (
    series INTEGER NOT NULL,
    game INTEGER NOT NULL CHECK (game BETWEEN 1 AND 6),
    seat INTEGER NOT NULL,
    ended INTEGER NOT NULL,
    aces INTEGER NOT NULL, twos INTEGER NOT NULL, threes INTEGER NOT NULL,
    fours INTEGER NOT NULL, fives INTEGER NOT NULL, sixes INTEGER NOT NULL,
    three_of_a_kind INTEGER NOT NULL, four_of_a_kind INTEGER NOT NULL, full_house INTEGER NOT NULL,
    small_straight INTEGER NOT NULL, large_straight INTEGER NOT NULL, quintix INTEGER NOT NULL,
    chance INTEGER NOT NULL,
    upper_bonus INTEGER NOT NULL,
    quintix_bonus INTEGER NOT NULL,
    grand_total INTEGER NOT NULL,
    decisions BLOB NOT NULL,
    PRIMARY KEY (series, game, seat),
    FOREIGN KEY (series, seat) REFERENCES players (series, seat)
) WITHOUT ROWID;
CREATE INDEX games_by_ended ON games (ended);
PRAGMA user_version = 1;
)";

// The SQL that turns version `from` into from + 1. Version 2 adds its case here, and the tests
// open a file of every older version.
const char* UpgradeStep(int from) {
    switch (from) {
        default:
            return nullptr;
    }
}

}  // namespace

bool CreateHistorySchema(sqlite3* db) {
    return Execute(db, SchemaVersion1) == SQLITE_OK && UpgradeHistorySchema(db, 1);
}

bool UpgradeHistorySchema(sqlite3* db, int fromVersion) {
    for (int version = fromVersion; version < HistorySchemaVersion; ++version) {
        const char* step = UpgradeStep(version);
        if (step == nullptr || Execute(db, step) != SQLITE_OK) {
            return false;
        }
    }
    return true;
}

bool HistorySchemaComplete(sqlite3* db, std::string& missing) {
    const std::string_view columns[] = {"series.uid",      "series.started",   "series.ended",
                                        "players.name",    "players.kind",     "players.place",
                                        "games.decisions", "games.grand_total"};
    missing.clear();
    for (const std::string_view column : columns) {
        const auto dot = column.find('.');
        TStatement query(db, "SELECT count(*) FROM pragma_table_info(?1) WHERE name = ?2");
        query.Bind(1, column.substr(0, dot)).Bind(2, column.substr(dot + 1));
        if (!query.Step() || query.Int(0) == 0) {
            missing += missing.empty() ? std::string(column) : ", " + std::string(column);
        }
    }
    return missing.empty();
}

}  // namespace quintix
