#include "history/sqlite_statement.h"

#include <sqlite3.h>

namespace quintix {

TStatement::TStatement(sqlite3* db, std::string_view sql) {
    Code = sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &Handle, nullptr);
}

TStatement::~TStatement() {
    sqlite3_finalize(Handle);
}

bool TStatement::Ok() const {
    return Code == SQLITE_OK || Code == SQLITE_ROW || Code == SQLITE_DONE;
}

// After a failure nothing more is done, so the first fault is the one reported.
void TStatement::Check(int code) {
    if (Ok()) {
        Code = code;
    }
}

TStatement& TStatement::Bind(int index, std::int64_t value) {
    if (Ok()) {
        Check(sqlite3_bind_int64(Handle, index, value));
    }
    return *this;
}

TStatement& TStatement::Bind(int index, std::string_view text) {
    if (Ok()) {
        // A null pointer would bind NULL: an empty name is still a text.
        const char* data = text.data() != nullptr ? text.data() : "";
        Check(sqlite3_bind_text64(Handle, index, data, text.size(), SQLITE_TRANSIENT, SQLITE_UTF8));
    }
    return *this;
}

// An empty blob is bound as a zero-length blob, not as NULL.
TStatement& TStatement::Bind(int index, std::span<const std::uint8_t> blob) {
    if (Ok()) {
        Check(blob.empty() ? sqlite3_bind_zeroblob(Handle, index, 0)
                           : sqlite3_bind_blob64(Handle, index, blob.data(), blob.size(), SQLITE_TRANSIENT));
    }
    return *this;
}

TStatement& TStatement::BindNull(int index) {
    if (Ok()) {
        Check(sqlite3_bind_null(Handle, index));
    }
    return *this;
}

bool TStatement::Step() {
    if (!Ok() || Code == SQLITE_DONE) {
        return false;
    }
    Code = sqlite3_step(Handle);
    return Code == SQLITE_ROW;
}

bool TStatement::Run() {
    while (Step()) {
    }
    return Code == SQLITE_DONE;
}

void TStatement::Reset() {
    if (Handle != nullptr) {
        sqlite3_reset(Handle);
        sqlite3_clear_bindings(Handle);
        Code = SQLITE_OK;
    }
}

bool TStatement::IsNull(int column) const {
    return sqlite3_column_type(Handle, column) == SQLITE_NULL;
}

std::int64_t TStatement::Int(int column) const {
    return sqlite3_column_int64(Handle, column);
}

double TStatement::Real(int column) const {
    return sqlite3_column_double(Handle, column);
}

std::string TStatement::Text(int column) const {
    const auto* text = sqlite3_column_text(Handle, column);
    const int size = sqlite3_column_bytes(Handle, column);
    return text != nullptr ? std::string(reinterpret_cast<const char*>(text), static_cast<std::size_t>(size))
                           : std::string();
}

std::vector<std::uint8_t> TStatement::Blob(int column) const {
    const auto* data = static_cast<const std::uint8_t*>(sqlite3_column_blob(Handle, column));
    const int size = sqlite3_column_bytes(Handle, column);
    return data != nullptr ? std::vector<std::uint8_t>(data, data + size) : std::vector<std::uint8_t>();
}

int Execute(sqlite3* db, const char* sql) {
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
}

std::string SqliteMessage(sqlite3* db) {
    return std::string(sqlite3_errmsg(db)) + " (" + std::to_string(sqlite3_extended_errcode(db)) + ")";
}

}  // namespace quintix
