#pragma once

#include <array>
#include <cstdint>

#include "base/one_based.h"
#include "base/types.h"

namespace quintix {

// How many dice show one face, and which.
struct TFaceInfo {
    std::int32_t Count = 0;
    // Numbers 1..5 of the dice showing the face, ascending, in the first Count entries; 0 beyond.
    OneBased<std::int32_t, NoOfDice> Dice{};

    bool operator==(const TFaceInfo&) const = default;
};

// What one completed roll offers, judged against the sheet on turn at the moment of the roll.
struct TDiceAnalysis {
    OneBased<TFaceInfo, NoOfFaces> FaceInfo{};
    std::int32_t DiceSum = 0;
    std::int32_t MaxCount = 0;
    std::int32_t MaxFace = 0;  // a face with MaxCount dice, preferring one whose upper line is open
    std::array<bool, NoOfLines> CanScore{};
    bool Joker = false;     // a repeated five of a kind may fill the full house and the straights
    bool TwoPairs = false;  // two pairs and no full house
    // The run of faces the computer player builds its straights on.
    std::int32_t RunCount = 0;
    std::int32_t RunLow = 0;
    std::int32_t RunHigh = 0;
    std::int32_t OpenEnd = 0;  // the face, 1 or 6, that would extend the run to five; 0 when none

    bool operator==(const TDiceAnalysis&) const = default;
};

// Analyses five dice (each 1..6) against a sheet; throws std::invalid_argument for any other value.
// Before the first game there is no sheet: pass TGameScore::Blank().
TDiceAnalysis AnalyseDice(const TDiceValues& dice, const TGameScore& sheet);

// Three of each face is the par of the upper section: 3 × (1 + ... + 6) = 63, what the bonus needs.
constexpr std::int32_t ParCount = 3;

// How far the scored upper lines are ahead of (positive) or behind (negative) three of each face.
std::int32_t UpperPar(const TGameScore& sheet);

}  // namespace quintix
