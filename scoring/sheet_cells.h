#pragma once

#include <cstdint>
#include <string>

#include "base/types.h"
#include "scoring/dice_analysis.h"
#include "scoring/sheet_rows.h"

namespace quintix {

// Which cell was scored last, for the grids' highlight.
struct TLastScore {
    std::int32_t LastIndex = 0;  // ScoreIndex of the player who scored
    std::int32_t LastGame = 0;
    std::uint8_t LastLine = 0;
    bool LastValid = false;
    bool LastUpperBonus = false;    // that score made the upper bonus appear
    bool LastQuintixBonus = false;  // that score added a Quintix bonus

    bool operator==(const TLastScore&) const = default;
};

// What the cells need beyond the sheets: the game's progress, the dice of the player on turn and
// the last score.
struct TSheetView {
    const TScores* Scores = nullptr;
    std::int32_t CurrentGame = 0;  // 0 in the roll for order, NoOfGames + 1 once the series is over
    std::int32_t NoOfGames = 1;
    bool ShowPossible = false;
    std::int32_t OnTurnIndex = 0;  // ScoreIndex of the player on turn
    const TDiceAnalysis* Analysis = nullptr;
    const TLastScore* Last = nullptr;
};

// A grid cell as painted: unscored lines are italic (possible values among them), and the last
// score stands out.
struct TCell {
    std::string Text;
    bool Italic = false;
    bool Highlighted = false;

    bool operator==(const TCell&) const = default;
};

// Cell (column, row) of a grid for the sheets of one player: the design's UpperRowText,
// LowerRowText and TotalRowText, with the font style and the highlight. Column 0 holds the labels,
// columns 1..6 the games. Score cells of a game not yet started or beyond the series are empty, and
// so is every score cell of a scoreIndex outside 1..6. The printout passes noPossible, so that
// possible values never appear on paper.
TCell SheetCell(const TSheetView& view, TGrid grid, int scoreIndex, int column, int row, bool noPossible);

}  // namespace quintix
