#include "game/random_source.h"

#include <chrono>
#include <ctime>

namespace quintix {

std::uint32_t MillisecondsSinceMidnight() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    const std::int64_t secondsToday = (std::int64_t{local.tm_hour} * 60 + local.tm_min) * 60 + local.tm_sec;
    return static_cast<std::uint32_t>(secondsToday * 1000 + ms);
}

}  // namespace quintix
