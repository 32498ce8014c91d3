#include "computer/combination.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <limits>

#include "base/translatable.h"

namespace quintix {

namespace {

constexpr std::array<std::int32_t, MaxCountedDice + 1> Factorials = [] {
    std::array<std::int32_t, MaxCountedDice + 1> table{};
    table[0] = 1;
    for (std::size_t n = 1; n < table.size(); ++n) {
        table[n] = static_cast<std::int32_t>(n) * table[n - 1];
    }
    return table;
}();

// Only for 0 <= n <= MaxCountedDice, which the engine has made sure of before counting.
std::int32_t FactorialOf(std::int32_t n) {
    return Factorials[static_cast<std::size_t>(n)];
}

// The counts are 32-bit products. Each step is taken in 64 bits and refused when it leaves the
// 32-bit range, so no count wraps around and every one that fits is exact.
std::int32_t CheckedProduct(std::int32_t a, std::int32_t b) {
    const std::int64_t product = std::int64_t{a} * std::int64_t{b};
    if (product < std::numeric_limits<std::int32_t>::min() ||
        product > std::numeric_limits<std::int32_t>::max()) {
        throw ECombinationError(
            Translatable("Core", "The number of outcomes is too large to count in 32-bit integers"));
    }
    return static_cast<std::int32_t>(product);
}

using TGroupSizes = OneBased<std::int32_t, MaxGroups>;

// The free dice split into parts of equal faces, largest part first.
struct TPartition {
    OneBased<std::int32_t, MaxCountedDice> Parts{};
    int Count = 0;
};

// The outcomes of one pattern: group sizes plus one partition of the free dice. The steps keep this
// order and their truncating divisions: the computer player's estimates rest on exactly these counts.
std::int32_t PatternCount(const TCombination& pattern, const TGroupSizes& sizes, const TPartition& free) {
    const int groups = pattern.NoOfGroups;
    std::int32_t count = 1;
    for (int i = 1; i <= groups; ++i) {
        if (sizes[i] > 0) {
            count = CheckedProduct(count, pattern.PossibleValues[i]);
        }
    }
    for (int j = 1; j <= free.Count; ++j) {
        count = CheckedProduct(count, 7 - groups - j);
    }
    count = CheckedProduct(FactorialOf(pattern.Rolled), count);
    if (free.Count > 1) {
        int runStart = 1;
        while (runStart <= free.Count) {
            int runEnd = runStart;
            while (runEnd < free.Count && free.Parts[runEnd + 1] == free.Parts[runStart]) {
                ++runEnd;
            }
            count = count / FactorialOf(runEnd - runStart + 1);
            runStart = runEnd + 1;
        }
    }
    for (int i = 1; i <= groups; ++i) {
        if (sizes[i] > 0) {
            count = count / FactorialOf(sizes[i]);
        }
    }
    for (int j = 1; j <= free.Count; ++j) {
        count = count / FactorialOf(free.Parts[j]);
    }
    return count;
}

// Moves to the next partition in reverse lexicographic order; false after the last one (all ones).
bool NextPartition(TPartition& partition) {
    int last = partition.Count;
    while (last >= 1 && partition.Parts[last] < 2) {
        --last;
    }
    if (last < 1) {
        return false;
    }
    --partition.Parts[last];
    // Everything after the lowered part was ones, so this is what is left to hand out again.
    std::int32_t left = partition.Count - last + 1;
    partition.Count = last;
    while (left > 0) {
        const std::int32_t part = std::min(partition.Parts[partition.Count], left);
        ++partition.Count;
        partition.Parts[partition.Count] = part;
        left -= part;
    }
    return true;
}

// Moves to the next vector of extra dice per group, last group fastest, keeping the sum within
// freeDice; false after the last one.
bool NextExtra(TGroupSizes& extra, int groups, std::int32_t freeDice, std::int32_t& extraSum) {
    for (int i = groups; i >= 1; --i) {
        if (extraSum < freeDice) {
            ++extra[i];
            ++extraSum;
            return true;
        }
        extraSum -= extra[i];
        extra[i] = 0;
    }
    return false;
}

}  // namespace

std::int32_t Factorial(std::int32_t n) {
    if (n > MaxCountedDice) {
        throw ECombinationError(
            Translatable("Core", "The factorial of a number above 12 does not fit in 32-bit integers"));
    }
    return n <= 1 ? 1 : FactorialOf(n);
}

double TCombination::Probability() {
    // Checked before the clearing below, which would otherwise write outside Needed.
    if (NoOfGroups < 1 || NoOfGroups > MaxGroups) {
        throw ECombinationError(Translatable("Core", "Number of groups must be 1 to 5"));
    }
    const int groups = NoOfGroups;
    for (int i = groups + 1; i <= MaxGroups; ++i) {
        Needed[i] = 0;
    }
    if (Rolled < 0) {
        throw ECombinationError(Translatable("Core", "Number of dice rolled must not be negative"));
    }
    std::int64_t neededDice = 0;
    for (int i = 1; i <= groups; ++i) {
        if (Needed[i] < 0) {
            throw ECombinationError(Translatable("Core", "Dice needed by a group must not be negative"));
        }
        neededDice += Needed[i];
    }
    if (neededDice > Rolled) {
        throw ECombinationError(Translatable("Core", "Too many dice in combination"));
    }
    if (Rolled > MaxCountedDice) {
        throw ECombinationError(Translatable("Core", "At most 12 dice can be counted"));
    }
    const std::int32_t freeDice = Rolled - static_cast<std::int32_t>(neededDice);
    // Every group keeps a face of its own, even an empty one, so this many faces are left over.
    const int freeFaces = 6 - groups;

    double total = 0.0;
    TGroupSizes extra{};
    std::int32_t extraSum = 0;
    do {
        TGroupSizes sizes{};
        for (int i = 1; i <= groups; ++i) {
            sizes[i] = Needed[i] + extra[i];
        }
        const std::int32_t leftOver = freeDice - extraSum;
        TPartition partition;
        if (leftOver > 0) {
            partition.Parts[1] = leftOver;
            partition.Count = 1;
        }
        // The walk ends at the first partition with more parts than free faces, although a later one
        // may fit again (only with more than five dice): results for such patterns depend on that cut.
        do {
            total += PatternCount(*this, sizes, partition);
        } while (NextPartition(partition) && partition.Count <= freeFaces);
    } while (RandomInclusive && NextExtra(extra, groups, freeDice, extraSum));

    double outcomes = 1.0;
    for (std::int32_t die = 1; die <= Rolled; ++die) {
        outcomes *= 6.0;
    }
    return total / outcomes;
}

}  // namespace quintix
