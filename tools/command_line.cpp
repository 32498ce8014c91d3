#include "tools/command_line.h"

#include <cerrno>
#include <cstring>

namespace quintix {

namespace {

void ReportWriteFailure(std::string_view tool, std::string_view what, int reason) {
    std::fprintf(stderr, "%.*s: writing %.*s failed%s%s\n", static_cast<int>(tool.size()), tool.data(),
                 static_cast<int>(what.size()), what.data(), reason != 0 ? ": " : "",
                 reason != 0 ? std::strerror(reason) : "");
}

}  // namespace

int FailUsage(std::string_view tool, std::string_view message, std::string_view usage) {
    std::fprintf(stderr, "%.*s: %.*s\n%.*s", static_cast<int>(tool.size()), tool.data(),
                 static_cast<int>(message.size()), message.data(), static_cast<int>(usage.size()),
                 usage.data());
    return 2;
}

bool FlushOutput(std::string_view tool, std::FILE* out, std::string_view what) {
    errno = 0;
    // An earlier write may have failed with nothing left to flush; the stream keeps that in its error
    // flag, though the reason may be gone by now.
    if (std::fflush(out) != 0 || std::ferror(out) != 0) {
        ReportWriteFailure(tool, what, errno);
        return false;
    }
    return true;
}

bool CloseOutput(std::string_view tool, std::FILE* out, std::string_view what) {
    if (!FlushOutput(tool, out, what)) {
        std::fclose(out);
        return false;
    }
    errno = 0;
    if (std::fclose(out) != 0) {
        ReportWriteFailure(tool, what, errno);
        return false;
    }
    return true;
}

}  // namespace quintix
