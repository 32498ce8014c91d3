#include "computer/strategy.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "computer/estimate_cache.h"
#include "scoring/line_value.h"
#include "scoring/totals.h"

namespace quintix {

namespace {

constexpr int NoLine = -1;

bool CanScore(const TDiceAnalysis& a, int line) {
    return a.CanScore[static_cast<std::size_t>(line)];
}

std::int32_t Count(const TDiceAnalysis& a, int face) {
    return a.FaceInfo[face].Count;
}

bool IsUpper(int line) {
    return Aces <= line && line <= Sixes;
}

bool TwoRolls(const TTurnView& view) {
    return view.RollCount == 1;
}

// The first `count` dice showing a face, lowest die number first.
TDiceSet FirstDiceShowing(const TDiceAnalysis& a, int face, std::int32_t count) {
    const TFaceInfo& info = a.FaceInfo[face];
    TDiceSet dice = 0;
    for (int i = 1; i <= std::min(count, info.Count); ++i) {
        dice |= DieBit(info.Dice[i]);
    }
    return dice;
}

// One die of each face of the run, and with `withOpenEnd` one of the face that extends it to five.
TDiceSet RunDice(const TDiceAnalysis& a, bool withOpenEnd) {
    TDiceSet dice = 0;
    for (int face = a.RunLow; face <= a.RunHigh; ++face) {
        dice |= FirstDiceShowing(a, face, 1);
    }
    if (withOpenEnd && a.OpenEnd != 0) {
        dice |= FirstDiceShowing(a, a.OpenEnd, 1);
    }
    return dice;
}

// How many dice of a face to aim for on its upper line. When even one die of every open face would
// still reach the bonus, the computer aims for five, settling for less only in the last turns;
// otherwise three of the face, or four while the sheet is behind par.
std::int32_t TargetCount(const TTurnView& view, int face) {
    std::int32_t reachable = UpperSum(view.Sheet);
    for (int line = Aces; line <= Sixes; ++line) {
        if (!IsScored(view.Sheet, line)) {
            reachable += line + 1;
        }
    }
    if (reachable >= UpperBonusThreshold) {
        return std::min(16 - view.Turn, 5);
    }
    return std::max(std::min((4 * face - 1 - UpperPar(view.Sheet)) / face, 4), 3);
}

double LineChanceOn(const TTurnView& view, int line, const TEstimators& estimate) {
    const TDiceAnalysis& a = view.Analysis;
    if (line < Aces || line > ChanceLine) {
        return 0.0;
    }
    // A Quintix line holding 50 stays worth aiming for: a further five of a kind earns the bonus.
    if (line == QuintixLine) {
        if (view.Sheet.Lines[QuintixLine] == 0) {
            return 0.0;
        }
    } else if (IsScored(view.Sheet, line)) {
        return 0.0;
    }
    if (line >= ThreeOfAKind && CanScore(a, line)) {
        return 1.0;
    }

    const bool twoRolls = TwoRolls(view);
    switch (line) {
        case ThreeOfAKind:
            return estimate.Kind(3, a.MaxCount, twoRolls);
        case FourOfAKind:
            return estimate.Kind(4, a.MaxCount, twoRolls);
        case FullHouse:
            return estimate.FullHouse(std::min(a.MaxCount, 3), a.TwoPairs, twoRolls);
        case SmallStraight: {
            const std::int32_t ways = std::min(4 - (a.RunHigh - a.RunLow), std::min(a.RunLow, 7 - a.RunHigh));
            return estimate.Straight(5 - a.RunCount, 4 - a.RunCount, twoRolls, ways);
        }
        case LargeStraight: {
            std::int32_t rolled = 5 - a.RunCount;
            std::int32_t ways = 2;
            if (a.OpenEnd != 0) {
                rolled = rolled - 1;
                ways = 1;
            }
            return estimate.Straight(rolled, rolled, twoRolls, ways);
        }
        case QuintixLine:
            return estimate.Kind(5, a.MaxCount, twoRolls);
        case ChanceLine:
            return 0.0;  // open means CanScore, settled above
        default: {
            const int face = line + 1;
            const std::int32_t target = TargetCount(view, face);
            const std::int32_t count = Count(a, face);
            if (count >= target) {
                return 1.0;
            }
            return estimate.Face(target - count, 5 - count, twoRolls);
        }
    }
}

// Ties go to the earlier line, so this order is also the order of preference: the upper lines from
// Sixes down, then the rarer lower lines first. "Chance" would always win with 1.0 and is left to the
// end, asked only when nothing else is worth a roll.
constexpr std::array<int, 12> AimOrder = {
    Sixes,       Fives,         Fours,         Threes,    Twos,        Aces,
    QuintixLine, LargeStraight, SmallStraight, FullHouse, FourOfAKind, ThreeOfAKind,
};

TDiceSet ChooseDiceToRollOn(const TTurnView& view, const TEstimators& estimate) {
    double best = 0.0;
    TDiceSet bestDice = AllDice;
    for (const int line : AimOrder) {
        const double chance = LineChanceOn(view, line, estimate);
        if (chance > best) {
            best = chance;
            bestDice = DiceToRoll(view, line);
        }
    }
    if (best == 0.0 && LineChanceOn(view, ChanceLine, estimate) > best) {
        bestDice = DiceToRoll(view, ChanceLine);
    }
    return bestDice;
}

TComputerDecision ScoreDecision(int line) {
    return TComputerDecision{TComputerDecision::TKind::Score, line, 0};
}

TComputerDecision RollDecision(TDiceSet dice) {
    return TComputerDecision{TComputerDecision::TKind::Roll, NoLine, dice};
}

// The line to score once the computer has stopped rolling. The preferences protect the upper bonus:
// an upper line that keeps the section on par comes before the lower lines. The order of the steps,
// down to the lines given up with 0, makes this player what it is and must not change. When
// the sheet has no open line at all, which no game asks, the result names line -1.
TComputerDecision ChooseLineToScore(const TTurnView& view) {
    const TDiceAnalysis& a = view.Analysis;
    const TGameScore& sheet = view.Sheet;
    const auto open = [&sheet](int line) { return line != NoLine && !IsScored(sheet, line); };
    const auto worthScoring = [&](int line) { return LineValue(a, line) > 0 && open(line); };
    const std::int32_t upperSum = UpperSum(sheet);

    if (UpperBonus(sheet) == UpperBonusScore) {
        for (const int line : {FourOfAKind, ThreeOfAKind}) {
            if (worthScoring(line)) {
                return ScoreDecision(line);
            }
        }
    }

    std::int32_t bestPar = -100;  // below the par of any sheet with an open upper line
    int bestUpper = NoLine;
    for (int line = Aces; line <= Sixes; ++line) {
        if (!open(line)) {
            continue;
        }
        const int face = line + 1;
        if (UpperBonus(sheet) == 0 && upperSum + Count(a, face) * face >= UpperBonusThreshold) {
            return ScoreDecision(line);
        }
        // An equal value keeps the lower line.
        const std::int32_t par = UpperParWith(view, line);
        if (par > bestPar) {
            bestPar = par;
            bestUpper = line;
        }
    }
    if (open(bestUpper) && bestPar >= UpperPar(sheet)) {
        return ScoreDecision(bestUpper);
    }
    for (const int line : {FourOfAKind, ThreeOfAKind}) {
        if (worthScoring(line)) {
            return ScoreDecision(line);
        }
    }
    if (open(ChanceLine)) {
        return ScoreDecision(ChanceLine);
    }
    if (bestPar >= 0 && open(bestUpper)) {
        return ScoreDecision(bestUpper);
    }
    for (const int line : {QuintixLine, LargeStraight, FullHouse}) {
        if (open(line)) {
            return ScoreDecision(line);
        }
    }
    // While the upper sum is low, an upper line at most 3 behind par is given up before a straight.
    if (upperSum < 35 && bestPar >= -3 && open(bestUpper)) {
        return ScoreDecision(bestUpper);
    }
    for (const int line : {SmallStraight, FourOfAKind, ThreeOfAKind}) {
        if (open(line)) {
            return ScoreDecision(line);
        }
    }
    return ScoreDecision(bestUpper);
}

}  // namespace

double LineChance(const TTurnView& view, int line) {
    return LineChanceOn(view, line, CachedEstimators);
}

TDiceSet DiceToRoll(const TTurnView& view, int line) {
    const TDiceAnalysis& a = view.Analysis;
    TDiceSet kept = 0;
    switch (line) {
        case ThreeOfAKind:
        case FourOfAKind:
        case QuintixLine:
            kept = FirstDiceShowing(a, a.MaxFace, a.MaxCount);
            break;
        case FullHouse:
            if (a.TwoPairs) {
                // Two pairs stay; only the odd die is rolled.
                for (int face = 1; face <= NoOfFaces; ++face) {
                    if (Count(a, face) == 1) {
                        return FirstDiceShowing(a, face, 1);
                    }
                }
            }
            kept = FirstDiceShowing(a, a.MaxFace, std::min(a.MaxCount, 3));
            break;
        case SmallStraight:
            kept = RunDice(a, a.RunCount == 4);
            break;
        case LargeStraight:
            kept = RunDice(a, true);
            break;
        case ChanceLine:
            kept = FirstDiceShowing(a, 6, Count(a, 6));
            break;
        default:
            if (IsUpper(line)) {
                kept = FirstDiceShowing(a, line + 1, Count(a, line + 1));
            }
            break;
    }
    return static_cast<TDiceSet>(AllDice & ~kept);
}

TDiceSet ChooseDiceToRoll(const TTurnView& view) {
    return ChooseDiceToRollOn(view, CachedEstimators);
}

std::int32_t UpperParWith(const TTurnView& view, int line) {
    std::int32_t par = UpperPar(view.Sheet);
    if (IsUpper(line) && !IsScored(view.Sheet, line)) {
        const int face = line + 1;
        par += (Count(view.Analysis, face) - ParCount) * face;
    }
    return par;
}

TComputerDecision DecideComputerMove(const TTurnView& view) {
    return DecideComputerMove(view, CachedEstimators);
}

TComputerDecision DecideComputerMove(const TTurnView& view, const TEstimators& estimators) {
    const TDiceAnalysis& a = view.Analysis;
    const TGameScore& sheet = view.Sheet;
    const auto worthScoring = [&](int line) { return LineValue(a, line) > 0 && !IsScored(sheet, line); };

    for (const int line : {QuintixLine, LargeStraight}) {
        if (worthScoring(line)) {
            return ScoreDecision(line);
        }
    }
    // Before the last roll a small straight stays in play for the large one.
    if ((view.RollCount == MaxRolls || IsScored(sheet, LargeStraight)) && worthScoring(SmallStraight)) {
        return ScoreDecision(SmallStraight);
    }
    if (worthScoring(FullHouse)) {
        return ScoreDecision(FullHouse);
    }

    // A repeated five of a kind is scored at once, for its bonus, whatever else the dice might become.
    const bool repeatedQuintix = CanScore(a, QuintixLine) && sheet.Lines[QuintixLine] == QuintixScore;
    if (view.RollCount < MaxRolls && !repeatedQuintix) {
        const TDiceSet dice = ChooseDiceToRollOn(view, estimators);
        if (dice != 0) {
            return RollDecision(dice);
        }
    }
    return ChooseLineToScore(view);
}

}  // namespace quintix
