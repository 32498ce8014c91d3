#include "computer/estimates.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "computer/combination.h"

namespace quintix {
namespace {

// The worked values are given to four decimals.
constexpr double Shown = 5e-5;
constexpr double Exact = 1e-12;

struct TKnownValue {
    const char* Name;
    std::function<double()> Estimate;
    double Expected;
    double Tolerance;
};

TEST(EstimatesTest, KnownValues) {
    const std::vector<TKnownValue> cases = {
        {"FaceChance(2, 4, true)", [] { return FaceChance(2, 4, true); }, 0.3581, Shown},
        {"FaceChance(3, 5, true)", [] { return FaceChance(3, 5, true); }, 0.1705, Shown},
        {"KindChance(3, 1, true)", [] { return KindChance(3, 1, true); }, 0.5529, Shown},
        {"KindChance(4, 1, true)", [] { return KindChance(4, 1, true); }, 0.1348, Shown},
        {"KindChance(3, 2, true)", [] { return KindChance(3, 2, true); }, 0.6914, Shown},
        {"KindChance(3, 2, false)", [] { return KindChance(3, 2, false); }, 4.0 / 9, Exact},
        {"KindChance(5, 4, false)", [] { return KindChance(5, 4, false); }, 1.0 / 6, Exact},
        {"FullHouseChance(1, false, false)", [] { return FullHouseChance(1, false, false); }, 50.0 / 1296,
         Exact},
        {"FullHouseChance(3, false, false)", [] { return FullHouseChance(3, false, false); }, 5.0 / 36,
         Exact},
        // 0.4083 here would mean Needed[3..5] were not left cleared by the engine.
        {"FullHouseChance(1, false, true)", [] { return FullHouseChance(1, false, true); }, 0.3633, Shown},
        {"FullHouseChance(2, false, true)", [] { return FullHouseChance(2, false, true); }, 0.4270, Shown},
        {"FullHouseChance(3, false, true)", [] { return FullHouseChance(3, false, true); }, 0.3356, Shown},
        {"FullHouseChance(2, true, false)", [] { return FullHouseChance(2, true, false); }, 1.0 / 3, Exact},
        // The miss weighs 5/6, not 2/3: 11/18 rather than 5/9.
        {"FullHouseChance(1, true, true)", [] { return FullHouseChance(1, true, true); }, 11.0 / 18, Exact},
        {"FullHouseChance(2, true, true)", [] { return FullHouseChance(2, true, true); }, 11.0 / 18, Exact},
        {"FullHouseChance(3, true, true)", [] { return FullHouseChance(3, true, true); }, 11.0 / 18, Exact},
        {"StraightChance(1, 1, true, 2)", [] { return StraightChance(1, 1, true, 2); }, 11.0 / 18, Exact},
        {"StraightChance(2, 1, false, 2)", [] { return StraightChance(2, 1, false, 2); }, 5.0 / 9, Exact},
        {"StraightChance(2, 1, true, 2)", [] { return StraightChance(2, 1, true, 2); }, 0.8951, Shown},
        {"StraightChance(4, 4, true, 2)", [] { return StraightChance(4, 4, true, 2); }, 0.2478, Shown},
        {"StraightChance(2, 1, true, 3)", [] { return StraightChance(2, 1, true, 3); }, 1.2724, Shown},
        // Settled without the engine, which would refuse 99 dice.
        {"FaceChance(0, 99, true)", [] { return FaceChance(0, 99, true); }, 1.0, 0},
        {"FaceChance(4, 3, true)", [] { return FaceChance(4, 3, true); }, 0.0, 0},
        {"FaceChance(1, -1, false)", [] { return FaceChance(1, -1, false); }, 0.0, 0},
        {"KindChance(3, 3, true)", [] { return KindChance(3, 3, true); }, 1.0, 0},
        {"KindChance(5, 99, false)", [] { return KindChance(5, 99, false); }, 1.0, 0},
    };
    for (const TKnownValue& c : cases) {
        EXPECT_NEAR(c.Estimate(), c.Expected, c.Tolerance) << c.Name;
    }
}

TEST(EstimatesTest, RefusesArgumentsBeyondThePatterns) {
    constexpr std::int32_t Lowest = std::numeric_limits<std::int32_t>::min();
    const std::vector<std::pair<std::function<double()>, std::string>> cases = {
        {[] { return FaceChance(13, 13, false); }, "At most 12 dice can be counted"},
        {[] { return KindChance(6, 1, true); }, "Too many dice in combination"},
        {[] { return KindChance(3, Lowest, true); }, "At most 12 dice can be counted"},
        {[] { return FullHouseChance(Lowest, false, true); }, "At most 12 dice can be counted"},
        {[] { return FullHouseChance(0, false, true); }, "Number of groups must be 1 to 5"},
        {[] { return StraightChance(6, 5, true, 2); }, "A straight can be estimated for at most 5 dice"},
        {[] { return StraightChance(3, 0, true, 2); }, "Number of groups must be 1 to 5"},
    };
    for (const auto& [estimate, message] : cases) {
        try {
            estimate();
            ADD_FAILURE() << "estimated: " << message;
        } catch (const ECombinationError& error) {
            EXPECT_EQ(error.what(), message);
        }
    }
}

double Binomial(std::int32_t n, std::int32_t k) {
    double value = 1.0;
    for (std::int32_t i = 1; i <= k; ++i) {
        value = value * (n - k + i) / i;
    }
    return value;
}

// The chance that at least n of r dice succeed, each on its own with chance p.
double AtLeast(std::int32_t n, std::int32_t r, double p) {
    double chance = 0.0;
    for (std::int32_t k = n; k <= r; ++k) {
        double term = Binomial(r, k);
        for (std::int32_t i = 0; i < r; ++i) {
            term *= i < k ? p : 1 - p;
        }
        chance += term;
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
    std::int32_t outcomes = 1;
    for (std::int32_t die = 0; die < rolled; ++die) {
        outcomes *= 6;
    }
    std::int32_t hits = 0;
    for (std::int32_t outcome = 0; outcome < outcomes; ++outcome) {
        std::array<std::int32_t, 7> faces{};
        faces[1] = kept;
        for (std::int32_t rest = outcome, die = 0; die < rolled; ++die, rest /= 6) {
            ++faces[static_cast<std::size_t>(rest % 6 + 1)];
        }
        hits += wanted(faces) ? 1 : 0;
    }
    return static_cast<double>(hits) / outcomes;
}

// With one roll left the kind and full house estimates are true chances of the final hand.
TEST(EstimatesTest, OneRollKindAndFullHouseMatchEveryRoll) {
    for (std::int32_t t = 3; t <= 5; ++t) {
        for (std::int32_t kept = 1; kept < t; ++kept) {
            const double expected =
                ChanceOfRoll(5 - kept, kept, [t](const std::array<std::int32_t, 7>& faces) {
                    for (const std::int32_t count : faces) {
                        if (count >= t) {
                            return true;
                        }
                    }
                    return false;
                });
            EXPECT_NEAR(KindChance(t, kept, false), expected, Exact)
                << t << " of a kind, " << kept << " kept";
        }
    }
    for (std::int32_t kept = 1; kept <= 3; ++kept) {
        const double expected = ChanceOfRoll(5 - kept, kept, [](const std::array<std::int32_t, 7>& faces) {
            bool three = false;
            bool two = false;
            for (const std::int32_t count : faces) {
                three = three || count == 3;
                two = two || count == 2;
            }
            return three && two;
        });
        EXPECT_NEAR(FullHouseChance(kept, false, false), expected, Exact) << kept << " kept";
    }
}

// With one roll left and one way, the straight estimate is the chance that n dice show g given faces.
TEST(EstimatesTest, OneRollStraightMatchesEveryRoll) {
    for (std::int32_t n = 1; n <= 5; ++n) {
        for (std::int32_t g = 1; g <= n; ++g) {
            const double expected = ChanceOfRoll(n, 0, [g](const std::array<std::int32_t, 7>& faces) {
                for (std::size_t face = 1; face <= static_cast<std::size_t>(g); ++face) {
                    if (faces[face] == 0) {
                        return false;
                    }
                }
                return true;
            });
            EXPECT_NEAR(StraightChance(n, g, false, 1), expected, Exact) << g << " faces in " << n << " dice";
        }
    }
}

}  // namespace
}  // namespace quintix
