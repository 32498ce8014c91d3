#pragma once

#include <string>

struct sqlite3;

namespace quintix {

// The schema's version, kept in PRAGMA user_version. A file of a higher version was written by a
// newer program and is never changed; a lower one is upgraded step by step when opened.
constexpr int HistorySchemaVersion = 1;

// Creates the tables of the current version in an empty database.
bool CreateHistorySchema(sqlite3* db);

// Brings a database of an older version (1..current) up to the current one, inside the caller's
// transaction.
bool UpgradeHistorySchema(sqlite3* db, int fromVersion);

// Whether the tables and columns that every version has are all there; fills what is missing.
bool HistorySchemaComplete(sqlite3* db, std::string& missing);

}  // namespace quintix
