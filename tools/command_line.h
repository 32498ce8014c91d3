#pragma once

#include <charconv>
#include <cstdio>
#include <string_view>

namespace quintix {

// The exit status of a tool whose output could not be written.
constexpr int WriteFailedStatus = 1;

// Says on standard error what is wrong with the arguments, then how the tool is used; returns the
// exit status for bad arguments (2).
int FailUsage(std::string_view tool, std::string_view message, std::string_view usage);

// Reads all of text as a number from low to high into value. Anything else (a sign where none fits,
// trailing characters, a number out of range) leaves value alone and gives false.
template <typename T>
bool ParseNumber(std::string_view text, T low, T high, T& value) {
    T parsed{};
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (ec != std::errc() || ptr != text.data() + text.size() || text.empty() || parsed < low ||
        parsed > high) {
        return false;
    }
    value = parsed;
    return true;
}

// Whether everything written so far to out, which the tool knows as what, has been handed to the
// system. When not, says so on standard error, with the system's reason when it gave one.
bool FlushOutput(std::string_view tool, std::FILE* out, std::string_view what);

// FlushOutput, then closes out (the last step for standard output, whose closing can fail too).
bool CloseOutput(std::string_view tool, std::FILE* out, std::string_view what);

}  // namespace quintix
