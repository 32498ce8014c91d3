#include "computer/estimate_cache.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <sstream>
#include <string>

#include "computer/combination.h"
#include "computer/estimates.h"

namespace quintix {
namespace {

// What one estimator call gives: the exact bits of its double, or the engine's refusal.
template <typename... Args>
std::string Outcome(double (*estimate)(Args...), Args... args) {
    try {
        std::ostringstream text;
        text << std::hex << std::bit_cast<std::uint64_t>(estimate(args...));
        return text.str();
    } catch (const ECombinationError& error) {
        return std::string("refused: ") + error.what();
    }
}

template <typename... Args>
void ExpectSame(double (*cached)(Args...), double (*direct)(Args...), Args... args) {
    std::ostringstream call;
    ((call << args << ' '), ...);
    EXPECT_EQ(Outcome(cached, args...), Outcome(direct, args...)) << call.str();
}

// Every argument the tables hold, and a margin around them where the call must be passed on: the
// figures must be the estimators' to the last bit, and so must the refusals.
TEST(EstimateCacheTest, GivesTheEstimatorsFiguresBitForBit) {
    for (const bool two : {false, true}) {
        for (std::int32_t a = -1; a <= 6; ++a) {
            for (std::int32_t b = -1; b <= 6; ++b) {
                ExpectSame(&CachedFaceChance, &FaceChance, a, b, two);
                ExpectSame(&CachedKindChance, &KindChance, a, b, two);
                for (std::int32_t m = 0; m <= 4; ++m) {
                    ExpectSame(&CachedStraightChance, &StraightChance, a, b, two, m);
                }
            }
            for (const bool pairs : {false, true}) {
                ExpectSame(&CachedFullHouseChance, &FullHouseChance, a, pairs, two);
            }
        }
    }
}

}  // namespace
}  // namespace quintix
