#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "base/types.h"

namespace quintix {

// Every multiset of 0..5 dice faces: the dice kept between two rolls, and with five dice the 252
// distinct rolls. They are numbered by size, so the rolls form the last block and a set's
// neighbours with one die more always come later.
class TDiceMultisets {
public:
    static constexpr int Count = 462;
    static constexpr int RollCount = 252;
    static constexpr int FirstRoll = Count - RollCount;
    static constexpr int Empty = 0;
    static constexpr int MaxFewer = NoOfDice;
    static constexpr int Orders = 7776;  // 6^5: the ways five dice can fall, die by die

    using TCounts = std::array<std::uint8_t, NoOfFaces>;  // dice per face, face 1 first

    TDiceMultisets();

    [[nodiscard]] const TCounts& Counts(int set) const { return Sets[Slot(set)]; }
    [[nodiscard]] int Size(int set) const;

    // The set with one more die showing `face` 1..6; for sets of fewer than five dice.
    [[nodiscard]] int WithDie(int set, int face) const { return OneMore[Slot(set)][Slot(face - 1)]; }
    // The distinct sets with one die fewer, the first `FewerCount` entries of `Fewer`.
    [[nodiscard]] int FewerCount(int set) const { return FewerCounts[Slot(set)]; }
    [[nodiscard]] const std::array<std::uint16_t, MaxFewer>& Fewer(int set) const {
        return OneFewer[Slot(set)];
    }

    // The multiset of the dice in `dice` whose bit is set in `only` (each die 1..6).
    [[nodiscard]] int SetOf(const TDiceValues& dice, TDiceSet only = AllDice) const;
    [[nodiscard]] int IndexOf(const TCounts& counts) const;

    // The number of ways five dice can fall, die by die, to show `roll`, out of Orders.
    [[nodiscard]] int Ways(int roll) const;
    // The face of a five of a kind; 0 for any other roll.
    [[nodiscard]] int FiveOfAKindFace(int roll) const;

private:
    static std::size_t Slot(int i) { return static_cast<std::size_t>(i); }
    static std::int32_t Code(const TCounts& counts);

    std::vector<TCounts> Sets;
    std::vector<std::array<std::uint16_t, NoOfFaces>> OneMore;
    std::vector<std::array<std::uint16_t, MaxFewer>> OneFewer;
    std::vector<std::uint8_t> FewerCounts;
    std::vector<std::int32_t> SortedCodes;  // Code of each set, ascending, with its index below
    std::vector<std::uint16_t> CodeIndex;
};

// The one enumeration of the process, made on first use.
const TDiceMultisets& DiceMultisets();

}  // namespace quintix
