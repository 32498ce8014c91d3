#include "computer/estimate_cache.h"

namespace quintix {

namespace {

std::size_t At(std::int32_t i) {
    return static_cast<std::size_t>(i);
}

std::size_t At(bool b) {
    return b ? 1 : 0;
}

bool InRange(std::int32_t value, std::int32_t low, std::int32_t high) {
    return low <= value && value <= high;
}

}  // namespace

TEstimateTables::TEstimateTables() {
    for (const bool twoRolls : {false, true}) {
        for (std::int32_t n = 0; n <= MaxDice; ++n) {
            for (std::int32_t r = 0; r <= MaxDice; ++r) {
                Face[At(twoRolls)][At(n)][At(r)] = quintix::FaceChance(n, r, twoRolls);
            }
        }
        for (std::int32_t t = MinKind; t <= MaxDice; ++t) {
            for (std::int32_t k = 0; k <= MaxDice; ++k) {
                Kind[At(twoRolls)][At(t - MinKind)][At(k)] = quintix::KindChance(t, k, twoRolls);
            }
        }
        for (const bool twoPairs : {false, true}) {
            for (std::int32_t k = 1; k <= MaxFullHouseKept; ++k) {
                FullHouse[At(twoRolls)][At(twoPairs)][At(k - 1)] =
                    quintix::FullHouseChance(k, twoPairs, twoRolls);
            }
        }
        for (std::int32_t n = 1; n <= MaxDice; ++n) {
            for (std::int32_t g = 1; g <= n; ++g) {
                for (std::int32_t m = 1; m <= MaxStraightWays; ++m) {
                    Straight[At(twoRolls)][At(n - 1)][At(g - 1)][At(m - 1)] =
                        quintix::StraightChance(n, g, twoRolls, m);
                }
            }
        }
    }
}

double TEstimateTables::FaceChance(std::int32_t n, std::int32_t r, bool TwoRolls) const {
    if (InRange(n, 0, MaxDice) && InRange(r, 0, MaxDice)) {
        return Face[At(TwoRolls)][At(n)][At(r)];
    }
    return quintix::FaceChance(n, r, TwoRolls);
}

double TEstimateTables::KindChance(std::int32_t t, std::int32_t k, bool TwoRolls) const {
    if (InRange(t, MinKind, MaxDice) && InRange(k, 0, MaxDice)) {
        return Kind[At(TwoRolls)][At(t - MinKind)][At(k)];
    }
    return quintix::KindChance(t, k, TwoRolls);
}

double TEstimateTables::FullHouseChance(std::int32_t k, bool TwoPairs, bool TwoRolls) const {
    if (InRange(k, 1, MaxFullHouseKept)) {
        return FullHouse[At(TwoRolls)][At(TwoPairs)][At(k - 1)];
    }
    return quintix::FullHouseChance(k, TwoPairs, TwoRolls);
}

double TEstimateTables::StraightChance(std::int32_t n, std::int32_t g, bool TwoRolls, std::int32_t m) const {
    if (InRange(n, 1, MaxDice) && InRange(g, 1, n) && InRange(m, 1, MaxStraightWays)) {
        return Straight[At(TwoRolls)][At(n - 1)][At(g - 1)][At(m - 1)];
    }
    return quintix::StraightChance(n, g, TwoRolls, m);
}

const TEstimateTables& EstimateTables() {
    static const TEstimateTables tables;
    return tables;
}

double CachedFaceChance(std::int32_t n, std::int32_t r, bool TwoRolls) {
    return EstimateTables().FaceChance(n, r, TwoRolls);
}

double CachedKindChance(std::int32_t t, std::int32_t k, bool TwoRolls) {
    return EstimateTables().KindChance(t, k, TwoRolls);
}

double CachedFullHouseChance(std::int32_t k, bool TwoPairs, bool TwoRolls) {
    return EstimateTables().FullHouseChance(k, TwoPairs, TwoRolls);
}

double CachedStraightChance(std::int32_t n, std::int32_t g, bool TwoRolls, std::int32_t m) {
    return EstimateTables().StraightChance(n, g, TwoRolls, m);
}

}  // namespace quintix
