#include "history/history_store.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "history/history_schema.h"
#include "tests/history/history_fixture.h"

namespace quintix::testing {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void Write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

void Sql(const std::string& path, const char* sql) {
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

// A history holding one game, closed and checkpointed, so that all of it is in the one file.
std::string HistoryWithOneGame(const std::string& path) {
    {
        THistoryStore store(path);
        EXPECT_TRUE(store.RecordGames(Series("s"), {Game(1, "Ann")}));
    }
    return Contents(path);
}

TEST_F(HistoryTest, NamesComeBackExactlyAsTyped) {
    const std::vector<std::string> names = {
        "O'Brien \"Bob\"",
        "%1 %s %n",
        "Robert'); DROP TABLE games;--",
        "🎲 Würfel 👍🏽",
        "שלום עולם",
        "日本語のなまえ二十文字までの名前です",
        "😀😁😂🤣😃😄😅😆😉😊😋😎😍😘🥰😗😙😚🙂🤗"};
    THistoryStore store(Db());
    for (std::size_t i = 0; i < names.size(); ++i) {
        ASSERT_TRUE(store.RecordGames(Series("s" + std::to_string(i)), {Game(1, names[i])})) << store.Error();
    }
    const std::vector<TStoredGame> games = AllGames(store);
    ASSERT_EQ(games.size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(games[i].Record, Game(1, names[i]));
        EXPECT_EQ(store.Stats(names[i])->Games, 1) << names[i];
    }
    EXPECT_EQ(store.Stats("O'Brien")->Games, 0);
}

// Whatever is wrong with the file, the player is told once, the file is kept under a dated name
// byte for byte, and a new history begins. An empty file is simply a new history.
TEST_F(HistoryTest, AFileThatCannotBeUsedIsSetAsideAndANewHistoryBegun) {
    const std::string sound = HistoryWithOneGame(Dir + "/sound.sqlite");
    Sql(Dir + "/other.sqlite", "CREATE TABLE notes (text TEXT)");
    Sql(Dir + "/newer.sqlite", "PRAGMA user_version = 99");
    for (const auto& [kind, bytes, aside] :
         {std::tuple("garbage", std::string(8192, '\x5a'), "damaged"),
          std::tuple("truncated", sound.substr(0, sound.size() / 2), "damaged"),
          std::tuple("cut in the header", sound.substr(0, 50), "damaged"),
          std::tuple("text", std::string("Ann 254\nBob 237\n"), "damaged"),
          std::tuple("another program's", Contents(Dir + "/other.sqlite"), "damaged"),
          std::tuple("newer", Contents(Dir + "/newer.sqlite"), "newer"),
          std::tuple("empty", std::string(), "")}) {
        const std::string path = Dir + "/" + kind + ".sqlite";
        Write(path, bytes);
        std::vector<std::string> reports;
        THistoryStore store(path, [&reports](const std::string& message) { reports.push_back(message); });
        ASSERT_TRUE(store.IsOpen()) << kind << ": " << store.Error();
        EXPECT_TRUE(store.RecordGames(Series("s"), {Game(1, "Ann")})) << kind;
        if (std::string(aside).empty()) {
            EXPECT_TRUE(reports.empty()) << kind;
            continue;
        }
        ASSERT_EQ(reports.size(), 1U) << kind;
        EXPECT_THAT(reports[0], HasSubstr(std::string(".sqlite.") + aside + "-20")) << kind;
        std::vector<fs::path> setAside;
        for (const auto& entry : fs::directory_iterator(Dir)) {
            if (entry.path().string().find(path + "." + aside + "-") == 0) {
                setAside.push_back(entry.path());
            }
        }
        ASSERT_EQ(setAside.size(), 1U) << kind;
        EXPECT_TRUE(Contents(setAside[0]) == bytes) << kind << ": the file set aside differs";
    }
}

// The file a first release wrote, made by hand: its games are still read.
TEST_F(HistoryTest, AVersionOneFileOpensWithItsGames) {
    Sql(Db(), R"(
        CREATE TABLE series (id INTEGER PRIMARY KEY, uid TEXT NOT NULL UNIQUE, started INTEGER NOT NULL,
            games INTEGER NOT NULL, players INTEGER NOT NULL, ended INTEGER);
        CREATE TABLE players (series INTEGER NOT NULL REFERENCES series (id), seat INTEGER NOT NULL,
            name TEXT NOT NULL, kind INTEGER NOT NULL, series_total INTEGER, place INTEGER,
            PRIMARY KEY (series, seat)) WITHOUT ROWID;
        CREATE INDEX players_by_name ON players (name);
        CREATE TABLE games (series INTEGER NOT NULL, game INTEGER NOT NULL, seat INTEGER NOT NULL,
            ended INTEGER NOT NULL, aces INTEGER NOT NULL, twos INTEGER NOT NULL, threes INTEGER NOT NULL,
            fours INTEGER NOT NULL, fives INTEGER NOT NULL, sixes INTEGER NOT NULL,
            three_of_a_kind INTEGER NOT NULL, four_of_a_kind INTEGER NOT NULL, full_house INTEGER NOT NULL,
            small_straight INTEGER NOT NULL, large_straight INTEGER NOT NULL, quintix INTEGER NOT NULL,
            chance INTEGER NOT NULL, upper_bonus INTEGER NOT NULL, quintix_bonus INTEGER NOT NULL,
            grand_total INTEGER NOT NULL, decisions BLOB NOT NULL, PRIMARY KEY (series, game, seat),
            FOREIGN KEY (series, seat) REFERENCES players (series, seat)) WITHOUT ROWID;
        CREATE INDEX games_by_ended ON games (ended);
        INSERT INTO series VALUES (1, 'old', 1600000000, 1, 1, 1600000900);
        INSERT INTO players VALUES (1, 1, 'Ann', 0, 200, 1);
        INSERT INTO games VALUES (1, 1, 1, 1600000900, 1, 2, 3, 4, 5, 6, 0, 0, 0, 0, 0, 0, 20, 0, 0, 41, x'01');
        PRAGMA user_version = 1;)");
    std::vector<std::string> reports;
    THistoryStore store(Db(), [&reports](const std::string& message) { reports.push_back(message); });
    EXPECT_TRUE(reports.empty()) << reports[0];
    const std::vector<TStoredGame> games = AllGames(store);
    ASSERT_EQ(games.size(), 1U);
    EXPECT_EQ(games[0].Record.GrandTotal, 41);
    EXPECT_EQ(games[0].Standing->SeriesTotal, 200);
    EXPECT_TRUE(store.RecordGames(Series("new"), {Game(1, "Bob")})) << store.Error();
}

// Where the history cannot be kept at all (here a folder that is a regular file, which stops root
// too), the failure is reported once however often the game tries, and nothing throws.
TEST_F(HistoryTest, AnUnusablePlaceIsReportedOnce) {
    Write(Dir + "/file", "x");
    int reports = 0;
    THistoryStore store(Dir + "/file/history.sqlite", [&reports](const std::string&) { ++reports; });
    EXPECT_FALSE(store.IsOpen());
    for (int game = 1; game <= 3; ++game) {
        EXPECT_FALSE(store.RecordGames(Series("s", 3), {Game(1, "Ann", game)}));
    }
    EXPECT_FALSE(store.RecordSeriesEnd("s", 0, {}));
    EXPECT_EQ(reports, 1);
    EXPECT_THAT(store.Error(), HasSubstr("file"));
}

// A game is the same game in both files when its series id, game number and seat agree; the end of
// a series known only to the other file is taken over. A file that cannot be read changes nothing.
TEST_F(HistoryTest, ImportAddsOnlyGamesNotThereAndFailsAsAWhole) {
    THistoryStore mine(Db());
    ASSERT_TRUE(mine.RecordGames(Series("s", 2), {Game(1, "Ann", 1)}));
    {
        THistoryStore other(Dir + "/other.sqlite");
        other.RecordGames(Series("s", 2), {Game(1, "Ann", 1)});
        other.RecordGames(Series("s", 2), {Game(1, "Ann", 2)});
        other.RecordSeriesEnd("s", 1'700'000'500, {{1, 500, 1}});
        other.RecordGames(Series("t"), {Game(1, "Bob"), Game(2, "Cy")});
    }
    std::optional<TImportCounts> counts = mine.Import(Dir + "/other.sqlite");
    ASSERT_TRUE(counts) << mine.Error();
    EXPECT_EQ(counts->Imported, 3);
    EXPECT_EQ(counts->AlreadyThere, 1);
    counts = mine.Import(Dir + "/other.sqlite");
    EXPECT_EQ(counts->Imported, 0);
    EXPECT_EQ(counts->AlreadyThere, 4);
    const std::vector<TStoredGame> games = AllGames(mine);
    ASSERT_EQ(games.size(), 4U);
    EXPECT_EQ(games[0].SeriesEnded, 1'700'000'500);
    EXPECT_EQ(games[0].Standing->SeriesTotal, 500);

    Write(Dir + "/garbage.sqlite", std::string(4096, 'g'));
    EXPECT_FALSE(mine.Import(Dir + "/garbage.sqlite"));
    EXPECT_FALSE(mine.Import(Dir + "/missing.sqlite"));
    EXPECT_EQ(AllGames(mine).size(), 4U);
    EXPECT_EQ(Contents(Dir + "/garbage.sqlite"), std::string(4096, 'g'));
}

}  // namespace
}  // namespace quintix::testing
