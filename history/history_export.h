#pragma once

#include <cstdio>
#include <span>
#include <string>
#include <vector>

#include "history/game_record.h"
#include "history/history_store.h"

namespace quintix {

// One exported value of a game: a number, a text, or null (empty in CSV).
struct TExportField {
    const char* Name;
    std::string Value;
    bool IsText = false;
    bool IsNull = false;
};

// A stored game as both exports write it, in their column order: times in ISO 8601 UTC, the
// player's kind as a word, and the decisions in hexadecimal.
std::vector<TExportField> ExportFields(const TStoredGame& game);

// These games as CSV: the header record, then one record a game, as ExportCsv writes them.
std::string CsvOf(std::span<const TStoredGame> games);

// Every stored game to out: CSV with a header record, or a JSON array of one object a game, one a
// line. False when reading the store or writing failed (the store's error or errno tells).
bool ExportCsv(THistoryStore& store, std::FILE* out);
bool ExportJson(THistoryStore& store, std::FILE* out);

}  // namespace quintix
