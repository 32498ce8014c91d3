#pragma once

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "history/decisions.h"
#include "history/history_store.h"
#include "scoring/totals.h"

namespace quintix::testing {

// Every test works in a folder of its own under the system's temporary folder, and points the XDG
// folders there, so that nothing can reach the real home.
class HistoryTest : public ::testing::Test {
protected:
    HistoryTest() {
        std::string pattern = (std::filesystem::temp_directory_path() / "quintix-history-XXXXXX").string();
        Dir = mkdtemp(pattern.data()) != nullptr ? pattern : "";
        setenv("XDG_DATA_HOME", Dir.c_str(), 1);
        setenv("XDG_CONFIG_HOME", Dir.c_str(), 1);
    }
    ~HistoryTest() override { std::filesystem::remove_all(Dir); }

    std::string Db() const { return Dir + "/history.sqlite"; }

    std::string Dir;
};

inline TSeriesInfo Series(const std::string& id, int games = 1, int players = 1) {
    return {id, 1'700'000'000, games, players};
}

// A finished game that replays to its own sheet: every turn scores five sixes on its line.
inline TGameRecord Game(int seat, const std::string& name, int game = 1) {
    std::vector<TTurnDecisions> turns;
    for (int line = 0; line < NoOfLines; ++line) {
        turns.push_back({{{6, 6, 6, 6, 6}}, {}, line});
    }
    const TGameScore sheet = ReplaySheet(turns);
    TGameRecord record;
    record.Player = {seat, name, TPlayerKind::Person};
    record.Game = game;
    record.Ended = 1'700'000'100 + game;
    record.Lines = sheet.Lines;
    record.QuintixBonus = sheet.Bonus;
    record.UpperBonus = UpperBonus(sheet);
    record.GrandTotal = GrandTotal(sheet);
    record.Decisions = EncodeDecisions(turns);
    return record;
}

inline std::vector<TStoredGame> AllGames(THistoryStore& store) {
    std::vector<TStoredGame> games;
    EXPECT_TRUE(store.ForEachGame([&games](const TStoredGame& game) { games.push_back(game); }))
        << store.Error();
    return games;
}

// What SQLite's full check says of the file: "ok" when it is sound.
inline std::string IntegrityCheck(const std::string& path) {
    sqlite3* db = nullptr;
    std::string result = "cannot open";
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* check = nullptr;
        sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &check, nullptr);
        result = sqlite3_step(check) == SQLITE_ROW
                     ? reinterpret_cast<const char*>(sqlite3_column_text(check, 0))
                     : sqlite3_errmsg(db);
        sqlite3_finalize(check);
    }
    sqlite3_close(db);
    return result;
}

}  // namespace quintix::testing
