// Arbitrary bytes, split into lines, as requests to the probe: every line that is not blank must get
// exactly one answer line, starting with "ok " or "error ", and a blank line none.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "computer/expert_table.h"
#include "tools/probe_requests.h"

namespace {

quintix::TExpertTable Table;

}  // namespace

// The solver's table, which optimum and hint requests need, is built before the first input
// rather than inside one.
extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    Table.BuildNow();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = text.substr(start, end - start);
        const auto answer = quintix::AnswerProbeRequest(line, Table);
        const bool blank = line.find_first_not_of(" \t\r\f\v") == std::string_view::npos;
        if (blank) {
            if (answer.has_value()) {
                std::abort();
            }
        } else if (!answer.has_value() || answer->find('\n') != std::string::npos ||
                   !(answer->starts_with("ok ") || answer->starts_with("error "))) {
            std::abort();
        }
        start = end + 1;
    }
    return 0;
}
