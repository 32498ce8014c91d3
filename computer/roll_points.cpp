#include "computer/roll_points.h"

#include <stdexcept>

#include "scoring/dice_analysis.h"
#include "scoring/line_value.h"

namespace quintix {

namespace {

// A sheet with every line open but those the facts name. A scored upper line holds 0, which any
// roll can write there.
TGameScore SheetShowing(TQuintixLine quintix, int faceLineScored) {
    TGameScore sheet = TGameScore::Blank();
    if (quintix != TQuintixLine::Open) {
        sheet.Lines[QuintixLine] = quintix == TQuintixLine::Fifty ? QuintixScore : 0;
    }
    if (faceLineScored != 0) {
        sheet.Lines[static_cast<std::size_t>(faceLineScored - 1)] = 0;
    }
    return sheet;
}

TDiceValues DiceOf(const TDiceMultisets::TCounts& counts) {
    TDiceValues dice;
    int die = 1;
    for (int face = 1; face <= NoOfFaces; ++face) {
        for (int n = 0; n < counts[static_cast<std::size_t>(face - 1)]; ++n) {
            dice[die++] = face;
        }
    }
    return dice;
}

}  // namespace

TRollPoints::TRollPoints() : Scores(FactCount * TDiceMultisets::RollCount) {
    const TDiceMultisets& sets = DiceMultisets();
    constexpr TQuintixLine Holdings[] = {TQuintixLine::Open, TQuintixLine::Zero, TQuintixLine::Fifty};
    for (int roll = 0; roll < TDiceMultisets::RollCount; ++roll) {
        const int set = TDiceMultisets::FirstRoll + roll;
        const TDiceValues dice = DiceOf(sets.Counts(set));
        const int face = sets.FiveOfAKindFace(set);
        for (const TQuintixLine quintix : Holdings) {
            for (const bool faceLineScored : {false, true}) {
                const TGameScore sheet = SheetShowing(quintix, faceLineScored ? face : 0);
                const TDiceAnalysis analysis = AnalyseDice(dice, sheet);
                for (int line = 0; line < NoOfLines; ++line) {
                    Scores[Slot(roll, quintix, faceLineScored)][static_cast<std::size_t>(line)] = {
                        static_cast<std::int16_t>(LineValue(analysis, line)),
                        EarnsQuintixBonus(analysis, sheet)};
                }
            }
        }
        for (int line = 0; line < NoOfLines; ++line) {
            const TRollScore plain = Score(roll, line, TQuintixLine::Open, false);
            Plain[static_cast<std::size_t>(line)][static_cast<std::size_t>(roll)] = plain.Value;
            // The solver scores whole batches of positions with these values, so they must hold
            // whatever the sheet, as the rules promise for anything but a five of a kind.
            for (const TQuintixLine quintix : Holdings) {
                for (const bool faceLineScored : {false, true}) {
                    const TRollScore other = Score(roll, line, quintix, faceLineScored);
                    if (face == 0 && (other.Value != plain.Value || other.QuintixBonus)) {
                        throw std::logic_error("a roll's worth depends on the sheet beyond a five of a kind");
                    }
                }
            }
        }
    }
}

const TRollPoints& RollPoints() {
    static const TRollPoints points;
    return points;
}

}  // namespace quintix
