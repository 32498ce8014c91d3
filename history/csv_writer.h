#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quintix {

// One CSV field as RFC 4180 has it: quoted, with quotes doubled, when it holds a quote, a comma or
// a line break. A field that a spreadsheet would take for a formula (one that begins with =, +,
// -, @, a tab or a carriage return) is quoted with a single quote before it, so that it shows as
// the text it is and never runs.
std::string CsvField(std::string_view text);

// A record: the fields as CsvField writes them, separated by commas, ended by CR LF.
std::string CsvRecord(const std::vector<std::string>& fields);

}  // namespace quintix
