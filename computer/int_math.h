#pragma once

#include <cstdint>

namespace quintix {

constexpr std::int32_t Min(std::int32_t a, std::int32_t b) {
    return a < b ? a : b;
}

constexpr std::int32_t Max(std::int32_t a, std::int32_t b) {
    return a > b ? a : b;
}

}  // namespace quintix
