#pragma once

#include <string>

namespace quintix {

// Where the game keeps its history: $XDG_DATA_HOME/Quintix/history.sqlite, or, when that variable
// is unset, empty or not an absolute path, ~/.local/share/Quintix/history.sqlite. This is the
// folder Qt names AppDataLocation for an application called Quintix with no organisation, worked
// out here without Qt for the tools. Empty when neither variable gives a place.
std::string DefaultHistoryPath();

}  // namespace quintix
