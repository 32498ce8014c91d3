#include "history/set_aside.h"

#include <filesystem>
#include <system_error>

#include "history/utc_time.h"

namespace quintix {

std::string SetAside(const std::string& path, const std::string& why, std::int64_t now, std::string& error) {
    namespace fs = std::filesystem;
    const std::string stem = path + "." + why + "-" + FileStampUtc(now);
    std::string aside = stem;
    std::error_code ec;
    for (int n = 2; fs::exists(aside, ec) || fs::exists(aside + "-wal", ec); ++n) {
        aside = stem + "-" + std::to_string(n);
    }
    // The journal goes first: a new file at path would take up a journal left behind as its own.
    for (const char* suffix : {"-wal", "-shm"}) {
        if (fs::exists(path + suffix, ec)) {
            fs::rename(path + suffix, aside + suffix, ec);
            if (ec) {
                error = ec.message();
                return {};
            }
        }
    }
    fs::rename(path, aside, ec);
    if (ec) {
        error = ec.message();
        return {};
    }
    return aside;
}

}  // namespace quintix
