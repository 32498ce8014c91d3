#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "history/game_record.h"

struct sqlite3;

namespace quintix {

// Figures over stored games.
struct THistoryStats {
    std::int64_t Games = 0;
    double Mean = 0;
    std::int32_t Best = 0;
    std::int32_t Worst = 0;
    double UpperBonusRate = 0;  // games that earned the upper bonus
    double QuintixRate = 0;     // games with "Quintix" scored as 50
};

// A name in the history, and whether a person ever played under it.
struct TPlayerName {
    std::string Name;
    bool Person = false;

    bool operator==(const TPlayerName&) const = default;
};

// Which games of a player to read: all, those ended at or after a time, or only the last ones.
struct TGameFilter {
    std::string Player;
    std::optional<std::int64_t> Since = {};  // Unix seconds
    std::optional<int> Last = {};
};

// A player's result in a finished series.
struct TSeriesResult {
    std::string Name;
    TPlayerKind Kind = TPlayerKind::Person;
    std::int32_t SeriesTotal = 0;
    std::int32_t Games = 1;
    std::int64_t Ended = 0;
};

struct TImportCounts {
    std::int64_t Imported = 0;
    std::int64_t AlreadyThere = 0;
};

// The history of finished games: a SQLite database in one file, in WAL mode, shared safely by
// several processes. Every finished game is written in a transaction of its own, so a crash or a
// full disk loses at most the game being written, never one already stored.
//
// Problems go to the report function, once each: the store cannot open its file, a damaged file
// or one written by a newer program was set aside, or writing failed (reported again only after a
// write has succeeded in between). The caller decides how to tell the player; the game goes on.
class THistoryStore {
public:
    using TReport = std::function<void(const std::string& message)>;
    enum class TAccess {
        ReadWrite,  // creates what is missing; sets a damaged or newer file aside and starts anew
        ReadOnly,   // changes nothing: a missing, damaged or newer file only fails to open
        // Creates and upgrades as ReadWrite, but a damaged or newer file only fails to open: for
        // tools, which leave a file they cannot use as it was.
        ReadWriteNoSetAside,
    };

    // When the file is opened and checked: at once, or on the first use or OpenNow, whichever
    // comes first. Checking a large history takes a while; the game does it on a worker thread
    // while its window opens.
    enum class TOpening { Now, Later };

    explicit THistoryStore(std::string path, TReport report = {}, TAccess access = TAccess::ReadWrite,
                           TOpening opening = TOpening::Now);
    ~THistoryStore();
    THistoryStore(const THistoryStore&) = delete;
    THistoryStore& operator=(const THistoryStore&) = delete;

    // Opens and checks the file unless that is done; safe to call from another thread while
    // the store is otherwise untouched, and the first use waits for it.
    void OpenNow();
    bool IsOpen() {
        OpenNow();
        return Db != nullptr;
    }
    const std::string& Path() const { return FilePath; }
    // Why the store is closed or the last call failed; empty after a success.
    const std::string& Error() const { return LastError; }

    // Stores one game number's finished sheets of a series in one transaction, with the series and
    // its players when they are new. False when nothing was stored.
    bool RecordGames(const TSeriesInfo& series, const std::vector<TGameRecord>& games);
    // Marks a series finished, with each player's total and place, in one transaction. A series
    // never marked stays unfinished; its finished games are kept.
    bool RecordSeriesEnd(const std::string& seriesId, std::int64_t ended,
                         const std::vector<TStanding>& standings);

    // Figures over all games, or those of players with exactly this name; nullopt on failure.
    std::optional<THistoryStats> Stats(const std::optional<std::string>& player = std::nullopt);
    // Every stored game, the oldest first; false on failure (visit may have seen some games).
    bool ForEachGame(const std::function<void(const TStoredGame&)>& visit);
    // Every name in the history once: those a person played under first, then the others, each
    // group in the order of the names' bytes; nullopt on failure.
    std::optional<std::vector<TPlayerName>> PlayerNames();
    // The games of players with the filter's name, the newest first; false on failure.
    bool ForEachGameOf(const TGameFilter& filter, const std::function<void(const TStoredGame&)>& visit);
    // The same games, in the same order, without their decisions; nullopt on failure.
    std::optional<std::vector<TGameSummary>> SummariesOf(const TGameFilter& filter);
    // The whole game a summary stands for; unset when it is not there, nullopt on failure.
    std::optional<std::optional<TStoredGame>> GameOf(const TGameSummary& summary);
    // The best games of all players, the best first (the earlier of equals first); nullopt on failure.
    std::optional<std::vector<TStoredGame>> BestGames(int count);
    // The best result of a finished series of two or more games, by its mean a game; unset when
    // there is none, nullopt on failure.
    std::optional<std::optional<TSeriesResult>> BestSeries();
    // Deletes every game and seat of players with this name, and the series left with no one, in
    // one transaction; nothing of another name is touched. The number of games deleted, or nullopt.
    std::optional<std::int64_t> Forget(const std::string& player);

    // Merges the games of another history file, which is only read. A game already here (the same
    // series id, game number and seat) is kept as it is. All or nothing; nullopt on failure.
    std::optional<TImportCounts> Import(const std::string& otherPath);

private:
    enum class TCheck { Ready, Damaged, Newer, Failed };

    void Open(TAccess access);
    TCheck Prepare(TAccess access, std::string& why);
    void Close();
    // Runs body in an immediate transaction, retried when another process holds the lock.
    // why says what failed.
    bool Transaction(const std::function<bool()>& body, std::string& why);
    bool Fail(const std::string& message);
    void Succeeded() {
        FailureReported = false;
        LastError.clear();
    }

    std::string FilePath;
    TReport Report;
    TAccess Access;
    std::once_flag Opened;
    sqlite3* Db = nullptr;
    std::string LastError;
    bool FailureReported = false;
};

}  // namespace quintix
