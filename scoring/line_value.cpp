#include "scoring/line_value.h"

#include <cstddef>

namespace quintix {

std::int32_t LineValue(const TDiceAnalysis& a, int line) {
    const auto canScore = [&a](int l) { return a.CanScore[static_cast<std::size_t>(l)]; };
    switch (line) {
        case Aces:
        case Twos:
        case Threes:
        case Fours:
        case Fives:
        case Sixes:
            return (line + 1) * a.FaceInfo[line + 1].Count;
        case ThreeOfAKind:
        case FourOfAKind:
            return canScore(line) ? a.DiceSum : 0;
        case FullHouse:
            return canScore(line) || a.Joker ? FullHouseScore : 0;
        case SmallStraight:
            return canScore(line) || a.Joker ? SmallStraightScore : 0;
        case LargeStraight:
            return canScore(line) || a.Joker ? LargeStraightScore : 0;
        case QuintixLine:
            return canScore(line) ? QuintixScore : 0;
        case ChanceLine:
            return a.DiceSum;
        default:
            return 0;
    }
}

bool EarnsQuintixBonus(const TDiceAnalysis& a, const TGameScore& sheet) {
    return a.CanScore[QuintixLine] && sheet.Lines[QuintixLine] == QuintixScore;
}

}  // namespace quintix
