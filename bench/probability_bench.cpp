#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>

#include "computer/combination.h"
#include "computer/estimates.h"

namespace quintix {
namespace {

struct TBenchPattern {
    std::int32_t Rolled;
    bool RandomInclusive;
    std::int32_t NoOfGroups;
    std::array<std::int32_t, 5> Needed;
    std::array<std::int32_t, 5> PossibleValues;
};

// Patterns the estimators ask for, and the largest one the engine still counts.
constexpr std::array<TBenchPattern, 6> Patterns = {{
    {5, true, 1, {3}, {6}},                           // at least three of a kind in five dice
    {5, false, 2, {3, 2}, {6, 5}},                    // full house, exactly
    {4, true, 4, {1, 1, 1, 1}, {1, 1, 1, 1}},         // four missing straight faces in four dice
    {4, false, 5, {0, 1, 1, 1, 1}, {1, 5, 4, 3, 2}},  // four distinct faces, as the full house look-ahead
    {5, false, 1, {0}, {1}},                          // no die of one face
    {12, true, 5, {0, 0, 0, 0, 0}, {1, 1, 1, 1, 1}},  // every split of twelve dice over five groups
}};

void BM_Probability(benchmark::State& state) {
    const TBenchPattern& pattern = Patterns[static_cast<std::size_t>(state.range(0))];
    TCombination combination;
    for ([[maybe_unused]] auto _ : state) {
        combination.Rolled = pattern.Rolled;
        combination.RandomInclusive = pattern.RandomInclusive;
        combination.NoOfGroups = pattern.NoOfGroups;
        combination.Needed.Items = pattern.Needed;
        combination.PossibleValues.Items = pattern.PossibleValues;
        benchmark::DoNotOptimize(combination.Probability());
    }
}
BENCHMARK(BM_Probability)->DenseRange(0, static_cast<int>(Patterns.size()) - 1);

void BM_FaceChance(benchmark::State& state) {
    const bool twoRolls = state.range(0) != 0;
    for ([[maybe_unused]] auto _ : state) {
        benchmark::DoNotOptimize(FaceChance(3, 5, twoRolls));
        benchmark::DoNotOptimize(FaceChance(2, 4, twoRolls));
    }
}
BENCHMARK(BM_FaceChance)->Arg(0)->Arg(1);

void BM_KindChance(benchmark::State& state) {
    const bool twoRolls = state.range(0) != 0;
    for ([[maybe_unused]] auto _ : state) {
        benchmark::DoNotOptimize(KindChance(3, 1, twoRolls));
        benchmark::DoNotOptimize(KindChance(4, 2, twoRolls));
        benchmark::DoNotOptimize(KindChance(5, 1, twoRolls));
    }
}
BENCHMARK(BM_KindChance)->Arg(0)->Arg(1);

void BM_FullHouseChance(benchmark::State& state) {
    const bool twoRolls = state.range(0) != 0;
    for ([[maybe_unused]] auto _ : state) {
        benchmark::DoNotOptimize(FullHouseChance(1, false, twoRolls));
        benchmark::DoNotOptimize(FullHouseChance(2, false, twoRolls));
        benchmark::DoNotOptimize(FullHouseChance(2, true, twoRolls));
    }
}
BENCHMARK(BM_FullHouseChance)->Arg(0)->Arg(1);

void BM_StraightChance(benchmark::State& state) {
    const bool twoRolls = state.range(0) != 0;
    for ([[maybe_unused]] auto _ : state) {
        benchmark::DoNotOptimize(StraightChance(4, 3, twoRolls, 2));
        benchmark::DoNotOptimize(StraightChance(4, 4, twoRolls, 2));
        benchmark::DoNotOptimize(StraightChance(2, 1, twoRolls, 3));
    }
}
BENCHMARK(BM_StraightChance)->Arg(0)->Arg(1);

}  // namespace
}  // namespace quintix
