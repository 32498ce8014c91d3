#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "history/game_record.h"
#include "history/sqlite_statement.h"

namespace quintix {

// The statements that write games, prepared once for a transaction. Each returns false on an
// error, which the connection keeps for the caller's message.
class TGameWriter {
public:
    explicit TGameWriter(sqlite3* db);

    // The local number of a series, which is added when new.
    std::optional<std::int64_t> Series(const TSeriesInfo& series);
    std::optional<std::int64_t> FindSeries(const std::string& id);
    // Adds the player's seat unless the series has it.
    bool Player(std::int64_t series, const TSeat& seat);
    // Adds a game. A game already stored stays as it is: with keepExisting that is fine and added
    // says so, otherwise it is an error (the connection's message then says nothing useful).
    bool Game(std::int64_t series, const TGameRecord& game, bool keepExisting, bool* added = nullptr);
    // The end of a series and a player's result; what is already known is kept.
    bool SeriesEnd(std::int64_t series, std::int64_t ended);
    bool Standing(std::int64_t series, const TStanding& standing);

private:
    sqlite3* Db;
    TStatement InsertSeries;
    TStatement SelectSeries;
    TStatement InsertPlayer;
    TStatement InsertGame;
    TStatement EndSeries;
    TStatement SetStanding;
};

}  // namespace quintix
