#include "computer/estimates.h"

#include "computer/combination.h"

// Each estimator builds its patterns one on top of the other on a single TCombination: a field keeps
// its value until a step sets it again, and each Probability call clears Needed beyond NoOfGroups.
// Several steps depend on both, and the sums are formed in exactly the written order, because the
// computer player compares these figures strictly.

namespace quintix {

double FaceChance(std::int32_t n, std::int32_t r, bool TwoRolls) {
    if (n > r) {
        return 0.0;
    }
    if (n == 0) {
        return 1.0;
    }
    TCombination pattern;
    pattern.Rolled = r;
    pattern.NoOfGroups = 1;
    pattern.PossibleValues[1] = 1;
    pattern.Needed[1] = n;
    pattern.RandomInclusive = true;
    double e = pattern.Probability();
    if (TwoRolls) {
        pattern.RandomInclusive = false;
        for (std::int32_t i = 0; i <= n - 1; ++i) {
            pattern.Needed[1] = i;
            e = e + pattern.Probability() * FaceChance(n - i, r - i, false);
        }
    }
    return e;
}

double KindChance(std::int32_t t, std::int32_t k, bool TwoRolls) {
    if (t <= k) {
        return 1.0;
    }
    // The engine would refuse these patterns too; refusing first keeps t - k and 5 - k from overflowing.
    if (t > 5) {
        throw ECombinationError("Too many dice in combination");
    }
    if (5 - MaxCountedDice > k) {
        throw ECombinationError("At most 12 dice can be counted");
    }
    TCombination pattern;
    pattern.Rolled = 5 - k;
    pattern.NoOfGroups = 1;
    pattern.PossibleValues[1] = 1;
    pattern.Needed[1] = t - k;
    pattern.RandomInclusive = true;
    double e = pattern.Probability();
    if (t <= 5 - k) {
        pattern.Needed[1] = t;
        pattern.PossibleValues[1] = 5;
        e = e + pattern.Probability();
    }
    if (TwoRolls) {
        pattern.RandomInclusive = false;
        pattern.PossibleValues[1] = 1;
        pattern.PossibleValues[2] = 5;
        // i dice of the kept face among the rolled ones.
        for (std::int32_t i = 0; i <= t - k - 1; ++i) {
            pattern.NoOfGroups = 2;
            pattern.Needed[1] = i;
            double s = 0.0;
            if (i + k <= 2) {
                // Another face shows more dice than the kept one then has, and the player switches to it.
                for (std::int32_t j = i + k + 1; j <= std::min(t, 5 - k - i); ++j) {
                    pattern.Needed[2] = j;
                    const double q = pattern.Probability();
                    if (j < t) {
                        e = e + q * KindChance(t, j, false);
                    }
                    s = s + q;
                }
            }
            pattern.NoOfGroups = 1;
            e = e + (pattern.Probability() - s) * KindChance(t, i + k, false);
        }
    }
    return e;
}

double FullHouseChance(std::int32_t k, bool TwoPairs, bool TwoRolls) {
    TCombination pattern;
    if (TwoPairs) {
        pattern.Rolled = 1;
        pattern.NoOfGroups = 1;
        pattern.PossibleValues[1] = 2;
        pattern.Needed[1] = 1;
        pattern.RandomInclusive = true;
        double e = pattern.Probability();
        if (TwoRolls) {
            // The miss counts 5/6, not 2/3: the engine keeps one face for the empty group, so the
            // two-roll figure is 11/18 rather than 5/9. Kept on purpose.
            pattern.Needed[1] = 0;
            pattern.RandomInclusive = false;
            e = e + pattern.Probability() * FullHouseChance(k, true, false);
        }
        return e;
    }

    // The engine would refuse this many dice too; refusing first keeps 5 - k from overflowing.
    if (5 - MaxCountedDice > k) {
        throw ECombinationError("At most 12 dice can be counted");
    }
    pattern.Rolled = 5 - k;
    pattern.NoOfGroups = 2;
    pattern.PossibleValues[1] = 1;
    pattern.PossibleValues[2] = 5;
    pattern.RandomInclusive = false;
    double e = 0.0;
    // The kept face ends with 5 - j dice and one other face shows j.
    for (std::int32_t j = 2; j <= 3; ++j) {
        if (5 - k - j >= 0) {
            pattern.Needed[1] = 5 - k - j;
            pattern.Needed[2] = j;
            e = e + pattern.Probability();
        }
    }
    if (!TwoRolls) {
        return e;
    }

    for (int g = 2; g <= MaxGroups; ++g) {
        pattern.Needed[g] = 1;
    }
    pattern.PossibleValues[2] = 5;
    pattern.PossibleValues[3] = 4;
    pattern.PossibleValues[4] = 3;
    pattern.PossibleValues[5] = 2;
    // i more dice of the kept face, every other rolled die a group of one. The groups of one are
    // counted as distinct, so these weights exceed the probabilities.
    for (std::int32_t i = 0; i <= 5 - k; ++i) {
        pattern.NoOfGroups = 6 - k - i;
        pattern.Needed[1] = i;
        e = e + pattern.Probability() * FullHouseChance(std::min(i + k, 3), false, false);
    }
    if (k == 1) {
        // The last pass above had one group, so the engine has cleared Needed[2..5]: with j of 2 or 3
        // the remaining rolled dice are free dice that avoid the faces of the empty groups. Setting
        // those entries back to 1 here would change the estimate.
        pattern.Needed[1] = 0;
        for (std::int32_t j = 2; j <= 4; ++j) {
            pattern.NoOfGroups = 6 - j;
            pattern.Needed[2] = j;
            e = e + pattern.Probability() * FullHouseChance(std::min(j, 3), false, false);
        }
    }
    if (k < 3) {
        // The roll gives two pairs.
        pattern.NoOfGroups = 3;
        pattern.Needed[2] = 2;
        for (std::int32_t i = 0; i <= 2 - k; ++i) {
            pattern.Needed[1] = i;
            pattern.Needed[3] = 3 - k - i;
            e = e + pattern.Probability() * FullHouseChance(2, true, false);
        }
    }
    return e;
}

double StraightChance(std::int32_t n, std::int32_t g, bool TwoRolls, std::int32_t m) {
    // One group per rolled die; more dice than groups would reach past the pattern's fields.
    if (n > MaxGroups) {
        throw ECombinationError("A straight can be estimated for at most 5 dice");
    }
    TCombination pattern;
    pattern.Rolled = n;
    pattern.NoOfGroups = g;
    pattern.RandomInclusive = true;
    for (std::int32_t s = 1; s <= n; ++s) {
        pattern.PossibleValues[s] = 1;
        pattern.Needed[s] = 1;
    }
    double e = pattern.Probability();
    if (TwoRolls) {
        pattern.RandomInclusive = false;
        for (std::int32_t s = 1; s <= n; ++s) {
            pattern.Needed[s] = 0;
        }
        pattern.NoOfGroups = 1;
        e = e + pattern.Probability() * StraightChance(n, g, false, 1);
        // Only the first missing face is looked at: with one group, Needed[2] and later are cleared
        // by the engine, so every pass after the first weighs by that face showing exactly once.
        for (std::int32_t i = 1; i <= g - 1; ++i) {
            pattern.Needed[i] = 1;
            e = e + pattern.Probability() * StraightChance(n - i, g - i, false, 1);
        }
    }
    e = e * m;
    if (n > g && m > 1) {
        e = e - (m - 1) * StraightChance(n, n, TwoRolls, 1);
    }
    return e;
}

}  // namespace quintix
