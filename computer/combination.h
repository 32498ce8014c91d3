#pragma once

#include <cstdint>
#include <stdexcept>

#include "base/one_based.h"

namespace quintix {

// Every refusal of the probability engine; the message says in plain words what is wrong.
class ECombinationError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

constexpr int MaxGroups = 5;

// 13! no longer fits a 32-bit count, so neither the engine nor Factorial goes beyond this.
constexpr std::int32_t MaxCountedDice = 12;

// n! for 0 <= n <= 12, and 1 for any n below 1; refuses n above 12.
std::int32_t Factorial(std::int32_t n);

// A dice pattern: Rolled dice, of which group i holds Needed[i] dice of one face (at least that many
// when RandomInclusive), and may take PossibleValues[i] faces. The dice outside the groups show faces
// of their own that differ from each other's and from the groups'.
//
// The fields start at zero and are left as the caller set them, because the estimators build one
// pattern on top of the last.
class TCombination {
public:
    std::int32_t Rolled = 0;
    bool RandomInclusive = false;
    std::int32_t NoOfGroups = 0;
    OneBased<std::int32_t, MaxGroups> Needed{};
    OneBased<std::int32_t, MaxGroups> PossibleValues{};

    // The fraction of the 6^Rolled equally likely outcomes that show the pattern, counted exactly.
    // Sets Needed beyond NoOfGroups to 0 before anything else, even when it then throws
    // ECombinationError; the estimators rely on that clearing.
    double Probability();
};

}  // namespace quintix
