#include "history/json_text.h"

#include <cstdint>
#include <cstdio>

namespace quintix {

namespace {

// The length of the valid UTF-8 sequence at the start of text, or 0 if none is there.
std::size_t Utf8Length(std::string_view text) {
    const auto byte = [&text](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(0);
    std::size_t length = 0;
    std::uint32_t code = 0;
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1FU;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0FU;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07U;
    } else {
        return 0;
    }
    if (text.size() < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0U) != 0x80U) {
            return 0;
        }
        code = code << 6 | (byte(i) & 0x3FU);
    }
    // Overlong forms, surrogates and code points past U+10FFFF are not UTF-8.
    const std::uint32_t least = length == 3 ? 0x800 : 0x10000;
    if ((length > 2 && code < least) || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) {
        return 0;
    }
    return length;
}

}  // namespace

std::string JsonString(std::string_view text) {
    std::string json = "\"";
    while (!text.empty()) {
        const char c = text.front();
        const std::size_t length = Utf8Length(text);
        if (length == 0) {
            json += "\xEF\xBF\xBD";
            text.remove_prefix(1);
            continue;
        }
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (c == '\n') {
            json += "\\n";
        } else if (c == '\t') {
            json += "\\t";
        } else if (c == '\r') {
            json += "\\r";
        } else if (static_cast<std::uint8_t>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            json += escaped;
        } else {
            json.append(text.substr(0, length));
        }
        text.remove_prefix(length);
    }
    json += '"';
    return json;
}

}  // namespace quintix
