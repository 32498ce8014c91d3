#include "history/game_writer.h"

#include <sqlite3.h>

namespace quintix {

TGameWriter::TGameWriter(sqlite3* db)
    : Db(db),
      InsertSeries(db,
                   "INSERT INTO series (uid, started, games, players) VALUES (?1, ?2, ?3, ?4) "
                   "ON CONFLICT (uid) DO NOTHING"),
      SelectSeries(db, "SELECT id FROM series WHERE uid = ?1"),
      InsertPlayer(db,
                   "INSERT INTO players (series, seat, name, kind) VALUES (?1, ?2, ?3, ?4) "
                   "ON CONFLICT (series, seat) DO NOTHING"),
      InsertGame(
          db,
          "INSERT INTO games (series, game, seat, ended, aces, twos, threes, fours, fives, sixes, "
          "three_of_a_kind, four_of_a_kind, full_house, small_straight, large_straight, quintix, chance, "
          "upper_bonus, quintix_bonus, grand_total, decisions) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, "
          "?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17, ?18, ?19, ?20, ?21) ON CONFLICT DO NOTHING"),
      EndSeries(db, "UPDATE series SET ended = ?2 WHERE id = ?1 AND ended IS NULL"),
      SetStanding(db,
                  "UPDATE players SET series_total = ?3, place = ?4 "
                  "WHERE series = ?1 AND seat = ?2 AND series_total IS NULL") {}

std::optional<std::int64_t> TGameWriter::Series(const TSeriesInfo& series) {
    InsertSeries.Reset();
    InsertSeries.Bind(1, series.Id)
        .Bind(2, series.Started)
        .Bind(3, series.NoOfGames)
        .Bind(4, series.NoOfPlayers);
    return InsertSeries.Run() ? FindSeries(series.Id) : std::nullopt;
}

std::optional<std::int64_t> TGameWriter::FindSeries(const std::string& id) {
    SelectSeries.Reset();
    SelectSeries.Bind(1, id);
    return SelectSeries.Step() ? std::optional(SelectSeries.Int(0)) : std::nullopt;
}

bool TGameWriter::Player(std::int64_t series, const TSeat& seat) {
    InsertPlayer.Reset();
    InsertPlayer.Bind(1, series)
        .Bind(2, seat.Seat)
        .Bind(3, seat.Name)
        .Bind(4, static_cast<std::int64_t>(seat.Kind));
    return InsertPlayer.Run();
}

bool TGameWriter::Game(std::int64_t series, const TGameRecord& game, bool keepExisting, bool* added) {
    TStatement& insert = InsertGame;
    insert.Reset();
    insert.Bind(1, series).Bind(2, game.Game).Bind(3, game.Player.Seat).Bind(4, game.Ended);
    for (int line = 0; line < NoOfLines; ++line) {
        insert.Bind(5 + line, game.Lines[static_cast<std::size_t>(line)]);
    }
    insert.Bind(18, game.UpperBonus)
        .Bind(19, game.QuintixBonus)
        .Bind(20, game.GrandTotal)
        .Bind(21, game.Decisions);
    if (!insert.Run()) {
        return false;
    }
    const bool isNew = sqlite3_changes(Db) > 0;
    if (added != nullptr) {
        *added = isNew;
    }
    return isNew || keepExisting;
}

bool TGameWriter::SeriesEnd(std::int64_t series, std::int64_t ended) {
    EndSeries.Reset();
    EndSeries.Bind(1, series).Bind(2, ended);
    return EndSeries.Run();
}

bool TGameWriter::Standing(std::int64_t series, const TStanding& standing) {
    SetStanding.Reset();
    SetStanding.Bind(1, series).Bind(2, standing.Seat).Bind(3, standing.SeriesTotal).Bind(4, standing.Place);
    return SetStanding.Run();
}

}  // namespace quintix
