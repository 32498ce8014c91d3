#include "computer/turn_batch.h"

#include <limits>

namespace quintix {

namespace {

using TLanes = TTurnBatch::TLanes;

// The lanes are worked two at a time, the width of every x86-64 processor's vector registers; the
// compiler's vector type keeps the code portable to other processors. It may alias the doubles it
// is read from. Not every compiler lets a vector type ask less alignment than its size, so every
// array of lanes worked through it starts on a pair's boundary.
using TPair = double __attribute__((vector_size(2 * sizeof(double)), may_alias, aligned(alignof(double))));
constexpr int PairCount = BatchLanes / 2;

TPair* Pairs(TLanes& lanes) {
    return reinterpret_cast<TPair*>(lanes.data());
}

const TPair* Pairs(const TLanes& lanes) {
    return reinterpret_cast<const TPair*>(lanes.data());
}

constexpr double Nothing = -std::numeric_limits<double>::infinity();

double Better(double a, double b) {
    return a < b ? b : a;
}

TPair Better(TPair a, TPair b) {
    return a < b ? b : a;
}

// The roll of five dice showing `face`.
int FiveOfAKind(int face) {
    static const std::array<int, NoOfFaces + 1> rolls = [] {
        std::array<int, NoOfFaces + 1> r{};
        for (int f = 1; f <= NoOfFaces; ++f) {
            TDiceMultisets::TCounts counts{};
            counts[static_cast<std::size_t>(f - 1)] = NoOfDice;
            r[static_cast<std::size_t>(f)] = DiceMultisets().IndexOf(counts) - TDiceMultisets::FirstRoll;
        }
        return r;
    }();
    return rolls[static_cast<std::size_t>(face)];
}

}  // namespace

double ScoreValue(std::span<const double> solved, const TSolverState& s, int line, int roll) {
    const int face = DiceMultisets().FiveOfAKindFace(TDiceMultisets::FirstRoll + roll);
    const bool faceLineScored = face != 0 && (s.Scored & LineBit(face - 1)) != 0;
    const TScoreStep step =
        ScoreStep(s, line, RollPoints().Score(roll, line, QuintixLineOf(s), faceLineScored));
    return static_cast<double>(step.Points) + solved[StateIndex(step.Next)];
}

void ScoreRolls(std::span<const double> solved, TTurnBatch& batch) {
    const TDiceMultisets& sets = DiceMultisets();
    const std::uint16_t scored = batch.States[0].Scored;
    // What scoring on each open line is worth, worked out as ScoreValue does, so that every roll
    // but a five of a kind ends with the very double ScoreValue gives. An upper line's worth
    // depends on the roll only through the number of dice showing its face.
    alignas(TPair) std::array<std::array<TLanes, NoOfDice + 1>, Sixes + 1> upperWorth;
    std::array<int, Sixes + 1> upperLines;
    int uppers = 0;
    alignas(TPair) std::array<TLanes, NoOfLines> lowerAfter;
    std::array<const TRollPoints::TLineValues*, NoOfLines> lowerValues;
    int lowers = 0;
    for (int line = 0; line < NoOfLines; ++line) {
        if ((scored & LineBit(line)) != 0) {
            continue;
        }
        if (line <= Sixes) {
            auto& worth = upperWorth[static_cast<std::size_t>(uppers)];
            for (int count = 0; count <= NoOfDice; ++count) {
                const TRollScore score{static_cast<std::int16_t>(count * (line + 1)), false};
                for (int w = 0; w < BatchLanes; ++w) {
                    const TScoreStep step = ScoreStep(batch.States[w], line, score);
                    worth[count][w] = static_cast<double>(step.Points) + solved[StateIndex(step.Next)];
                }
            }
            upperLines[static_cast<std::size_t>(uppers++)] = line;
        } else {
            TLanes& after = lowerAfter[static_cast<std::size_t>(lowers)];
            for (int w = 0; w < BatchLanes; ++w) {
                after[w] = solved[StateIndex(ScoreStep(batch.States[w], line, TRollScore{}).Next)];
            }
            lowerValues[static_cast<std::size_t>(lowers++)] = &RollPoints().PlainValues(line);
        }
    }

    for (int roll = 0; roll < TDiceMultisets::RollCount; ++roll) {
        const TDiceMultisets::TCounts& counts = sets.Counts(TDiceMultisets::FirstRoll + roll);
        TPair best[PairCount];
        for (TPair& b : best) {
            b = TPair{Nothing, Nothing};
        }
        for (int u = 0; u < uppers; ++u) {
            const std::size_t count =
                counts[static_cast<std::size_t>(upperLines[static_cast<std::size_t>(u)])];
            const TPair* worth = Pairs(upperWorth[static_cast<std::size_t>(u)][count]);
            for (int p = 0; p < PairCount; ++p) {
                best[p] = Better(best[p], worth[p]);
            }
        }
        for (int l = 0; l < lowers; ++l) {
            const double value = (*lowerValues[static_cast<std::size_t>(l)])[static_cast<std::size_t>(roll)];
            const TPair* after = Pairs(lowerAfter[static_cast<std::size_t>(l)]);
            for (int p = 0; p < PairCount; ++p) {
                best[p] = Better(best[p], value + after[p]);
            }
        }
        TPair* slot = Pairs(batch.Values[TDiceMultisets::FirstRoll + roll]);
        for (int p = 0; p < PairCount; ++p) {
            slot[p] = best[p];
        }
    }

    // A five of a kind is worth what the sheet of each lane makes it.
    const TRollPoints& points = RollPoints();
    for (int face = 1; face <= NoOfFaces; ++face) {
        const int roll = FiveOfAKind(face);
        const bool faceLineScored = (scored & LineBit(face - 1)) != 0;
        TLanes& best = batch.Values[TDiceMultisets::FirstRoll + roll];
        best.fill(Nothing);
        for (int line = 0; line < NoOfLines; ++line) {
            if ((scored & LineBit(line)) != 0) {
                continue;
            }
            for (int w = 0; w < BatchLanes; ++w) {
                const TSolverState& s = batch.States[w];
                const TScoreStep step =
                    ScoreStep(s, line, points.Score(roll, line, QuintixLineOf(s), faceLineScored));
                best[w] = Better(best[w], static_cast<double>(step.Points) + solved[StateIndex(step.Next)]);
            }
        }
    }
}

void AverageKept(TTurnBatch& batch) {
    const TDiceMultisets& sets = DiceMultisets();
    const TPair sixth = {1.0 / NoOfFaces, 1.0 / NoOfFaces};
    for (int set = TDiceMultisets::FirstRoll - 1; set >= 0; --set) {
        const TPair* a = Pairs(batch.Values[sets.WithDie(set, 1)]);
        const TPair* b = Pairs(batch.Values[sets.WithDie(set, 2)]);
        const TPair* c = Pairs(batch.Values[sets.WithDie(set, 3)]);
        const TPair* d = Pairs(batch.Values[sets.WithDie(set, 4)]);
        const TPair* e = Pairs(batch.Values[sets.WithDie(set, 5)]);
        const TPair* f = Pairs(batch.Values[sets.WithDie(set, 6)]);
        TPair* kept = Pairs(batch.Values[set]);
        for (int p = 0; p < PairCount; ++p) {
            kept[p] = (a[p] + b[p] + c[p] + d[p] + e[p] + f[p]) * sixth;
        }
    }
}

TLanes FirstRollAverage(const TTurnBatch& batch) {
    // The chance of each roll: the orders the dice can show it in, out of 6^5.
    static const std::array<double, TDiceMultisets::RollCount> chances = [] {
        std::array<double, TDiceMultisets::RollCount> c{};
        for (int roll = 0; roll < TDiceMultisets::RollCount; ++roll) {
            c[static_cast<std::size_t>(roll)] =
                DiceMultisets().Ways(TDiceMultisets::FirstRoll + roll) / double{TDiceMultisets::Orders};
        }
        return c;
    }();
    TPair sum[PairCount];
    for (TPair& s : sum) {
        s = TPair{0.0, 0.0};
    }
    for (int roll = 0; roll < TDiceMultisets::RollCount; ++roll) {
        const TPair* worth = Pairs(batch.Values[TDiceMultisets::FirstRoll + roll]);
        const double chance = chances[static_cast<std::size_t>(roll)];
        for (int p = 0; p < PairCount; ++p) {
            sum[p] += chance * worth[p];
        }
    }
    alignas(TPair) TLanes average;
    for (int p = 0; p < PairCount; ++p) {
        Pairs(average)[p] = sum[p];
    }
    return average;
}

void TakeBestKept(TTurnBatch& batch) {
    const TDiceMultisets& sets = DiceMultisets();
    for (int set = TDiceMultisets::Empty + 1; set < TDiceMultisets::Count; ++set) {
        TPair* slot = Pairs(batch.Values[set]);
        TPair best[PairCount];
        for (int p = 0; p < PairCount; ++p) {
            best[p] = slot[p];
        }
        const auto& fewer = sets.Fewer(set);
        for (int i = 0; i < sets.FewerCount(set); ++i) {
            const TPair* subset = Pairs(batch.Values[fewer[static_cast<std::size_t>(i)]]);
            for (int p = 0; p < PairCount; ++p) {
                best[p] = Better(best[p], subset[p]);
            }
        }
        for (int p = 0; p < PairCount; ++p) {
            slot[p] = best[p];
        }
    }
}

void KeptWorthAfter(std::span<const double> solved, TTurnBatch& batch, int roll) {
    ScoreRolls(solved, batch);
    AverageKept(batch);
    for (int later = MaxRolls - 1; later > roll; --later) {
        TakeBestKept(batch);
        AverageKept(batch);
    }
}

}  // namespace quintix
