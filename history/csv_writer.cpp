#include "history/csv_writer.h"

namespace quintix {

std::string CsvField(std::string_view text) {
    const bool formula =
        !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
    if (!formula && text.find_first_of("\",\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string field = formula ? "\"'" : "\"";
    for (const char c : text) {
        field += c;
        if (c == '"') {
            field += '"';
        }
    }
    field += '"';
    return field;
}

std::string CsvRecord(const std::vector<std::string>& fields) {
    std::string record;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        record += i > 0 ? "," : "";
        record += CsvField(fields[i]);
    }
    record += "\r\n";
    return record;
}

}  // namespace quintix
