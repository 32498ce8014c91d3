#pragma once

#include <cstdint>
#include <random>

namespace quintix {

// Where the dice's faces come from: r uniform in 0..35, face r mod 6 + 1.
class IRandomSource {
public:
    virtual ~IRandomSource() = default;

    virtual int Next36() = 0;
};

// A Mersenne twister with our own rejection step instead of std::uniform_int_distribution, whose
// algorithm differs between standard libraries: a seed must give the same dice everywhere.
class TSeededRandom : public IRandomSource {
public:
    explicit TSeededRandom(std::uint32_t seed) : Engine(seed) {}

    int Next36() override {
        constexpr std::uint64_t range = 36;
        constexpr std::uint64_t values = std::uint64_t{1} << 32;
        constexpr std::uint64_t limit = values - values % range;
        std::uint64_t r = Engine();
        while (r >= limit) {
            r = Engine();
        }
        return static_cast<int>(r % range);
    }

private:
    std::mt19937 Engine;
};

// Milliseconds since midnight, local time: the seed of a game started by a person.
std::uint32_t MillisecondsSinceMidnight();

}  // namespace quintix
