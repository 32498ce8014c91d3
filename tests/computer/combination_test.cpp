#include "computer/combination.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace quintix {
namespace {

struct TPattern {
    std::int32_t Rolled;
    bool RandomInclusive;
    std::int32_t NoOfGroups;
    std::array<std::int32_t, 5> Needed;
    std::array<std::int32_t, 5> PossibleValues;
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

double SixPower(std::int32_t n) {
    double power = 1.0;
    for (std::int32_t i = 0; i < n; ++i) {
        power *= 6.0;
    }
    return power;
}

TEST(CombinationTest, KnownCountsAreExact) {
    struct TCase {
        const char* Name;
        TPattern Pattern;
        double Count;
    };
    const std::vector<TCase> cases = {
        {"one six with one die", {1, true, 1, {1}, {1}}, 1},
        {"full house in one roll", {5, false, 2, {3, 2}, {6, 5}}, 300},
        {"at least three of a kind", {5, true, 1, {3}, {6}}, 1656},
        {"exactly three of a kind", {5, false, 1, {3}, {6}}, 1500},
        {"no six among two dice", {2, false, 1, {0}, {1}}, 25},
        {"no dice rolled", {0, false, 1, {0}, {1}}, 1},
        {"any face of one die", {1, true, 1, {0}, {1}}, 6},
        {"two pairs counted twice", {5, false, 2, {2, 2}, {6, 5}}, 3600},
        {"group with dice but no faces", {5, true, 1, {3}, {0}}, 0},
        {"negative faces give negative counts", {1, true, 1, {1}, {-2}}, -2},
        // The walk over partitions of eight free dice stops at (3,1,1,1,1,1), so (2,2,2,2) and the
        // other partitions after it are missing: not 5^8 = 390625.
        {"eight dice stop at too many parts", {8, false, 1, {0}, {1}}, 327625},
        // Each free die then has one face left, and together the patterns cover every outcome.
        {"twelve dice in five empty groups", {12, true, 5, {0, 0, 0, 0, 0}, {1, 1, 1, 1, 1}}, 2176782336.0},
    };
    for (const TCase& c : cases) {
        TCombination combination = Make(c.Pattern);
        EXPECT_EQ(combination.Probability(), c.Count / SixPower(c.Pattern.Rolled)) << c.Name;
    }
    EXPECT_NEAR(Make(cases[10].Pattern).Probability(), 0.1951, 5e-5);
}

TEST(CombinationTest, ClearsNeededBeyondGroupsEvenWhenRefusing) {
    TCombination counted = Make({5, false, 2, {1, 1, 4, 4, 4}, {1, 1, 1, 1, 1}});
    counted.Probability();
    EXPECT_EQ(counted.Needed.Items, (std::array<std::int32_t, 5>{1, 1, 0, 0, 0}));

    TCombination refused = Make({5, false, 2, {3, 3, 1, 1, 1}, {6, 5, 1, 1, 1}});
    try {
        refused.Probability();
        ADD_FAILURE() << "three and three dice out of five were counted";
    } catch (const ECombinationError& error) {
        EXPECT_STREQ(error.what(), "Too many dice in combination");
    }
    EXPECT_EQ(refused.Needed.Items, (std::array<std::int32_t, 5>{3, 3, 0, 0, 0}));
}

TEST(CombinationTest, RefusesWhatItCannotCountExactly) {
    constexpr std::int32_t Big = std::numeric_limits<std::int32_t>::max();
    struct TCase {
        TPattern Pattern;
        const char* Message;
        std::array<std::int32_t, 5> NeededAfter;
    };
    const std::vector<TCase> cases = {
        {{2, false, 1, {3, 9, 9, 9, 9}, {1}}, "Too many dice in combination", {3, 0, 0, 0, 0}},
        {{5, false, 0, {1, 2, 3, 4, 5}, {1}}, "Number of groups must be 1 to 5", {1, 2, 3, 4, 5}},
        {{5, false, 6, {1, 2, 3, 4, 5}, {1}}, "Number of groups must be 1 to 5", {1, 2, 3, 4, 5}},
        {{5, false, -Big, {1}, {1}}, "Number of groups must be 1 to 5", {1, 0, 0, 0, 0}},
        {{-1, false, 1, {0, 7}, {1}}, "Number of dice rolled must not be negative", {0, 0, 0, 0, 0}},
        {{5, true, 2, {1, -1, 7}, {1, 1}}, "Dice needed by a group must not be negative", {1, -1, 0, 0, 0}},
        {{4, true, 2, {Big, Big}, {1, 1}}, "Too many dice in combination", {Big, Big, 0, 0, 0}},
        {{13, false, 1, {13}, {1}}, "At most 12 dice can be counted", {13, 0, 0, 0, 0}},
        {{Big, true, 1, {0}, {1}}, "At most 12 dice can be counted", {0, 0, 0, 0, 0}},
        {{12, false, 1, {0}, {1}}, "The number of outcomes is too large to count in 32-bit integers", {0}},
        {{2, false, 1, {2}, {Big}}, "The number of outcomes is too large to count in 32-bit integers", {2}},
        {{5, false, 2, {1, 1}, {1 << 16, 1 << 15}},
         "The number of outcomes is too large to count in 32-bit integers",
         {1, 1}},
    };
    for (const TCase& c : cases) {
        TCombination combination = Make(c.Pattern);
        try {
            combination.Probability();
            ADD_FAILURE() << "counted: " << c.Message;
        } catch (const ECombinationError& error) {
            EXPECT_EQ(std::string(error.what()), c.Message);
        }
        EXPECT_EQ(combination.Needed.Items, c.NeededAfter) << c.Message;
    }
}

// Every outcome of n dice, as counts per face 1..6.
template <typename Visit>
void ForEachOutcome(std::int32_t n, Visit visit) {
    std::array<std::int32_t, 7> faces{};
    std::int32_t outcomes = 1;
    for (std::int32_t die = 0; die < n; ++die) {
        outcomes *= 6;
    }
    for (std::int32_t outcome = 0; outcome < outcomes; ++outcome) {
        faces.fill(0);
        for (std::int32_t rest = outcome, die = 0; die < n; ++die, rest /= 6) {
            ++faces[static_cast<std::size_t>(rest % 6 + 1)];
        }
        visit(faces);
    }
}

// Every Needed vector of g groups, each entry from `least` up, with at most n dice in all.
template <typename Visit>
void ForEachNeeded(std::int32_t n, std::int32_t g, std::int32_t least, Visit visit) {
    std::array<std::int32_t, 5> needed{};
    auto fill = [&](auto& self, std::int32_t group, std::int32_t left) -> void {
        if (group == g) {
            visit(needed);
            return;
        }
        for (std::int32_t dice = least; dice <= left; ++dice) {
            needed[static_cast<std::size_t>(group)] = dice;
            self(self, group + 1, left - dice);
        }
    };
    fill(fill, 0, n);
}

// With one face allowed per group, group i stands for face i: the count is that of the outcomes with
// exactly (or at least) Needed[i] dice of face i.
TEST(CombinationTest, FixedFacesAgreeWithEveryOutcomeUpToFiveDice) {
    for (std::int32_t n = 0; n <= 5; ++n) {
        for (std::int32_t g = 1; g <= 5; ++g) {
            ForEachNeeded(n, g, 0, [&](const std::array<std::int32_t, 5>& needed) {
                for (const bool inclusive : {false, true}) {
                    std::int32_t matches = 0;
                    ForEachOutcome(n, [&](const std::array<std::int32_t, 7>& faces) {
                        bool match = true;
                        for (std::size_t i = 0; i < static_cast<std::size_t>(g); ++i) {
                            match =
                                match && (inclusive ? faces[i + 1] >= needed[i] : faces[i + 1] == needed[i]);
                        }
                        matches += match ? 1 : 0;
                    });
                    TCombination combination = Make({n, inclusive, g, needed, {1, 1, 1, 1, 1}});
                    EXPECT_EQ(combination.Probability(), matches / SixPower(n))
                        << n << " dice, " << g << " groups, inclusive " << inclusive;
                }
            });
        }
    }
}

// With faces 6, 5, 4, ... per group, the groups are distinct: an outcome counts once for every way
// of giving the groups different faces that show exactly the needed dice.
TEST(CombinationTest, DistinctGroupsAgreeWithEveryOutcomeUpToFiveDice) {
    for (std::int32_t n = 1; n <= 5; ++n) {
        for (std::int32_t g = 1; g <= n; ++g) {
            ForEachNeeded(n, g, 1, [&](const std::array<std::int32_t, 5>& needed) {
                std::int32_t matches = 0;
                ForEachOutcome(n, [&](const std::array<std::int32_t, 7>& faces) {
                    std::array<bool, 7> used{};
                    auto assign = [&](auto& self, std::size_t group) -> std::int32_t {
                        if (group == static_cast<std::size_t>(g)) {
                            return 1;
                        }
                        std::int32_t ways = 0;
                        for (std::size_t face = 1; face <= 6; ++face) {
                            if (!used[face] && faces[face] == needed[group]) {
                                used[face] = true;
                                ways += self(self, group + 1);
                                used[face] = false;
                            }
                        }
                        return ways;
                    };
                    matches += assign(assign, 0);
                });
                TCombination combination = Make({n, false, g, needed, {6, 5, 4, 3, 2}});
                EXPECT_EQ(combination.Probability(), matches / SixPower(n))
                    << n << " dice, " << g << " groups";
            });
        }
    }
}

TEST(CombinationTest, FactorialStopsAtTwelve) {
    const std::vector<std::array<std::int32_t, 2>> factorials = {{-5, 1}, {0, 1},   {1, 1},
                                                                 {2, 2},  {5, 120}, {12, 479001600}};
    for (const auto& [n, expected] : factorials) {
        EXPECT_EQ(Factorial(n), expected) << n;
    }
    EXPECT_THROW(Factorial(13), ECombinationError);
    EXPECT_THROW(Factorial(std::numeric_limits<std::int32_t>::max()), ECombinationError);
}

}  // namespace
}  // namespace quintix
