#include "scoring/dice_analysis.h"

#include <algorithm>
#include <cstddef>
#include <stdexcept>

#include "scoring/line_value.h"

namespace quintix {

std::int32_t UpperPar(const TGameScore& sheet) {
    std::int32_t par = 0;
    for (int line = Aces; line <= Sixes; ++line) {
        if (IsScored(sheet, line)) {
            par += sheet.Lines[static_cast<std::size_t>(line)] - ParCount * (line + 1);
        }
    }
    return par;
}

TDiceAnalysis AnalyseDice(const TDiceValues& dice, const TGameScore& sheet) {
    for (const std::int32_t value : dice) {
        if (value < 1 || value > NoOfFaces) {
            throw std::invalid_argument("a die value must be a face 1..6");
        }
    }
    const auto scored = [&sheet](int line) { return IsScored(sheet, line); };

    TDiceAnalysis a;
    for (int die = 1; die <= NoOfDice; ++die) {
        const std::int32_t value = dice[die];
        TFaceInfo& info = a.FaceInfo[value];
        ++info.Count;
        info.Dice[info.Count] = die;
        a.DiceSum += value;
    }

    // Among equally frequent faces the higher one wins unless its upper line is already scored and the
    // lower one's is open, so that the dice kept for a kind can still fall back on their upper line.
    const std::int32_t par = UpperPar(sheet);
    for (int face = NoOfFaces; face >= 1; --face) {
        const std::int32_t count = a.FaceInfo[face].Count;
        if (count > a.MaxCount) {
            a.MaxCount = count;
            a.MaxFace = face;
        } else if (count == a.MaxCount && a.MaxCount > 0 && scored(a.MaxFace - 1) && !scored(face - 1)) {
            a.MaxFace = face;
        }
        a.CanScore[static_cast<std::size_t>(face - 1)] =
            !scored(face - 1) && par + (count - ParCount) * face >= 0;
    }

    a.CanScore[ThreeOfAKind] = !scored(ThreeOfAKind) && a.MaxCount >= 3;
    a.CanScore[FourOfAKind] = !scored(FourOfAKind) && a.MaxCount >= 4;
    // Whether the Quintix line itself is scored is deliberately not asked: a five of a kind after a
    // scored 50 must still be recognised, for the bonus and the joker.
    a.CanScore[QuintixLine] = a.MaxCount == NoOfDice && sheet.Lines[QuintixLine] != 0;
    a.Joker = a.CanScore[QuintixLine] && sheet.Lines[QuintixLine] == QuintixScore && scored(a.MaxFace - 1);

    // Pairs and triples add up to 5 for a full house and to 4 for two pairs; four and five of a kind
    // never enter the sum.
    std::int32_t pairSum = 0;
    for (int face = 1; face <= NoOfFaces; ++face) {
        const std::int32_t count = a.FaceInfo[face].Count;
        if (count == 2 || count == 3) {
            pairSum += count;
        }
        if (pairSum == 5) {
            a.CanScore[FullHouse] = true;
            break;
        }
        if (pairSum == 4) {
            a.TwoPairs = true;
            break;
        }
    }

    // Every straight lies mostly within 2..5, so the run is built from those faces and then extended
    // by 1 or 6 only where that end can still join it.
    a.RunLow = 7;
    for (int face = 2; face <= 5; ++face) {
        if (a.FaceInfo[face].Count >= 1) {
            ++a.RunCount;
            a.RunLow = std::min(a.RunLow, face);
            a.RunHigh = std::max(a.RunHigh, face);
        }
    }
    if (a.RunHigh < 5 && a.FaceInfo[1].Count >= 1) {
        ++a.RunCount;
        a.RunLow = 1;
        a.RunHigh = std::max(a.RunHigh, 1);
    }
    if (a.RunLow > 2 && a.FaceInfo[6].Count >= 1) {
        ++a.RunCount;
        a.RunHigh = 6;
        a.RunLow = std::min(a.RunLow, 6);
    }
    if (a.RunLow != 1 && a.RunHigh != 6) {
        if (a.FaceInfo[1].Count >= 1) {
            a.OpenEnd = 1;
        } else if (a.FaceInfo[6].Count >= 1) {
            a.OpenEnd = 6;
        }
    }
    a.CanScore[SmallStraight] = a.RunCount == 4;
    a.CanScore[LargeStraight] = a.CanScore[SmallStraight] && a.OpenEnd != 0;

    for (const int line : {FullHouse, SmallStraight, LargeStraight}) {
        a.CanScore[static_cast<std::size_t>(line)] =
            a.CanScore[static_cast<std::size_t>(line)] && !scored(line);
    }
    a.CanScore[ChanceLine] = !scored(ChanceLine);
    return a;
}

}  // namespace quintix
