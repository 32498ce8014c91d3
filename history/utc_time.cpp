#include "history/utc_time.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace quintix {

namespace {

std::string Format(std::int64_t unixSeconds, const char* format) {
    const auto seconds = static_cast<std::time_t>(unixSeconds);
    std::tm parts{};
    gmtime_r(&seconds, &parts);
    char text[32];
    return std::strftime(text, sizeof text, format, &parts) > 0 ? std::string(text) : std::string();
}

}  // namespace

std::int64_t UnixSecondsNow() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

std::string IsoUtc(std::int64_t unixSeconds) {
    return Format(unixSeconds, "%Y-%m-%dT%H:%M:%SZ");
}

std::string FileStampUtc(std::int64_t unixSeconds) {
    return Format(unixSeconds, "%Y-%m-%dT%H%M%SZ");
}

}  // namespace quintix
