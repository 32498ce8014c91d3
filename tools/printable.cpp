#include "tools/printable.h"

#include <cstdio>

namespace quintix {

std::string Printable(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u >= 0x7F) {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02X", u);
            shown += escape;
        } else {
            shown += c;
        }
    }
    return shown;
}

std::string Excerpt(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) {
        return Printable(text);
    }
    return Printable(text.substr(0, maxBytes)) + "...";
}

}  // namespace quintix
