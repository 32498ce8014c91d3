#include "computer/turn_batch.h"

#include <cstring>
#include <limits>

namespace quintix {

namespace {

using TLanes = TTurnBatch::TLanes;

// The lanes are worked two at a time, the width of every x86-64 processor's vector registers; the
// compiler's vector type keeps the code portable to other processors.
using TPair = double __attribute__((vector_size(2 * sizeof(double))));
constexpr int PairCount = BatchLanes / 2;
struct TPairs {
    TPair Pair[PairCount];
};

TPairs Load(const TLanes& lanes) {
    TPairs pairs;
    std::memcpy(&pairs, lanes.data(), sizeof pairs);
    return pairs;
}

void Store(TLanes& lanes, const TPairs& pairs) {
    std::memcpy(lanes.data(), &pairs, sizeof pairs);
}

constexpr double Nothing = -std::numeric_limits<double>::infinity();

double Better(double a, double b) {
    return a < b ? b : a;
}

TPair Better(TPair a, TPair b) {
    return a < b ? b : a;
}

// Makes `best` the better of itself and `other`, lane by lane.
void TakeBetter(TLanes& best, const TLanes& other) {
    TPairs b = Load(best);
    const TPairs o = Load(other);
    for (int p = 0; p < PairCount; ++p) {
        b.Pair[p] = Better(b.Pair[p], o.Pair[p]);
    }
    Store(best, b);
}

double ScoreValueOf(std::span<const double> solved, const TSolverState& s, int line, int roll, int face) {
    const bool faceLineScored = face != 0 && (s.Scored & LineBit(face - 1)) != 0;
    const TRollScore score = RollPoints().Score(roll, line, QuintixLineOf(s), faceLineScored);
    const TScoreStep step = ScoreStep(s, line, score);
    return static_cast<double>(step.Points) + solved[StateIndex(step.Next)];
}

}  // namespace

double ScoreValue(std::span<const double> solved, const TSolverState& s, int line, int roll) {
    const int face = DiceMultisets().FiveOfAKindFace(TDiceMultisets::FirstRoll + roll);
    return ScoreValueOf(solved, s, line, roll, face);
}

void ScoreRolls(std::span<const double> solved, TTurnBatch& batch) {
    const TDiceMultisets& sets = DiceMultisets();
    TLanes* rolls = &batch.Values[TDiceMultisets::FirstRoll];
    for (int roll = 0; roll < TDiceMultisets::RollCount; ++roll) {
        rolls[roll].fill(Nothing);
    }
    const std::uint16_t scored = batch.States[0].Scored;
    for (int line = 0; line < NoOfLines; ++line) {
        if ((scored & LineBit(line)) != 0) {
            continue;
        }
        // Both branches work out ScoreValue's very sum, so every roll but a five of a kind ends
        // with the double that ScoreValue gives.
        if (line <= Sixes) {
            const int face = line + 1;
            std::array<TLanes, NoOfDice + 1> byCount;
            for (int count = 0; count <= NoOfDice; ++count) {
                const TRollScore score{static_cast<std::int16_t>(count * face), false};
                for (int w = 0; w < BatchLanes; ++w) {
                    const TScoreStep step = ScoreStep(batch.States[w], line, score);
                    byCount[count][w] = static_cast<double>(step.Points) + solved[StateIndex(step.Next)];
                }
            }
            for (int roll = 0; roll < TDiceMultisets::RollCount; ++roll) {
                TakeBetter(rolls[roll], byCount[sets.Counts(TDiceMultisets::FirstRoll + roll)[line]]);
            }
        } else {
            TLanes after;
            for (int w = 0; w < BatchLanes; ++w) {
                after[w] = solved[StateIndex(ScoreStep(batch.States[w], line, TRollScore{}).Next)];
            }
            const TPairs next = Load(after);
            const TRollPoints::TLineValues& values = RollPoints().PlainValues(line);
            for (int roll = 0; roll < TDiceMultisets::RollCount; ++roll) {
                TPairs best = Load(rolls[roll]);
                for (int p = 0; p < PairCount; ++p) {
                    best.Pair[p] = Better(best.Pair[p], values[roll] + next.Pair[p]);
                }
                Store(rolls[roll], best);
            }
        }
    }
    // A five of a kind is worth what the sheet of each lane makes it.
    for (int face = 1; face <= NoOfFaces; ++face) {
        TDiceMultisets::TCounts counts{};
        counts[static_cast<std::size_t>(face - 1)] = NoOfDice;
        const int roll = sets.IndexOf(counts) - TDiceMultisets::FirstRoll;
        for (int w = 0; w < BatchLanes; ++w) {
            double best = Nothing;
            for (int line = 0; line < NoOfLines; ++line) {
                if ((scored & LineBit(line)) == 0) {
                    best = Better(best, ScoreValueOf(solved, batch.States[w], line, roll, face));
                }
            }
            rolls[roll][w] = best;
        }
    }
}

void AverageKept(TTurnBatch& batch) {
    const TDiceMultisets& sets = DiceMultisets();
    const TPair sixth = {1.0 / NoOfFaces, 1.0 / NoOfFaces};
    for (int set = TDiceMultisets::FirstRoll - 1; set >= 0; --set) {
        const TPairs a = Load(batch.Values[sets.WithDie(set, 1)]);
        const TPairs b = Load(batch.Values[sets.WithDie(set, 2)]);
        const TPairs c = Load(batch.Values[sets.WithDie(set, 3)]);
        const TPairs d = Load(batch.Values[sets.WithDie(set, 4)]);
        const TPairs e = Load(batch.Values[sets.WithDie(set, 5)]);
        const TPairs f = Load(batch.Values[sets.WithDie(set, 6)]);
        TPairs kept;
        for (int p = 0; p < PairCount; ++p) {
            kept.Pair[p] = (a.Pair[p] + b.Pair[p] + c.Pair[p] + d.Pair[p] + e.Pair[p] + f.Pair[p]) * sixth;
        }
        Store(batch.Values[set], kept);
    }
}

void TakeBestKept(TTurnBatch& batch) {
    const TDiceMultisets& sets = DiceMultisets();
    for (int set = TDiceMultisets::Empty + 1; set < TDiceMultisets::Count; ++set) {
        TPairs best = Load(batch.Values[set]);
        const auto& fewer = sets.Fewer(set);
        for (int i = 0; i < sets.FewerCount(set); ++i) {
            const TPairs subset = Load(batch.Values[fewer[static_cast<std::size_t>(i)]]);
            for (int p = 0; p < PairCount; ++p) {
                best.Pair[p] = Better(best.Pair[p], subset.Pair[p]);
            }
        }
        Store(batch.Values[set], best);
    }
}

}  // namespace quintix
