#include <gtest/gtest.h>

#include "history/csv_writer.h"
#include "history/json_text.h"

namespace quintix {
namespace {

// A name must never run as a spreadsheet formula, and quotes, commas and line breaks stay inside
// their field.
TEST(CsvWriter, FieldsShowAsTheTextTheyAre) {
    for (const auto& [text, field] : {
             std::pair("Ann", "Ann"),
             std::pair("", ""),
             std::pair("Ann, Bob", "\"Ann, Bob\""),
             std::pair("say \"hi\"", "\"say \"\"hi\"\"\""),
             std::pair("two\nlines", "\"two\nlines\""),
             std::pair("=1+2", "\"'=1+2\""),
             std::pair("+1", "\"'+1\""),
             std::pair("-1", "\"'-1\""),
             std::pair("@SUM(A1)", "\"'@SUM(A1)\""),
             std::pair("\tx", "\"'\tx\""),
             std::pair("\rx", "\"'\rx\""),
             std::pair("=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\""),
             std::pair("a=b", "a=b"),
             std::pair("🎲 Würfel", "🎲 Würfel"),
         }) {
        EXPECT_EQ(CsvField(text), field) << text;
    }
    EXPECT_EQ(CsvRecord({"a", "b,c", ""}), "a,\"b,c\",\r\n");
}

TEST(JsonText, StringsAreEscapedAndAlwaysValidUtf8) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Ann", "\"Ann\""},
        {"say \"hi\" \\o/", R"("say \"hi\" \\o/")"},
        {"a\nb\tc\rd", R"("a\nb\tc\rd")"},
        {std::string("nul\0bel\x07", 8), R"("nul\u0000bel\u0007")"},
        {"🎲 שלום", "\"🎲 שלום\""},
        {"bad \xC3 \xFF \xED\xA0\x80 end",
         "\"bad \xEF\xBF\xBD \xEF\xBF\xBD \xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD end\""},
    };
    for (const auto& [text, json] : cases) {
        EXPECT_EQ(JsonString(text), json) << text;
    }
}

}  // namespace
}  // namespace quintix
