#include "history/history_export.h"

#include "history/csv_writer.h"
#include "history/json_text.h"
#include "history/utc_time.h"

namespace quintix {

namespace {

const char* const LineNames[NoOfLines] = {
    "aces",           "twos",       "threes",         "fours",          "fives",   "sixes", "three_of_a_kind",
    "four_of_a_kind", "full_house", "small_straight", "large_straight", "quintix", "chance"};

const char* KindName(TPlayerKind kind) {
    switch (kind) {
        case TPlayerKind::Person:
            return "person";
        case TPlayerKind::Computer:
            return "computer";
        case TPlayerKind::ExpertComputer:
            return "expert";
    }
    return "unknown";
}

std::string Hex(const std::vector<std::uint8_t>& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (const std::uint8_t byte : bytes) {
        hex += digits[byte >> 4];
        hex += digits[byte & 0x0F];
    }
    return hex;
}

TExportField Number(const char* name, std::int64_t value) {
    return {name, std::to_string(value)};
}

TExportField Text(const char* name, std::string value) {
    return {name, std::move(value), true};
}

TExportField Maybe(TExportField field, bool known) {
    if (!known) {
        field.Value.clear();
        field.IsNull = true;
    }
    return field;
}

}  // namespace

std::vector<TExportField> ExportFields(const TStoredGame& stored) {
    const TGameRecord& game = stored.Record;
    std::vector<TExportField> fields = {
        Text("series", stored.Series.Id),
        Text("series_started", IsoUtc(stored.Series.Started)),
        Number("series_games", stored.Series.NoOfGames),
        Number("series_players", stored.Series.NoOfPlayers),
        Number("game", game.Game),
        Text("ended", IsoUtc(game.Ended)),
        Number("seat", game.Player.Seat),
        Text("player", game.Player.Name),
        Text("kind", KindName(game.Player.Kind)),
    };
    for (int line = 0; line < NoOfLines; ++line) {
        fields.push_back(Number(LineNames[line], game.Lines[static_cast<std::size_t>(line)]));
    }
    fields.push_back(Number("upper_bonus", game.UpperBonus));
    fields.push_back(Number("quintix_bonus", game.QuintixBonus));
    fields.push_back(Number("grand_total", game.GrandTotal));
    fields.push_back(Maybe(Text("series_ended", stored.SeriesEnded ? IsoUtc(*stored.SeriesEnded) : ""),
                           stored.SeriesEnded.has_value()));
    fields.push_back(Maybe(Number("series_total", stored.Standing ? stored.Standing->SeriesTotal : 0),
                           stored.Standing.has_value()));
    fields.push_back(
        Maybe(Number("place", stored.Standing ? stored.Standing->Place : 0), stored.Standing.has_value()));
    fields.push_back(Text("decisions", Hex(game.Decisions)));
    return fields;
}

namespace {

std::string CsvHeader() {
    std::vector<std::string> names;
    for (const TExportField& field : ExportFields(TStoredGame{})) {
        names.emplace_back(field.Name);
    }
    return CsvRecord(names);
}

std::string CsvLine(const TStoredGame& game) {
    std::vector<std::string> values;
    for (TExportField& field : ExportFields(game)) {
        values.push_back(std::move(field.Value));
    }
    return CsvRecord(values);
}

}  // namespace

std::string CsvOf(std::span<const TStoredGame> games) {
    std::string csv = CsvHeader();
    for (const TStoredGame& game : games) {
        csv += CsvLine(game);
    }
    return csv;
}

bool ExportCsv(THistoryStore& store, std::FILE* out) {
    std::fputs(CsvHeader().c_str(), out);
    const bool read =
        store.ForEachGame([out](const TStoredGame& game) { std::fputs(CsvLine(game).c_str(), out); });
    return read && std::ferror(out) == 0;
}

bool ExportJson(THistoryStore& store, std::FILE* out) {
    std::fputs("[", out);
    const char* separator = "\n";
    const bool read = store.ForEachGame([&separator, out](const TStoredGame& game) {
        std::string object = separator;
        object += '{';
        for (const TExportField& field : ExportFields(game)) {
            object += object.back() == '{' ? "\"" : ",\"";
            object += field.Name;
            object += "\":";
            object += field.IsNull ? "null" : field.IsText ? JsonString(field.Value) : field.Value;
        }
        object += '}';
        std::fputs(object.c_str(), out);
        separator = ",\n";
    });
    std::fputs("\n]\n", out);
    return read && std::ferror(out) == 0;
}

}  // namespace quintix
