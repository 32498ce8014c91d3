#include "tools/probe_requests.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

namespace quintix {
namespace {

const std::string Blank = " -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1";

struct TExchange {
    std::string Request;
    std::string Answer;
};

void ExpectAnswers(const std::vector<TExchange>& exchanges) {
    for (const auto& [request, answer] : exchanges) {
        const auto got = AnswerProbeRequest(request);
        ASSERT_TRUE(got.has_value()) << request;
        EXPECT_EQ(*got, answer) << request;
    }
}

TEST(ProbeRequests, EngineAnswersCarryTheProbabilityAndTheNeededEntriesAfterTheCall) {
    ExpectAnswers({
        {"prob 5 1 1 3 0 0 0 0 6 0 0 0 0", "ok 0.21296296296296297 3 0 0 0 0"},
        {"prob 5 2 0 3 2 0 0 0 6 5 0 0 0", "ok 0.038580246913580245 3 2 0 0 0"},
        {"prob 2 1 0 0 0 0 0 0 1 0 0 0 0", "ok 0.69444444444444442 0 0 0 0 0"},
        // Entries beyond the groups are cleared by the call, also when it then fails.
        {"prob 1 1 1 1 4 4 4 4 1 1 1 1 1", "ok 0.16666666666666666 1 0 0 0 0"},
        {"prob 5 2 0 3 3 7 7 7 1 1 1 1 1", "error 3 3 0 0 0 Too many dice in combination"},
        {"prob 0 1 0 0 0 0 0 0 1 0 0 0 0", "ok 1 0 0 0 0 0"},
    });
}

TEST(ProbeRequests, EngineRefusalsOutsideItsContractAreAnswersNotCrashes) {
    for (const std::string request : {
             "prob 5 0 1 1 1 1 1 1 1 1 1 1 1",
             "prob 5 6 1 1 1 1 1 1 1 1 1 1 1",
             "prob -1 1 1 0 0 0 0 0 1 1 1 1 1",
             "prob 5 1 1 -2 0 0 0 0 1 1 1 1 1",
             "prob 2147483647 1 1 0 0 0 0 0 1 1 1 1 1",
             "prob 12 1 1 0 0 0 0 0 6 1 1 1 1",
         }) {
        const auto got = AnswerProbeRequest(request);
        ASSERT_TRUE(got.has_value());
        EXPECT_EQ(got->rfind("error ", 0), 0U) << request << " -> " << *got;
    }
}

TEST(ProbeRequests, AnalysisListsEveryFieldInOrder) {
    ExpectAnswers({
        {"analyse 3 3 3 5 5" + Blank, "ok 19 3 3 0010001010001 0 0 2 3 5 0"},
        {"analyse 1 2 3 4 5" + Blank, "ok 15 1 5 0000000001101 0 0 4 2 5 1"},
        // Line 11 holds 50 and Fours is scored: the joker applies.
        {"analyse 4 4 4 4 4 -1 -1 -1 12 -1 -1 -1 -1 -1 -1 -1 50 -1", "ok 20 5 4 0000001100011 1 0 1 4 4 0"},
    });
}

TEST(ProbeRequests, ValueGivesTheLineValueAndTheBonusScoringWouldAdd) {
    const std::string fiftyFoursOpen = " -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 50 -1";
    const std::string fiftyFoursScored = " -1 -1 -1 12 -1 -1 -1 -1 -1 -1 -1 50 -1";
    ExpectAnswers({
        {"value 8 3 3 3 5 5" + Blank, "ok 25 0"},
        {"value 12 3 3 3 5 5" + Blank, "ok 19 0"},
        {"value 11 4 4 4 4 4" + Blank, "ok 50 0"},
        {"value 3 4 4 4 4 4" + fiftyFoursOpen, "ok 20 100"},
        {"value 8 4 4 4 4 4" + fiftyFoursOpen, "ok 0 100"},
        {"value 10 4 4 4 4 4" + fiftyFoursScored, "ok 40 100"},
        {"value 0 1 2 3 4 5" + Blank, "ok 1 0"},
        {"value 12 1 2 3 4 5" + Blank, "ok 15 0"},
        {"value -1 1 2 3 4 5" + Blank, "error the line must be 0 to 12"},
        {"value 13 1 2 3 4 5" + Blank, "error the line must be 0 to 12"},
    });
}

TEST(ProbeRequests, MoveTellsWhatTheComputerPlayerDoes) {
    const std::string onlyAcesAndChanceOpen = " -1 6 9 12 15 18 20 20 25 30 40 50 -1";
    ExpectAnswers({
        {"move 1 1 1 2 3 4 6" + Blank, "ok reroll 5"},
        {"move 1 3 1 2 3 4 6" + Blank, "ok score 9"},
        {"move 1 3 5 5 5 2 1" + Blank, "ok score 4"},
        {"move 1 1 2 2 4 4 6" + Blank, "ok reroll 1 2 5"},
        {"move 1 3 1 1 2 3 5" + Blank, "ok score 12"},
        {"move 13 3 1 1 1 2 3" + onlyAcesAndChanceOpen, "ok score 0"},
        {"move 13 3 6 6 5 4 3" + onlyAcesAndChanceOpen, "ok score 12"},
        {"move 0 1 1 2 3 4 6" + Blank, "error the turn must be 1 to 13"},
        {"move 1 4 1 2 3 4 6" + Blank, "error the roll must be 1 to 3"},
    });
    const std::string full = " 1 2 3 4 5 6 7 8 9 10 11 12 13";
    for (const char* roll : {"1", "2", "3"}) {
        ExpectAnswers({{"move 13 " + std::string(roll) + " 1 2 3 4 5" + full, "error no line is open"}});
    }
}

TEST(ProbeRequests, EstimatesMatchTheirKnownValues) {
    struct TEstimate {
        std::string Request;
        double Value;
    };
    for (const auto& [request, value] : std::vector<TEstimate>{
             {"face 2 4 1", 0.3581},
             {"kind 3 1 1", 0.5529},
             {"fullhouse 1 0 1", 0.3633},
             {"fullhouse 3 1 1", 11.0 / 18},
             {"straight 2 1 1 3", 1.2724},
         }) {
        const auto got = AnswerProbeRequest(request);
        ASSERT_TRUE(got.has_value());
        ASSERT_EQ(got->rfind("ok ", 0), 0U) << *got;
        EXPECT_NEAR(std::strtod(got->c_str() + 3, nullptr), value, 5e-5) << request;
    }
}

TEST(ProbeRequests, MalformedRequestsAreAnsweredWithAnError) {
    ExpectAnswers({
        {"roll 1 2 3", "error unknown request 'roll'"},
        {"face 1 2", "error face takes 3 numbers, not 2"},
        {"face 1 2 x", "error 'x' is not an integer"},
        {"face 1 2 1.5", "error '1.5' is not an integer"},
        {"face 1 2 99999999999", "error '99999999999' is out of the 32-bit integer range"},
        // Quoted input is cut short and its unprintable bytes escaped, a NUL included.
        {"face 1 2 " + std::string(100, '9'),
         "error '" + std::string(32, '9') + "...' is out of the 32-bit integer range"},
        {std::string("ab\0cd 1", 7), "error unknown request 'ab\\x00cd'"},
        {"\a\xC3\xA9 1", "error unknown request '\\x07\\xC3\\xA9'"},
        {"face 1 2 2", "error two must be 0 or 1"},
        {"analyse 0 1 2 3 4" + Blank, "error die 1 must show a face from 1 to 6"},
        {"value 1 1 2 3 4 5 -2 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1",
         "error line 0 must be -1 (open) or a score from 0 to 50"},
    });
    EXPECT_FALSE(AnswerProbeRequest("").has_value());
    EXPECT_FALSE(AnswerProbeRequest("  \t \r").has_value());
}

void ExpectAnswersStartWith(std::initializer_list<const char*> requests, const std::string& start) {
    for (const char* request : requests) {
        EXPECT_EQ(AnswerProbeRequest(request).value_or("").rfind(start, 0), 0U) << request;
    }
}

// Each argument at the edges of its meaning: inside, the request is answered; one step outside, or
// far outside where the arithmetic would wrap, it is refused.
TEST(ProbeRequests, ArgumentsAreAnsweredOnlyWithinTheirMeaning) {
    ExpectAnswersStartWith(
        {"face 0 0 1", "face 5 5 1", "face 3 2 1", "kind 3 0 1", "kind 5 5 1", "fullhouse 1 0 1",
         "fullhouse 3 1 1", "straight 1 1 1 1", "straight 5 5 0 3", "straight 5 1 1 3",
         "prob 5 2 1 1 1 0 0 0 0 0 0 0 0", "prob 5 2 1 1 1 0 0 0 6 6 6 6 6"},
        "ok ");
    ExpectAnswersStartWith({"face -1 5 1", "face 6 5 1", "face 1 -5 0", "face 1 6 0", "kind 2 1 1",
                            "kind 6 1 1", "kind 5 -1 1", "kind 5 6 0", "kind 5 2147483647 0",
                            "fullhouse 0 1 1", "fullhouse 4 0 0", "fullhouse 2147483647 0 1"},
                           "error ");
    ExpectAnswersStartWith(
        {"straight 0 1 1 1", "straight 6 1 1 1", "straight 3 0 1 1", "straight 2 3 0 1", "straight 3 2 1 0",
         "straight 3 2 1 4", "straight 5 5 1 2147483647", "straight 5 4 1 -2147483648",
         "prob 5 2 1 1 1 0 0 0 -1 1 1 1 1", "prob 5 2 1 1 1 0 0 0 1 7 1 1 1"},
        "error ");
}

// The solver's answers: the value of a new game, and every choice after a roll, best first, with
// the rerolls only while rolls are left.
TEST(ProbeRequests, HintsListEveryChoiceBestFirst) {
    ExpectAnswers({{"optimum", "ok 254.48645573020283"},
                   {"hint 1 1 1 1 1 1 1 2 3 4 5 6 7 8 9 10 11 12 13", "error the sheet has no open line"},
                   {"hint 4 1 2 3 4 5" + Blank, "error the roll must be 1, 2 or 3"},
                   {"hint 1 1 2 3 4 7" + Blank, "error die 5 must show a face from 1 to 6"}});
    const auto words = [](const std::string& request) {
        std::vector<std::string> list;
        std::istringstream in(*AnswerProbeRequest(request));
        for (std::string word; in >> word;) {
            list.push_back(word);
        }
        return list;
    };
    const std::vector<std::string> third = words("hint 3 1 1 2 3 4 -1 -1 -1 -1 -1 -1 -1 -1 -1 -1 0 -1 -1");
    EXPECT_EQ(third.size(), 1 + 3 * 12U) << "roll 3: the twelve open lines only";
    EXPECT_EQ(third[1] + third[2], "score9") << "the small straight";
    const std::vector<std::string> first = words("hint 1 6 6 6 6 6" + Blank);
    EXPECT_EQ(first.size(), 1 + 3 * (13 + 31U));
    EXPECT_EQ(first[1] + first[2], "score11") << "five sixes take the Quintix";
    for (std::size_t i = 3; i + 3 < first.size(); i += 3) {
        EXPECT_GE(std::stod(first[i]), std::stod(first[i + 3])) << "best first";
    }
    // Rerolling any one of five equal dice is the same choice, listed by die number.
    EXPECT_EQ(first[4] + first[5] + first[7] + first[8], "reroll1reroll2");
    EXPECT_EQ(first[6], first[9]);
}

}  // namespace
}  // namespace quintix
