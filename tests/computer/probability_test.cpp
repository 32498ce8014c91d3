// The probability engine, and the estimators built on it.
#include "computer/combination.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "computer/estimate_cache.h"
#include "computer/estimates.h"
#include "tests/scoring/scoring_fixtures.h"

namespace quintix {
namespace {

using TGroups = std::array<std::int32_t, 5>;

struct TPattern {
    std::int32_t Rolled;
    bool RandomInclusive;
    std::int32_t NoOfGroups;
    TGroups Needed;
    TGroups PossibleValues;
};

TCombination Make(const TPattern& pattern) {
    TCombination combination;
    combination.Rolled = pattern.Rolled;
    combination.RandomInclusive = pattern.RandomInclusive;
    combination.NoOfGroups = pattern.NoOfGroups;
    combination.Needed.Items = pattern.Needed;
    combination.PossibleValues.Items = pattern.PossibleValues;
    return combination;
}

// The patterns the count over every outcome below does not reach: a face other than the first
// counted at least, a group with no faces, and more dice than five.
TEST(CombinationTest, KnownCountsAreExact) {
    // What, the pattern, and the count of its outcomes.
    const std::tuple<const char*, TPattern, double> cases[] = {
        {"at least three of a kind", {5, true, 1, {3}, {6}}, 1656},
        {"group with dice but no faces", {5, true, 1, {3}, {0}}, 0},
        // The walk over partitions of eight free dice stops at (3,1,1,1,1,1), so (2,2,2,2) and the
        // others after it are missing: about 0.1951, not (5/6)^8.
        {"eight dice stop at too many parts", {8, false, 1, {0}, {1}}, 327625},
    };
    for (const auto& [name, pattern, count] : cases) {
        EXPECT_EQ(Make(pattern).Probability(), count / std::pow(6.0, pattern.Rolled)) << name;
    }
    for (const auto& [n, factorial] : {std::pair{-5, 1}, {0, 1}, {1, 1}, {12, 479001600}}) {
        EXPECT_EQ(Factorial(n), factorial) << n;
    }
}

// Every refusal of the engine, and of the estimators where their own arithmetic would overflow first.
TEST(CombinationTest, RefusesWhatItCannotCountExactly) {
    constexpr std::int32_t Big = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t Lowest = std::numeric_limits<std::int32_t>::min();
    const auto count = [](const TPattern& pattern) {
        return [pattern] { return Make(pattern).Probability(); };
    };
    const std::string tooLarge = "The number of outcomes is too large to count in 32-bit integers";
    const std::pair<std::function<double()>, std::string> cases[] = {
        {count({5, false, 2, {3, 3}, {6, 5}}), "Too many dice in combination"},
        {count({4, true, 2, {Big, Big}, {1, 1}}), "Too many dice in combination"},
        {count({5, false, 6, {1, 2, 3, 4, 5}, {1}}), "Number of groups must be 1 to 5"},
        // Checked before the clearing, which would write far outside Needed.
        {count({5, false, -Big, {1}, {1}}), "Number of groups must be 1 to 5"},
        {count({-1, false, 1, {0}, {1}}), "Number of dice rolled must not be negative"},
        {count({5, true, 2, {1, -1}, {1, 1}}), "Dice needed by a group must not be negative"},
        {count({13, false, 1, {13}, {1}}), "At most 12 dice can be counted"},
        {count({12, false, 1, {0}, {1}}), tooLarge},
        {count({2, false, 1, {2}, {Big}}), tooLarge},
        {[] { return Factorial(13); }, "The factorial of a number above 12 does not fit in 32-bit integers"},
        {[] { return KindChance(6, 1, true); }, "Too many dice in combination"},
        {[] { return KindChance(3, Lowest, true); }, "At most 12 dice can be counted"},
        {[] { return FullHouseChance(Lowest, false, true); }, "At most 12 dice can be counted"},
        {[] { return FullHouseChance(0, false, true); }, "Number of groups must be 1 to 5"},
        {[] { return StraightChance(6, 5, true, 2); }, "A straight can be estimated for at most 5 dice"},
    };
    for (const auto& [call, message] : cases) {
        try {
            call();
            ADD_FAILURE() << "counted: " << message;
        } catch (const ECombinationError& error) {
            EXPECT_EQ(error.what(), message);
        }
    }
}

// Every Needed vector of g groups with at most n dice in all.
template <typename Visit>
void ForEachNeeded(std::int32_t n, std::int32_t g, Visit visit) {
    TGroups needed{};
    auto fill = [&](auto& self, std::int32_t group, std::int32_t left) -> void {
        if (group == g) {
            visit(needed);
            return;
        }
        for (std::int32_t dice = 0; dice <= left; ++dice) {
            needed[static_cast<std::size_t>(group)] = dice;
            self(self, group + 1, left - dice);
        }
    };
    fill(fill, 0, n);
}

// With one face per group, group i stands for face i: the count is that of the outcomes with exactly
// (or at least) Needed[i] dice of face i. With faces 6, 5, 4, ... per group, the groups are distinct:
// an outcome counts once for every way of giving the groups different faces showing the needed dice.
TEST(CombinationTest, AgreesWithEveryOutcomeUpToFiveDice) {
    for (std::int32_t n = 0; n <= 5; ++n) {
        const std::vector<fixtures::TRoll> rolls = fixtures::AllRolls(n);
        for (std::int32_t g = 1; g <= 5; ++g) {
            ForEachNeeded(n, g, [&](const TGroups& needed) {
                // Groups of no dice take no faces of their own to tell apart.
                const bool allHeld = *std::min_element(needed.begin(), needed.begin() + g) > 0;
                std::int32_t atLeast = 0;
                std::int32_t exactly = 0;
                std::int32_t distinct = 0;
                for (const auto& [dice, faces] : rolls) {
                    bool all = true;
                    bool each = true;
                    for (std::size_t i = 0; i < static_cast<std::size_t>(g); ++i) {
                        all = all && faces[i + 1] >= needed[i];
                        each = each && faces[i + 1] == needed[i];
                    }
                    atLeast += all ? 1 : 0;
                    exactly += each ? 1 : 0;
                    // Groups of one size take, in order, distinct faces showing that many dice.
                    std::int32_t ways = allHeld ? 1 : 0;
                    for (std::int32_t size = 1; allHeld && size <= n; ++size) {
                        const auto shown = std::count(faces.begin() + 1, faces.end(), size);
                        for (auto groups = std::count(needed.begin(), needed.begin() + g, size); groups > 0;
                             --groups) {
                            ways *= static_cast<std::int32_t>(shown - groups + 1);
                        }
                    }
                    distinct += ways;
                }
                const double outcomes = std::pow(6.0, n);
                const std::string where =
                    std::to_string(n) + " dice, needed " + ::testing::PrintToString(needed);
                EXPECT_EQ(Make({n, true, g, needed, {1, 1, 1, 1, 1}}).Probability(), atLeast / outcomes)
                    << where;
                EXPECT_EQ(Make({n, false, g, needed, {1, 1, 1, 1, 1}}).Probability(), exactly / outcomes)
                    << where;
                if (allHeld) {
                    EXPECT_EQ(Make({n, false, g, needed, {6, 5, 4, 3, 2}}).Probability(), distinct / outcomes)
                        << where;
                }
            });
        }
    }
}

// The worked values are given to four decimals; those the comparisons with every roll below reach
// are left to them.
constexpr double Shown = 5e-5;
constexpr double Exact = 1e-12;

TEST(EstimatesTest, KnownValues) {
    EXPECT_NEAR(KindChance(3, 1, true), 0.5529, Shown);
    EXPECT_NEAR(KindChance(4, 1, true), 0.1348, Shown);
    EXPECT_NEAR(KindChance(3, 2, true), 0.6914, Shown);
    // 0.4083 here would mean Needed[3..5] were not left cleared by the engine.
    EXPECT_NEAR(FullHouseChance(1, false, true), 0.3633, Shown);
    EXPECT_NEAR(FullHouseChance(2, false, true), 0.4270, Shown);
    EXPECT_NEAR(FullHouseChance(3, false, true), 0.3356, Shown);
    // The miss weighs 5/6, not 2/3: 11/18 rather than 5/9.
    EXPECT_NEAR(FullHouseChance(1, true, true), 11.0 / 18, Exact);
    EXPECT_NEAR(FullHouseChance(2, true, true), 11.0 / 18, Exact);
    EXPECT_NEAR(FullHouseChance(3, true, true), 11.0 / 18, Exact);
    EXPECT_NEAR(StraightChance(1, 1, true, 2), 11.0 / 18, Exact);
    EXPECT_NEAR(StraightChance(2, 1, false, 2), 5.0 / 9, Exact);
    EXPECT_NEAR(StraightChance(2, 1, true, 2), 0.8951, Shown);
    EXPECT_NEAR(StraightChance(4, 4, true, 2), 0.2478, Shown);
    EXPECT_NEAR(StraightChance(2, 1, true, 3), 1.2724, Shown);
    // Settled without the engine, which would refuse 99 dice.
    EXPECT_EQ(FaceChance(0, 99, true), 1.0);
    EXPECT_EQ(FaceChance(4, 3, true), 0.0);
    EXPECT_EQ(KindChance(5, 99, false), 1.0);
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
