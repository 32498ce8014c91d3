#include "computer/estimates.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "computer/combination.h"
#include "computer/estimate_cache.h"
#include "tests/scoring/scoring_fixtures.h"

namespace quintix {
namespace {

// The worked values are given to four decimals.
constexpr double Shown = 5e-5;
constexpr double Exact = 1e-12;

TEST(EstimatesTest, KnownValues) {
    const struct {
        const char* Name;
        double Estimate;
        double Expected;
        double Tolerance;
    } cases[] = {
        {"FaceChance(2, 4, true)", FaceChance(2, 4, true), 0.3581, Shown},
        {"FaceChance(3, 5, true)", FaceChance(3, 5, true), 0.1705, Shown},
        {"KindChance(3, 1, true)", KindChance(3, 1, true), 0.5529, Shown},
        {"KindChance(4, 1, true)", KindChance(4, 1, true), 0.1348, Shown},
        {"KindChance(3, 2, true)", KindChance(3, 2, true), 0.6914, Shown},
        {"KindChance(5, 4, false)", KindChance(5, 4, false), 1.0 / 6, Exact},
        {"FullHouseChance(1, false, false)", FullHouseChance(1, false, false), 50.0 / 1296, Exact},
        {"FullHouseChance(3, false, false)", FullHouseChance(3, false, false), 5.0 / 36, Exact},
        // 0.4083 here would mean Needed[3..5] were not left cleared by the engine.
        {"FullHouseChance(1, false, true)", FullHouseChance(1, false, true), 0.3633, Shown},
        {"FullHouseChance(2, false, true)", FullHouseChance(2, false, true), 0.4270, Shown},
        {"FullHouseChance(3, false, true)", FullHouseChance(3, false, true), 0.3356, Shown},
        // The miss weighs 5/6, not 2/3: 11/18 rather than 5/9.
        {"FullHouseChance(1, true, true)", FullHouseChance(1, true, true), 11.0 / 18, Exact},
        {"FullHouseChance(2, true, true)", FullHouseChance(2, true, true), 11.0 / 18, Exact},
        {"FullHouseChance(3, true, true)", FullHouseChance(3, true, true), 11.0 / 18, Exact},
        {"StraightChance(1, 1, true, 2)", StraightChance(1, 1, true, 2), 11.0 / 18, Exact},
        {"StraightChance(2, 1, false, 2)", StraightChance(2, 1, false, 2), 5.0 / 9, Exact},
        {"StraightChance(2, 1, true, 2)", StraightChance(2, 1, true, 2), 0.8951, Shown},
        {"StraightChance(4, 4, true, 2)", StraightChance(4, 4, true, 2), 0.2478, Shown},
        {"StraightChance(2, 1, true, 3)", StraightChance(2, 1, true, 3), 1.2724, Shown},
        // Settled without the engine, which would refuse 99 dice.
        {"FaceChance(0, 99, true)", FaceChance(0, 99, true), 1.0, 0},
        {"FaceChance(4, 3, true)", FaceChance(4, 3, true), 0.0, 0},
        {"KindChance(5, 99, false)", KindChance(5, 99, false), 1.0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(c.Estimate, c.Expected, c.Tolerance) << c.Name;
    }
}

// The chance that at least n of r dice succeed, each on its own with chance p.
double AtLeast(std::int32_t n, std::int32_t r, double p) {
    double chance = 0.0;
    for (unsigned hits = 0; hits < (1U << r); ++hits) {
        const int k = std::popcount(hits);
        chance += k >= n ? std::pow(p, k) * std::pow(1 - p, r - k) : 0.0;
    }
    return chance;
}

// Keeping every die of the face and rolling the others once more, each die shows the face within two
// rolls with chance 1 - (5/6)^2 = 11/36, independently of the others.
TEST(EstimatesTest, FaceChanceIsBinomial) {
    for (std::int32_t r = 0; r <= 5; ++r) {
        for (std::int32_t n = 0; n <= r; ++n) {
            EXPECT_NEAR(FaceChance(n, r, false), AtLeast(n, r, 1.0 / 6), Exact) << n << " of " << r;
            EXPECT_NEAR(FaceChance(n, r, true), AtLeast(n, r, 11.0 / 36), Exact)
                << n << " of " << r << " in two";
        }
    }
}

// The chance, over every roll of `rolled` dice next to `kept` dice of face 1, that the dice satisfy
// `wanted` (given the count of each face 1..6).
template <typename Wanted>
double ChanceOfRoll(std::int32_t rolled, std::int32_t kept, Wanted wanted) {
    const std::vector<fixtures::TRoll> rolls = fixtures::AllRolls(rolled);
    return static_cast<double>(std::count_if(rolls.begin(), rolls.end(),
                                             [&](fixtures::TRoll roll) {
                                                 roll.Count[1] += kept;
                                                 return wanted(roll.Count);
                                             })) /
           static_cast<double>(rolls.size());
}

// With one roll left the kind, full house and one-way straight estimates are true chances of the hand.
TEST(EstimatesTest, OneRollEstimatesMatchEveryRoll) {
    using TCount = std::array<int, 7>;
    for (std::int32_t kept = 1; kept <= 4; ++kept) {
        for (std::int32_t t = std::max(3, kept + 1); t <= 5; ++t) {
            const auto kind = [t](const TCount& f) { return *std::max_element(f.begin(), f.end()) >= t; };
            EXPECT_NEAR(KindChance(t, kept, false), ChanceOfRoll(5 - kept, kept, kind), Exact)
                << t << " " << kept;
        }
        const auto fullHouse = [](const TCount& f) {
            return std::count(f.begin(), f.end(), 3) == 1 && std::count(f.begin(), f.end(), 2) == 1;
        };
        if (kept <= 3) {
            EXPECT_NEAR(FullHouseChance(kept, false, false), ChanceOfRoll(5 - kept, kept, fullHouse), Exact)
                << kept;
        }
    }
    for (std::int32_t n = 1; n <= 5; ++n) {
        for (std::int32_t g = 1; g <= n; ++g) {
            const auto straight = [g](const TCount& f) {
                return std::count(f.begin() + 1, f.begin() + 1 + g, 0) == 0;
            };
            EXPECT_NEAR(StraightChance(n, g, false, 1), ChanceOfRoll(n, 0, straight), Exact)
                << g << " in " << n;
        }
    }
}

// Every argument the tables hold, and a margin around them where the call must be passed on: the
// figures must be the estimators' to the last bit, and so must the refusals.
TEST(EstimatesTest, CachedFiguresAreTheEstimatorsBitForBit) {
    const auto same = [](auto cached, auto direct, auto... args) {
        const auto outcome = [&](auto estimate) -> std::string {
            try {
                return std::to_string(std::bit_cast<std::uint64_t>(estimate(args...)));
            } catch (const ECombinationError& error) {
                return error.what();
            }
        };
        EXPECT_EQ(outcome(cached), outcome(direct)) << ::testing::PrintToString(std::tuple(args...));
    };
    for (const bool two : {false, true}) {
        for (std::int32_t a = -1; a <= 6; ++a) {
            for (std::int32_t b = -1; b <= 6; ++b) {
                same(&CachedFaceChance, &FaceChance, a, b, two);
                same(&CachedKindChance, &KindChance, a, b, two);
                for (std::int32_t m = 0; m <= 4; ++m) {
                    same(&CachedStraightChance, &StraightChance, a, b, two, m);
                }
            }
            for (const bool pairs : {false, true}) {
                same(&CachedFullHouseChance, &FullHouseChance, a, pairs, two);
            }
        }
    }
}

}  // namespace
}  // namespace quintix
