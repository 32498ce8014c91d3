// The history: storing a finished game, and reading figures from a large history.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "history/history_store.h"
#include "tools/simulator.h"

namespace {

namespace fs = std::filesystem;
using quintix::THistoryStore;

constexpr int LargeHistory = 100'000;

// A folder of the benchmark's own, removed at the end.
struct TTempFolder {
    TTempFolder() {
        std::string pattern = (fs::temp_directory_path() / "quintix-history-bench-XXXXXX").string();
        Path = mkdtemp(pattern.data()) != nullptr ? pattern : "";
    }
    ~TTempFolder() { fs::remove_all(Path); }
    std::string Path;
};

TTempFolder& Folder() {
    static TTempFolder folder;
    return folder;
}

quintix::TGameRecord FinishedGame() {
    quintix::TGameRecord game;
    game.Player = {1, "Ann", quintix::TPlayerKind::Person};
    game.Lines = {3, 6, 9, 12, 15, 18, 22, 0, 25, 30, 40, 50, 23};
    game.UpperBonus = 35;
    game.GrandTotal = 288;
    game.Decisions.assign(100, 0x11);
    return game;
}

// One player's game at its end, in its own transaction, as the game stores it.
void BM_RecordOneGame(benchmark::State& state) {
    THistoryStore store(Folder().Path + "/record.sqlite");
    const quintix::TGameRecord game = FinishedGame();
    static std::int64_t series = 0;  // the library runs this more than once on the same file
    for (auto _ : state) {           // NOLINT(clang-analyzer-deadcode.DeadStores): the library's loop idiom
        if (!store.RecordGames({"series" + std::to_string(++series), 0, 1, 1}, {game})) {
            state.SkipWithError(store.Error().c_str());
            break;
        }
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RecordOneGame)->Unit(benchmark::kMillisecond);

// 100,000 games: one series of six computer players over six games recorded through the recorder,
// then copied with SQL as series 2, 3, ..., which is far quicker than playing them all.
const std::string& LargeHistoryFile() {
    static const std::string path = [] {
        const std::string file = Folder().Path + "/large.sqlite";
        {
            THistoryStore store(file);
            quintix::RunSimulation({6, 6, 1, 1}, nullptr, &store);
        }
        sqlite3* db = nullptr;
        sqlite3_open(file.c_str(), &db);
        const std::string copies = std::to_string((LargeHistory + 35) / 36 - 1);
        const std::string sql =
            "BEGIN; "
            "CREATE TEMP TABLE copies AS WITH RECURSIVE k(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM k "
            "WHERE n < " +
            copies +
            ") SELECT n FROM k; "
            "INSERT INTO series SELECT id + n, uid || '-' || n, started + 3600 * n, games, players, ended + "
            "3600 * n "
            "FROM series, copies; "
            "INSERT INTO players SELECT series + n, seat, name, kind, series_total, place FROM players, "
            "copies; "
            "INSERT INTO games SELECT series + n, game, seat, ended + 3600 * n, aces, twos, threes, fours, "
            "fives, "
            "sixes, three_of_a_kind, four_of_a_kind, full_house, small_straight, large_straight, quintix, "
            "chance, "
            "upper_bonus, quintix_bonus, grand_total, decisions FROM games, copies; "
            "COMMIT; PRAGMA wal_checkpoint(TRUNCATE);";
        if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
            std::fprintf(stderr, "filling the history failed: %s\n", sqlite3_errmsg(db));
        }
        sqlite3_close(db);
        return file;
    }();
    return path;
}

void Stats(benchmark::State& state, const std::optional<std::string>& player) {
    THistoryStore store(LargeHistoryFile(), {}, THistoryStore::TAccess::ReadOnly);
    std::int64_t games = 0;
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the library's loop idiom
        const auto stats = store.Stats(player);
        games = stats ? stats->Games : 0;
        benchmark::DoNotOptimize(games);
    }
    state.counters["games"] = static_cast<double>(games);
    state.counters["file-MB"] = static_cast<double>(fs::file_size(LargeHistoryFile())) / 1e6;
}

void BM_StatsOver100kGames(benchmark::State& state) {
    Stats(state, std::nullopt);
}
BENCHMARK(BM_StatsOver100kGames)->Unit(benchmark::kMillisecond);

void BM_StatsOfOnePlayerOver100kGames(benchmark::State& state) {
    Stats(state, "Computer 3");
}
BENCHMARK(BM_StatsOfOnePlayerOver100kGames)->Unit(benchmark::kMillisecond);

}  // namespace
