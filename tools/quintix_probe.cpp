// quintix-probe: answers requests about the rules and the computer player's estimates, one line
// per request, so the core can be checked from outside. See tools/probe_requests.h.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

#include "computer/expert_table.h"
#include "tools/command_line.h"
#include "tools/line_reader.h"
#include "tools/probe_requests.h"

namespace {

const char* const Tool = "quintix-probe";

}  // namespace

int main() {
#ifdef SIGPIPE
    // A reader that has gone away is a failed write to report, not a silent end.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    quintix::TLineReader input(stdin, quintix::MaxProbeRequestLength);
    quintix::TExpertTable table;
    std::string line;
    for (;;) {
        const quintix::TLineReader::TResult result = input.Next(line);
        if (result == quintix::TLineReader::TResult::End) {
            break;
        }
        if (result == quintix::TLineReader::TResult::Failed) {
            std::fprintf(stderr, "%s: reading standard input failed: %s\n", Tool, std::strerror(errno));
            return 1;
        }
        const auto answer = result == quintix::TLineReader::TResult::TooLong
                                ? quintix::AnswerOverlongProbeRequest()
                                : quintix::AnswerProbeRequest(line, table);
        if (!answer) {
            continue;
        }
        // Each answer goes out at once: the asking program may wait for it before it sends more.
        std::fwrite(answer->data(), 1, answer->size(), stdout);
        std::fputc('\n', stdout);
        if (!quintix::FlushOutput(Tool, stdout, "standard output")) {
            return quintix::WriteFailedStatus;
        }
    }
    return quintix::CloseOutput(Tool, stdout, "standard output") ? 0 : quintix::WriteFailedStatus;
}
