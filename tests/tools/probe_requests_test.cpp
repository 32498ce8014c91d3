#include "tools/probe_requests.h"

#include "computer/expert_table.h"

#include <gtest/gtest.h>

#include <string>

namespace quintix {
namespace {

// The answers themselves are pinned by the probe's session (probe_session.in and .expected); here
// what a line of text cannot carry: a NUL byte is quoted, not taken for the end of the request.
TEST(ProbeRequests, QuotesEveryByteOfAnUnknownRequestAndIgnoresBlankOnes) {
    TExpertTable table;
    EXPECT_EQ(AnswerProbeRequest(std::string("ab\0cd 1", 7), table), "error unknown request 'ab\\x00cd'");
    EXPECT_FALSE(AnswerProbeRequest("  \t \r", table).has_value());
}

}  // namespace
}  // namespace quintix
