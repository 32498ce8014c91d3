#include "computer/combination.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <utility>
#include <vector>

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

// The worked examples, compared through the exact counts behind their four decimals.
TEST(CombinationTest, KnownCountsAreExact) {
    struct TCase {
        const char* Name;
        TPattern Pattern;
        double Count;
    };
    const TCase cases[] = {
        {"one six with one die", {1, true, 1, {1}, {1}}, 1},
        {"full house in one roll", {5, false, 2, {3, 2}, {6, 5}}, 300},
        {"at least three of a kind", {5, true, 1, {3}, {6}}, 1656},
        {"no six among two dice", {2, false, 1, {0}, {1}}, 25},
        {"no dice rolled", {0, false, 1, {0}, {1}}, 1},
        {"any face of one die", {1, true, 1, {0}, {1}}, 6},
        {"two pairs counted twice", {5, false, 2, {2, 2}, {6, 5}}, 3600},
        {"group with dice but no faces", {5, true, 1, {3}, {0}}, 0},
        // The walk over partitions of eight free dice stops at (3,1,1,1,1,1), so (2,2,2,2) and the
        // others after it are missing: about 0.1951, not (5/6)^8.
        {"eight dice stop at too many parts", {8, false, 1, {0}, {1}}, 327625},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(Make(c.Pattern).Probability(), c.Count / std::pow(6.0, c.Pattern.Rolled)) << c.Name;
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

}  // namespace
}  // namespace quintix
