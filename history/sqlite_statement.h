#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace quintix {

// One prepared statement, finalized when it goes. Values are always bound, never spliced into
// the text. A failed step or bind leaves its result code in Status() for the caller to judge.
class TStatement {
public:
    TStatement(sqlite3* db, std::string_view sql);
    ~TStatement();
    TStatement(const TStatement&) = delete;
    TStatement& operator=(const TStatement&) = delete;

    int Status() const { return Code; }
    bool Ok() const;

    // Parameters by position from 1; each returns *this to chain.
    TStatement& Bind(int index, std::int64_t value);
    TStatement& Bind(int index, std::string_view text);
    TStatement& Bind(int index, std::span<const std::uint8_t> blob);
    TStatement& BindNull(int index);

    // True while a row is there to read; false once done or on an error (Status() tells).
    bool Step();
    // Runs the statement to its end; false on an error.
    bool Run();
    void Reset();

    bool IsNull(int column) const;
    std::int64_t Int(int column) const;
    std::int32_t Int32(int column) const { return static_cast<std::int32_t>(Int(column)); }
    double Real(int column) const;
    std::string Text(int column) const;
    std::vector<std::uint8_t> Blob(int column) const;

private:
    void Check(int code);

    sqlite3_stmt* Handle = nullptr;
    int Code = 0;
};

// Runs SQL without parameters (several statements allowed); returns SQLite's result code.
int Execute(sqlite3* db, const char* sql);

// SQLite's message for the connection's last error, with its extended result code.
std::string SqliteMessage(sqlite3* db);

}  // namespace quintix
