#pragma once

#include <algorithm>
#include <string>

namespace quintix {

// Blanks and control characters, which a name loses at both ends.
inline bool IsBlankOrControl(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u <= 0x20 || u == 0x7F;
}

inline std::string TrimBlanksAndControls(const std::string& text) {
    const auto first = std::find_if_not(text.begin(), text.end(), IsBlankOrControl);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), IsBlankOrControl).base();
    return first < last ? std::string(first, last) : std::string();
}

}  // namespace quintix
