#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "base/one_based.h"

namespace quintix {

constexpr int MaxPlayers = 6;
constexpr int MaxGames = 6;
constexpr int NoOfLines = 13;  // lines 0..12 in sheet order
constexpr int NoOfDice = 5;
constexpr int NoOfFaces = 6;
constexpr int MaxRolls = 3;
constexpr int TurnsPerGame = 13;

// -1 marks the absence of a value: an unscored line, a die without a face.
constexpr std::int32_t NoValue = -1;

// The scoring lines by number; the upper section is 0..5 (face = line + 1).
enum Line : int {
    Aces = 0,
    Twos = 1,
    Threes = 2,
    Fours = 3,
    Fives = 4,
    Sixes = 5,
    ThreeOfAKind = 6,
    FourOfAKind = 7,
    FullHouse = 8,
    SmallStraight = 9,
    LargeStraight = 10,
    QuintixLine = 11,
    ChanceLine = 12,
};

// One player's sheet for one game.
struct TGameScore {
    std::array<std::int32_t, NoOfLines> Lines{};  // NoValue while unscored; 0 is a real score
    std::int32_t Bonus = 0;                       // Quintix bonus points, grows by 100

    // A sheet with every line open, as at the start of a series.
    static TGameScore Blank() {
        TGameScore sheet;
        sheet.Lines.fill(NoValue);
        return sheet;
    }

    bool operator==(const TGameScore&) const = default;
};

// Whether a line of the sheet holds a score, 0 included.
constexpr bool IsScored(const TGameScore& sheet, int line) {
    return sheet.Lines[static_cast<std::size_t>(line)] != NoValue;
}

// Sheets addressed as Scores[ScoreIndex][Game], never by play position.
using TScores = OneBased<OneBased<TGameScore, MaxGames>, MaxPlayers>;

// Face values of the five dice, die 1..5; NoValue while a die has none.
using TDiceValues = OneBased<std::int32_t, NoOfDice>;

// A set of dice by number: bit i - 1 stands for die i.
using TDiceSet = std::uint8_t;
constexpr TDiceSet AllDice = 0b11111;
constexpr TDiceSet DieBit(int die) {
    return static_cast<TDiceSet>(1U << (die - 1));
}

}  // namespace quintix
