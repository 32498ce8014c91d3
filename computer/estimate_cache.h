#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "computer/estimates.h"

namespace quintix {

// The completion estimates over every argument the computer player can pass, worked out once by the
// estimators themselves, so that a lookup gives the very same double. A computer move asks for about
// twelve estimates, and each estimator counts many dice patterns from scratch.
class TEstimateTables {
public:
    static constexpr std::int32_t MaxDice = 5;  // dice rolled, wanted or kept
    static constexpr std::int32_t MinKind = 3;  // the smallest t of KindChance
    static constexpr std::int32_t MaxFullHouseKept = 3;
    static constexpr std::int32_t MaxStraightWays = 3;

    // Fills every table by calling the estimators; takes a few milliseconds.
    TEstimateTables();

    // The estimators' results; arguments outside the tables are passed on to the estimators.
    [[nodiscard]] double FaceChance(std::int32_t n, std::int32_t r, bool TwoRolls) const;
    [[nodiscard]] double KindChance(std::int32_t t, std::int32_t k, bool TwoRolls) const;
    [[nodiscard]] double FullHouseChance(std::int32_t k, bool TwoPairs, bool TwoRolls) const;
    [[nodiscard]] double StraightChance(std::int32_t n, std::int32_t g, bool TwoRolls, std::int32_t m) const;

private:
    template <typename T, std::size_t N>
    using TRow = std::array<T, N>;
    static constexpr std::size_t Dice = MaxDice + 1;
    static constexpr std::size_t Kinds = MaxDice - MinKind + 1;

    // Indexed [TwoRolls][...] with the arguments in their order; a straight's g runs 1..n and its n
    // and m from 1, so those rows start at 1.
    TRow<TRow<TRow<double, Dice>, Dice>, 2> Face{};
    TRow<TRow<TRow<double, Dice>, Kinds>, 2> Kind{};
    TRow<TRow<TRow<double, MaxFullHouseKept>, 2>, 2> FullHouse{};
    TRow<TRow<TRow<TRow<double, MaxStraightWays>, MaxDice>, MaxDice>, 2> Straight{};
};

// The tables of the process, filled on first use (safely, should two threads ask at once).
const TEstimateTables& EstimateTables();

// The estimators as the computer player asks for them, from the process's tables.
double CachedFaceChance(std::int32_t n, std::int32_t r, bool TwoRolls);
double CachedKindChance(std::int32_t t, std::int32_t k, bool TwoRolls);
double CachedFullHouseChance(std::int32_t k, bool TwoPairs, bool TwoRolls);
double CachedStraightChance(std::int32_t n, std::int32_t g, bool TwoRolls, std::int32_t m);

// One set of the four estimators, so that the strategy can run on the tables or on the estimators
// themselves, which give the same figures much more slowly.
struct TEstimators {
    double (*Face)(std::int32_t n, std::int32_t r, bool TwoRolls);
    double (*Kind)(std::int32_t t, std::int32_t k, bool TwoRolls);
    double (*FullHouse)(std::int32_t k, bool TwoPairs, bool TwoRolls);
    double (*Straight)(std::int32_t n, std::int32_t g, bool TwoRolls, std::int32_t m);
};

inline constexpr TEstimators CachedEstimators{&CachedFaceChance, &CachedKindChance, &CachedFullHouseChance,
                                              &CachedStraightChance};
inline constexpr TEstimators DirectEstimators{&FaceChance, &KindChance, &FullHouseChance, &StraightChance};

}  // namespace quintix
