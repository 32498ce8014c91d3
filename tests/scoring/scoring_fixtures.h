#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <utility>
#include <vector>

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

// A sheet with every line scored but `open`, scored as in `scored` or else as 0.
inline TGameScore EndGame(std::initializer_list<int> open,
                          std::initializer_list<std::pair<int, std::int32_t>> scored) {
    TGameScore sheet = TGameScore::Blank();
    sheet.Lines.fill(0);
    for (const int line : open) {
        sheet.Lines[static_cast<std::size_t>(line)] = NoValue;
    }
    for (const auto& [line, value] : scored) {
        sheet.Lines[static_cast<std::size_t>(line)] = value;
    }
    return sheet;
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

// A sheet with every line as given (NoValue for an open one).
inline TGameScore FullSheet(const std::array<std::int32_t, NoOfLines>& lines, std::int32_t bonus = 0) {
    return TGameScore{lines, bonus};
}

// Every roll of n dice, die 1 first, and how many of its dice show each face 1..6 (index 0 unused).
struct TRoll {
    std::vector<int> Dice;
    std::array<int, NoOfFaces + 1> Count{};
};
inline std::vector<TRoll> AllRolls(int n) {
    std::vector<TRoll> rolls{TRoll{}};
    for (int die = 0; die < n; ++die) {
        std::vector<TRoll> longer;
        for (const TRoll& roll : rolls) {
            for (int face = 1; face <= NoOfFaces; ++face) {
                longer.push_back(roll);
                longer.back().Dice.push_back(face);
                ++longer.back().Count[static_cast<std::size_t>(face)];
            }
        }
        rolls = std::move(longer);
    }
    return rolls;
}

}  // namespace quintix::fixtures
