#pragma once

#include <cstdint>
#include <string>

#include "base/types.h"
#include "scoring/dice_analysis.h"

namespace quintix {

// What the cells need beyond the sheets: the game's progress and the dice of the player on turn.
struct TSheetView {
    const TScores* Scores = nullptr;
    std::int32_t CurrentGame = 0;  // 0 in the roll for order, NoOfGames + 1 once the series is over
    std::int32_t NoOfGames = 1;
    bool ShowPossible = false;
    std::int32_t OnTurnIndex = 0;  // ScoreIndex of the player on turn
    const TDiceAnalysis* Analysis = nullptr;
};

// The text of line 0..12 of one sheet: its score, or while possible values are shown and the sheet
// belongs to the player on turn, what the current dice would score there ("0" included).
std::string LineText(const TSheetView& view, int scoreIndex, int game, int line, bool noPossible);

// The texts of the three score grids, by grid column (0 = labels, 1..6 = games) and row. The printed
// sheet passes noPossible so that possible values never appear on paper. Score cells of a game not
// yet started or beyond the series are empty; so is any cell outside the grids, and any score cell
// of a scoreIndex outside 1..6.
std::string UpperRowText(const TSheetView& view, int scoreIndex, int column, int row, bool noPossible);
std::string LowerRowText(const TSheetView& view, int scoreIndex, int column, int row, bool noPossible);
std::string TotalRowText(const TSheetView& view, int scoreIndex, int column, int row);

}  // namespace quintix
