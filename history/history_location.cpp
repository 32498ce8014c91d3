#include "history/history_location.h"

#include <cstdlib>

namespace quintix {

std::string DefaultHistoryPath() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    std::string folder;
    if (dataHome != nullptr && dataHome[0] == '/') {
        folder = dataHome;
    } else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') {
        folder = std::string(home) + "/.local/share";
    } else {
        return {};
    }
    return folder + "/Quintix/history.sqlite";
}

}  // namespace quintix
