#pragma once

#include <array>
#include <cstddef>

namespace quintix {

// A fixed array indexed from 1. Players, games, dice and faces are numbered from 1 throughout
// the game's rules; keeping that numbering in the code avoids an off-by-one at every use.
template <typename T, int N>
struct OneBased {
    static constexpr int Low = 1;
    static constexpr int High = N;

    std::array<T, N> Items{};

    constexpr T& operator[](int i) { return Items[Slot(i)]; }
    constexpr const T& operator[](int i) const { return Items[Slot(i)]; }

    constexpr auto begin() { return Items.begin(); }
    constexpr auto end() { return Items.end(); }
    constexpr auto begin() const { return Items.begin(); }
    constexpr auto end() const { return Items.end(); }

    constexpr bool operator==(const OneBased&) const = default;

private:
    static constexpr std::size_t Slot(int i) { return static_cast<std::size_t>(i - 1); }
};

}  // namespace quintix
