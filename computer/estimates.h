#pragma once

#include <cstdint>

namespace quintix {

// Estimates of how likely an open line can still be completed with the rolls left in a turn. With
// TwoRolls they look one roll further, assuming the dice of the aimed-for face (or faces) stay on the
// table. The figures are compared with each other and with 1.0 by the computer player; the full house
// and straight ones are weights that can exceed 1. Arguments that would make the engine count an
// impossible pattern throw ECombinationError.

// The chance of at least n dice of one given face when r dice are rolled.
double FaceChance(std::int32_t n, std::int32_t r, bool TwoRolls);

// The chance of t of a kind (t is 3, 4 or 5) when k dice of one face are kept and the other 5 - k rolled.
double KindChance(std::int32_t t, std::int32_t k, bool TwoRolls);

// The full house weight with k (1 to 3) dice of the most frequent face kept, or with two pairs held.
double FullHouseChance(std::int32_t k, bool TwoPairs, bool TwoRolls);

// The straight weight when n dice are rolled, g distinct faces are missing and m sets of faces would
// complete the straight. n is at most 5.
double StraightChance(std::int32_t n, std::int32_t g, bool TwoRolls, std::int32_t m);

}  // namespace quintix
