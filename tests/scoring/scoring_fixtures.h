#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <utility>

#include "base/types.h"

namespace quintix::fixtures {

// Five dice written as digits, die 1 first: Roll("33355").
inline TDiceValues Roll(std::string_view faces) {
    TDiceValues dice;
    for (int die = 1; die <= NoOfDice; ++die) {
        dice[die] = faces[static_cast<std::size_t>(die - 1)] - '0';
    }
    return dice;
}

// A blank sheet with the given {line, score} pairs written.
inline TGameScore Sheet(std::initializer_list<std::pair<int, std::int32_t>> scored, std::int32_t bonus = 0) {
    TGameScore sheet = TGameScore::Blank();
    for (const auto& [line, score] : scored) {
        sheet.Lines[static_cast<std::size_t>(line)] = score;
    }
    sheet.Bonus = bonus;
    return sheet;
}

// A sheet with every line scored as given, the way a finished game leaves it.
inline TGameScore FullSheet(const std::array<std::int32_t, NoOfLines>& lines, std::int32_t bonus = 0) {
    TGameScore sheet;
    sheet.Lines = lines;
    sheet.Bonus = bonus;
    return sheet;
}

}  // namespace quintix::fixtures
