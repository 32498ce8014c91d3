#pragma once

#include <string>
#include <string_view>

namespace quintix {

// text as a JSON string, quotes included: quotes, backslashes and control characters escaped, and
// any byte that is not part of valid UTF-8 replaced by U+FFFD, so that the output is always valid.
std::string JsonString(std::string_view text);

}  // namespace quintix
