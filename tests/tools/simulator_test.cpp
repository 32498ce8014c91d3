#include "tools/simulator.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "base/types.h"
#include "game/random_source.h"

namespace quintix {
namespace {

// The FNV-1a hash of the trace a run writes.
std::uint64_t TraceHash(const TSimOptions& options) {
    std::FILE* file = std::tmpfile();
    RunSimulation(options, file);
    std::rewind(file);
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) {
        hash = (hash ^ static_cast<std::uint64_t>(c)) * 0x100000001b3ULL;
    }
    std::fclose(file);
    return hash;
}

// A seed gives the same dice and the same games everywhere, byte for byte: a change to either must
// be deliberate.
TEST(Simulator, ASeedPlaysTheSameGamesEverywhere) {
    TSeededRandom random(42);
    std::string faces;
    for (int i = 0; i < 12; ++i) {
        faces += static_cast<char>('1' + random.Next36() % NoOfFaces);
    }
    EXPECT_EQ(faces, "165516535655");
    EXPECT_EQ(TraceHash({3, 2, 2, 42}), 0x83a353602f445d3aULL);
}

TEST(Simulator, TheFiguresDescribeTheGamesPlayed) {
    const TSimStats stats = RunSimulation({1, 1, 300, 5}, nullptr);
    EXPECT_EQ(stats.Games, 300);
    EXPECT_TRUE(0 <= stats.Min && stats.Min <= stats.Mean && stats.Mean <= stats.Max) << stats.Mean;
    EXPECT_GT(stats.StdDev, 0);
    // A computer player that aims for its lines does far better than chance scoring, and fills the
    // upper section for its bonus in a good share of games.
    EXPECT_GT(stats.Mean, 150);
    EXPECT_GT(stats.UpperBonusShare, 0.1);
    EXPECT_GT(stats.QuintixShare, 0.1);
    EXPECT_LE(stats.UpperBonusShare, 1.0);
}

}  // namespace
}  // namespace quintix
