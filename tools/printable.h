#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quintix {

// text with every control and non-ASCII byte written as \xNN, so that a message quoting outside input
// shows all of it (a NUL included) on one line of a terminal.
std::string Printable(std::string_view text);

// At most the first maxBytes of text, made printable, with "..." when some were left off: enough of
// an outside word for a message to show which one it was.
std::string Excerpt(std::string_view text, std::size_t maxBytes = 32);

}  // namespace quintix
