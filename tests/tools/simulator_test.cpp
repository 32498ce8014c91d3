#include "tools/simulator.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace quintix {
namespace {

std::string Trace(const TSimOptions& options, TSimStats* stats = nullptr) {
    std::FILE* file = std::tmpfile();
    const TSimStats result = RunSimulation(options, file);
    if (stats != nullptr) {
        *stats = result;
    }
    std::rewind(file);
    std::string text;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        text.append(buffer, n);
    }
    std::fclose(file);
    return text;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// A strict reader of the JSON the trace may hold: objects, arrays, strings without escapes and
// integers. Returns false on anything else.
class TJsonCheck {
public:
    explicit TJsonCheck(const std::string& text) : Text(text) {}
    bool Valid() { return Value() && Pos == Text.size(); }

private:
    bool Value() {
        if (Pos >= Text.size()) {
            return false;
        }
        const char c = Text[Pos];
        if (c == '{') {
            return Sequence('}', [this] { return String() && Expect(':') && Value(); });
        }
        if (c == '[') {
            return Sequence(']', [this] { return Value(); });
        }
        if (c == '"') {
            return String();
        }
        return Number();
    }
    template <typename F>
    bool Sequence(char close, F item) {
        ++Pos;
        if (Pos < Text.size() && Text[Pos] == close) {
            ++Pos;
            return true;
        }
        do {
            if (!item()) {
                return false;
            }
        } while (Pos < Text.size() && Text[Pos] == ',' && ++Pos);
        return Expect(close);
    }
    bool String() {
        if (!Expect('"')) {
            return false;
        }
        while (Pos < Text.size() && Text[Pos] != '"' && Text[Pos] != '\\') {
            ++Pos;
        }
        return Expect('"');
    }
    bool Number() {
        const std::size_t start = Pos;
        if (Pos < Text.size() && Text[Pos] == '-') {
            ++Pos;
        }
        while (Pos < Text.size() && std::isdigit(static_cast<unsigned char>(Text[Pos])) != 0) {
            ++Pos;
        }
        return Pos > start && std::isdigit(static_cast<unsigned char>(Text[Pos - 1])) != 0;
    }
    bool Expect(char c) {
        if (Pos < Text.size() && Text[Pos] == c) {
            ++Pos;
            return true;
        }
        return false;
    }

    const std::string& Text;
    std::size_t Pos = 0;
};

std::string Event(const std::string& line) {
    const auto start = line.find("\"ev\":\"") + 6;
    return line.substr(start, line.find('"', start) - start);
}

TEST(Simulator, TheTraceIsJsonLinesInTheOrderOfPlay) {
    TSimStats stats;
    const std::vector<std::string> lines = Lines(Trace({3, 2, 2, 99}, &stats));
    ASSERT_FALSE(lines.empty());
    std::map<std::string, int> counts;
    for (const std::string& line : lines) {
        EXPECT_TRUE(TJsonCheck(line).Valid()) << line;
        ++counts[Event(line)];
    }
    EXPECT_EQ(lines.front(), R"({"ev":"series","players":3,"games":2})");
    EXPECT_EQ(Event(lines.back()), "end");
    EXPECT_EQ(counts["series"], 2);
    EXPECT_EQ(counts["end"], 2);
    EXPECT_EQ(counts["order"], 2 * 2);
    EXPECT_EQ(counts["score"], 2 * 2 * 3 * 13);
    EXPECT_EQ(counts["roll"], counts["score"] + counts["reroll"] + 2 * 3) << "rolls for order included";
    EXPECT_EQ(lines[1].rfind(R"({"ev":"roll","game":0,"turn":13,"player":1,"roll":0,"dice":[)", 0), 0U)
        << lines[1];
    EXPECT_EQ(stats.Games, 2 * 2 * 3);
}

TEST(Simulator, TheSameSeedPlaysTheSameGamesByteForByte) {
    const std::string first = Trace({2, 1, 3, 12345});
    EXPECT_EQ(first, Trace({2, 1, 3, 12345}));
    EXPECT_NE(first, Trace({2, 1, 3, 12346}));
}

TEST(Simulator, TheFiguresDescribeTheGamesPlayed) {
    const TSimStats stats = RunSimulation({1, 1, 300, 5}, nullptr);
    EXPECT_EQ(stats.Games, 300);
    EXPECT_LE(stats.Min, stats.Mean);
    EXPECT_LE(stats.Mean, stats.Max);
    EXPECT_GE(stats.Min, 0);
    EXPECT_GT(stats.StdDev, 0);
    // A computer player that aims for its lines does far better than chance scoring, and fills
    // the upper section for its bonus in a good share of games.
    EXPECT_GT(stats.Mean, 150);
    EXPECT_GT(stats.UpperBonusShare, 0.1);
    EXPECT_GT(stats.QuintixShare, 0.1);
    EXPECT_LE(stats.UpperBonusShare, 1.0);
}

}  // namespace
}  // namespace quintix
