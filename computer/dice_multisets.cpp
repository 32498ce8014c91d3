#include "computer/dice_multisets.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>
#include <utility>

namespace quintix {

namespace {

// Appends every multiset of `left` more dice with faces from `face` up, faces in ascending order.
void AddSets(std::vector<TDiceMultisets::TCounts>& sets, TDiceMultisets::TCounts& counts, int face,
             int left) {
    if (left == 0) {
        sets.push_back(counts);
        return;
    }
    for (int f = face; f <= NoOfFaces; ++f) {
        ++counts[static_cast<std::size_t>(f - 1)];
        AddSets(sets, counts, f, left - 1);
        --counts[static_cast<std::size_t>(f - 1)];
    }
}

int Factorial(int n) {
    return n <= 1 ? 1 : n * Factorial(n - 1);
}

}  // namespace

TDiceMultisets::TDiceMultisets() {
    for (int size = 0; size <= NoOfDice; ++size) {
        TCounts counts{};
        AddSets(Sets, counts, 1, size);
    }
    if (static_cast<int>(Sets.size()) != Count) {
        throw std::logic_error("the dice multisets do not number 462");
    }
    // Sets of one size with as many distinct faces follow each other, so that a walk over the sets
    // and their subsets with one die fewer meets runs of equal length.
    std::stable_sort(Sets.begin(), Sets.end(), [](const TCounts& a, const TCounts& b) {
        const auto key = [](const TCounts& c) {
            return std::pair(std::accumulate(c.begin(), c.end(), 0),
                             std::count_if(c.begin(), c.end(), [](std::uint8_t n) { return n > 0; }));
        };
        return key(a) < key(b);
    });

    std::vector<std::uint16_t> order(Sets.size());
    std::iota(order.begin(), order.end(), std::uint16_t{0});
    std::sort(order.begin(), order.end(),
              [this](std::uint16_t a, std::uint16_t b) { return Code(Sets[a]) < Code(Sets[b]); });
    for (const std::uint16_t set : order) {
        SortedCodes.push_back(Code(Sets[set]));
        CodeIndex.push_back(set);
    }

    OneMore.resize(Sets.size());
    OneFewer.resize(Sets.size());
    FewerCounts.resize(Sets.size());
    for (int set = 0; set < Count; ++set) {
        for (int face = 1; face <= NoOfFaces; ++face) {
            TCounts counts = Sets[Slot(set)];
            const std::size_t f = Slot(face - 1);
            if (Size(set) < NoOfDice) {
                ++counts[f];
                OneMore[Slot(set)][f] = static_cast<std::uint16_t>(IndexOf(counts));
            }
            counts = Sets[Slot(set)];
            if (counts[f] > 0) {
                --counts[f];
                OneFewer[Slot(set)][FewerCounts[Slot(set)]++] = static_cast<std::uint16_t>(IndexOf(counts));
            }
        }
    }
}

int TDiceMultisets::Size(int set) const {
    const TCounts& counts = Counts(set);
    return std::accumulate(counts.begin(), counts.end(), 0);
}

std::int32_t TDiceMultisets::Code(const TCounts& counts) {
    std::int32_t code = 0;
    for (const std::uint8_t count : counts) {
        code = code * (NoOfDice + 1) + count;
    }
    return code;
}

int TDiceMultisets::IndexOf(const TCounts& counts) const {
    const std::int32_t code = Code(counts);
    const auto at = std::lower_bound(SortedCodes.begin(), SortedCodes.end(), code);
    if (at == SortedCodes.end() || *at != code) {
        throw std::invalid_argument("more than five dice in a set");
    }
    return CodeIndex[static_cast<std::size_t>(at - SortedCodes.begin())];
}

int TDiceMultisets::SetOf(const TDiceValues& dice, TDiceSet only) const {
    TCounts counts{};
    for (int die = 1; die <= NoOfDice; ++die) {
        if ((only & DieBit(die)) != 0) {
            if (dice[die] < 1 || dice[die] > NoOfFaces) {
                throw std::invalid_argument("a die value must be a face 1..6");
            }
            ++counts[Slot(dice[die] - 1)];
        }
    }
    return IndexOf(counts);
}

int TDiceMultisets::Ways(int roll) const {
    int ways = Factorial(NoOfDice);
    for (const std::uint8_t count : Counts(roll)) {
        ways /= Factorial(count);
    }
    return ways;
}

int TDiceMultisets::FiveOfAKindFace(int roll) const {
    const TCounts& counts = Counts(roll);
    const auto at = std::find(counts.begin(), counts.end(), NoOfDice);
    return at == counts.end() ? 0 : static_cast<int>(at - counts.begin()) + 1;
}

const TDiceMultisets& DiceMultisets() {
    static const TDiceMultisets sets;
    return sets;
}

}  // namespace quintix
