#include "history/history_store.h"

#include <sqlite3.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <system_error>
#include <thread>

#include "history/game_writer.h"
#include "history/history_schema.h"
#include "history/set_aside.h"
#include "history/sqlite_statement.h"
#include "history/utc_time.h"

namespace quintix {

namespace {

// How long a statement waits for another process's lock, and how often a whole transaction is
// tried again when the wait was not enough.
constexpr int BusyTimeoutMs = 5000;
constexpr int BusyAttempts = 5;

bool IsDamage(int code) {
    const int primary = code & 0xFF;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB || code == SQLITE_IOERR_SHORT_READ;
}

bool IsBusy(int code) {
    return (code & 0xFF) == SQLITE_BUSY || (code & 0xFF) == SQLITE_LOCKED;
}

}  // namespace

THistoryStore::THistoryStore(std::string path, TReport report, TAccess access, TOpening opening)
    : FilePath(std::move(path)), Report(std::move(report)), Access(access) {
    if (opening == TOpening::Now) {
        OpenNow();
    }
}

void THistoryStore::OpenNow() {
    std::call_once(Opened, [this] { Open(Access); });
}

THistoryStore::~THistoryStore() {
    Close();
}

void THistoryStore::Close() {
    sqlite3_close_v2(Db);
    Db = nullptr;
}

bool THistoryStore::Fail(const std::string& message) {
    LastError = message;
    if (!FailureReported) {
        FailureReported = true;
        if (Report) {
            Report(message);
        }
    }
    return false;
}

// A file that cannot be used is set aside once and a new one started in its place; if the new one
// cannot be used either, the store stays closed.
void THistoryStore::Open(TAccess access) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path folder = fs::path(FilePath).parent_path();
    if (access != TAccess::ReadOnly && !folder.empty()) {
        fs::create_directories(folder, ec);
        if (ec) {
            Fail("cannot create the folder " + folder.string() + ": " + ec.message());
            return;
        }
    }
    if (access == TAccess::ReadOnly && !fs::exists(FilePath, ec)) {
        Fail("no history at " + FilePath);
        return;
    }
    const int flags =
        access == TAccess::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    for (int attempt = 1; attempt <= 2; ++attempt) {
        if (sqlite3_open_v2(FilePath.c_str(), &Db, flags, nullptr) != SQLITE_OK) {
            const std::string why = Db != nullptr ? sqlite3_errmsg(Db) : "out of memory";
            Close();
            Fail("cannot open " + FilePath + ": " + why);
            return;
        }
        sqlite3_extended_result_codes(Db, 1);
        sqlite3_busy_timeout(Db, BusyTimeoutMs);
        std::string why;
        TCheck check = Prepare(access, why);
        // Another program setting the file up or checkpointing it holds locks that the busy
        // timeout does not wait for (the journal mode's change among them): try again shortly.
        for (int busy = 1;
             check == TCheck::Failed && IsBusy(sqlite3_extended_errcode(Db)) && busy <= BusyAttempts * 4;
             ++busy) {
            std::this_thread::sleep_for(std::chrono::milliseconds(25 * busy));
            check = Prepare(access, why);
        }
        if (check == TCheck::Ready) {
            return;
        }
        Close();
        const std::string problem =
            check == TCheck::Newer ? "was written by a newer version of Quintix" : "is damaged (" + why + ")";
        if (check == TCheck::Failed || access != TAccess::ReadWrite || attempt == 2) {
            Fail("cannot use " + FilePath + ": " + (check == TCheck::Failed ? why : problem));
            return;
        }
        std::string error;
        const std::string aside =
            SetAside(FilePath, check == TCheck::Newer ? "newer" : "damaged", UnixSecondsNow(), error);
        if (aside.empty()) {
            Fail("the history " + FilePath + " " + problem + " and cannot be set aside: " + error);
            return;
        }
        if (Report) {
            Report("The history " + FilePath + " " + problem + "; it was set aside as " + aside +
                   " and a new history begun.");
        }
    }
}

// Checks the file before anything is written to it, and creates or upgrades its tables. Damage
// shows as SQLite's corruption codes or a quick check other than "ok"; a file of another program
// (tables but no version) counts as damaged too, so that it is set aside rather than changed.
THistoryStore::TCheck THistoryStore::Prepare(TAccess access, std::string& why) {
    const auto failed = [this, &why](int code) {
        why = SqliteMessage(Db);
        return IsDamage(code) ? TCheck::Damaged : TCheck::Failed;
    };
    // The first value a pragma gives, as text; the statement is done with before the next one, as
    // the journal mode cannot change while a statement still reads.
    std::string value;
    const auto pragma = [this, &value](const char* sql) {
        TStatement statement(Db, sql);
        const bool row = statement.Step();
        value = row ? statement.Text(0) : "";
        return row ? SQLITE_OK : statement.Status();
    };
    // What the file holds is read in one snapshot: another program may be setting it up meanwhile,
    // and tables seen without the version that goes with them would look like another program's.
    if (const int code = Execute(Db, "BEGIN"); code != SQLITE_OK) {
        return failed(sqlite3_extended_errcode(Db));
    }
    struct TEndRead {
        sqlite3* Db;
        ~TEndRead() { Execute(Db, "ROLLBACK"); }
    };
    std::optional<TEndRead> reading(std::in_place, Db);
    if (const int code = pragma("PRAGMA user_version"); code != SQLITE_OK) {
        return failed(code);
    }
    const int version = std::stoi(value);
    if (version > HistorySchemaVersion) {
        why = "schema " + value;
        return TCheck::Newer;
    }
    if (const int code = pragma("PRAGMA quick_check(1)"); code != SQLITE_OK) {
        return failed(code);
    }
    if (value != "ok") {
        why = value;
        return TCheck::Damaged;
    }
    // All that is judged before the first change to the file, so that a file set aside is kept
    // exactly as it was found.
    if (const int code = pragma("SELECT count(*) FROM sqlite_schema"); code != SQLITE_OK) {
        return failed(code);
    }
    const bool empty = value == "0";
    std::string missing;
    if (!empty && (version == 0 || !HistorySchemaComplete(Db, missing))) {
        why = version == 0 ? "not a history file" : "missing " + missing;
        return TCheck::Damaged;
    }
    reading.reset();
    if (access == TAccess::ReadOnly) {
        why = empty ? "no games stored yet" : "an older history, which the game upgrades when it opens it";
        return !empty && version == HistorySchemaVersion ? TCheck::Ready : TCheck::Failed;
    }

    if (const int code = pragma("PRAGMA journal_mode = WAL"); code != SQLITE_OK) {
        return failed(code);
    }
    if (value != "wal") {
        why = "the journal cannot be kept in WAL mode";
        return TCheck::Failed;
    }
    // FULL makes every finished game durable at its commit, power cuts included.
    if (Execute(Db, "PRAGMA synchronous = FULL; PRAGMA foreign_keys = ON") != SQLITE_OK) {
        return failed(sqlite3_extended_errcode(Db));
    }
    // Read again under the lock: another process may have set the file up meanwhile.
    const auto setUp = [this, &why] {
        TStatement current(Db, "PRAGMA user_version");
        TStatement tables(Db, "SELECT count(*) FROM sqlite_schema");
        if (!current.Step() || !tables.Step()) {
            return false;
        }
        const int at = current.Int32(0);
        if (at == 0 && tables.Int(0) == 0) {
            return CreateHistorySchema(Db);
        }
        if (at == 0 || at > HistorySchemaVersion) {
            why = "another program has just taken the file over";
            return false;
        }
        return UpgradeHistorySchema(Db, at);
    };
    return Transaction(setUp, why) ? TCheck::Ready : TCheck::Failed;
}

bool THistoryStore::Transaction(const std::function<bool()>& body, std::string& why) {
    for (int attempt = 1;; ++attempt) {
        why.clear();
        if (Execute(Db, "BEGIN IMMEDIATE") == SQLITE_OK && body() && Execute(Db, "COMMIT") == SQLITE_OK) {
            return true;
        }
        const int code = sqlite3_extended_errcode(Db);
        if (why.empty()) {
            why = SqliteMessage(Db);
        }
        if (sqlite3_get_autocommit(Db) == 0) {
            Execute(Db, "ROLLBACK");
        }
        if (!IsBusy(code) || attempt == BusyAttempts) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20 * attempt));
    }
}

bool THistoryStore::RecordGames(const TSeriesInfo& series, const std::vector<TGameRecord>& games) {
    OpenNow();
    if (Db == nullptr) {
        return Fail(LastError);
    }
    std::string why;
    const bool stored = Transaction(
        [this, &series, &games, &why] {
            TGameWriter writer(Db);
            const std::optional<std::int64_t> id = writer.Series(series);
            if (!id) {
                return false;
            }
            for (const TGameRecord& game : games) {
                bool added = false;
                if (!writer.Player(*id, game.Player) || !writer.Game(*id, game, false, &added)) {
                    why = added ? "" : "it is stored already";
                    return false;
                }
            }
            return true;
        },
        why);
    if (!stored) {
        return Fail("cannot store game " +
                    (games.empty() ? std::string("?") : std::to_string(games[0].Game)) + " in " + FilePath +
                    ": " + why);
    }
    Succeeded();
    return true;
}

bool THistoryStore::RecordSeriesEnd(const std::string& seriesId, std::int64_t ended,
                                    const std::vector<TStanding>& standings) {
    OpenNow();
    if (Db == nullptr) {
        return Fail(LastError);
    }
    std::string why;
    const bool stored = Transaction(
        [this, &seriesId, ended, &standings, &why] {
            TGameWriter writer(Db);
            const std::optional<std::int64_t> id = writer.FindSeries(seriesId);
            if (!id) {
                why = "none of its games is stored";
                return false;
            }
            if (!writer.SeriesEnd(*id, ended)) {
                return false;
            }
            for (const TStanding& standing : standings) {
                if (!writer.Standing(*id, standing)) {
                    return false;
                }
            }
            return true;
        },
        why);
    if (!stored) {
        return Fail("cannot store the end of the series in " + FilePath + ": " + why);
    }
    Succeeded();
    return true;
}

}  // namespace quintix
