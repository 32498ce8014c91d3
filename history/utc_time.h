#pragma once

#include <cstdint>
#include <string>

namespace quintix {

// The time now, in seconds since 1970-01-01 00:00 UTC.
std::int64_t UnixSecondsNow();

// "2026-12-07T20:15:00Z": ISO 8601 in UTC, for exports.
std::string IsoUtc(std::int64_t unixSeconds);

// "2026-12-07T201500Z": the same without colons, for file names.
std::string FileStampUtc(std::int64_t unixSeconds);

}  // namespace quintix
