#include "scoring/cell_texts.h"

#include <cstddef>

#include "scoring/line_value.h"
#include "scoring/row_labels.h"
#include "scoring/totals.h"

namespace quintix {

namespace {

constexpr int UpperRows = 10;  // a header row, six lines, then "Total", "Bonus", "Upper Total"
constexpr int LowerRows = 8;   // seven lines, then "Lower Total"
constexpr int TotalRows = 3;

const TGameScore* SheetAt(const TSheetView& view, int scoreIndex, int game) {
    if (view.Scores == nullptr || scoreIndex < 1 || scoreIndex > MaxPlayers || game < 1 || game > MaxGames) {
        return nullptr;
    }
    return &(*view.Scores)[scoreIndex][game];
}

bool InGrid(int column, int row, int rows) {
    return column >= 0 && column <= MaxGames && row >= 0 && row < rows;
}

std::string Label(int index) {
    return std::string(RowLabels[static_cast<std::size_t>(index)]);
}

// The sheet behind a score cell, or none when the cell stays empty: a game not started yet (every
// game during the roll for order) or beyond the series.
const TGameScore* ShownSheet(const TSheetView& view, int scoreIndex, int column) {
    if (column > view.CurrentGame || column > view.NoOfGames) {
        return nullptr;
    }
    return SheetAt(view, scoreIndex, column);
}

}  // namespace

std::string LineText(const TSheetView& view, int scoreIndex, int game, int line, bool noPossible) {
    const TGameScore* sheet = SheetAt(view, scoreIndex, game);
    if (sheet == nullptr || line < Aces || line > ChanceLine) {
        return {};
    }
    const std::int32_t value = sheet->Lines[static_cast<std::size_t>(line)];
    if (value != NoValue) {
        return std::to_string(value);
    }
    if (!noPossible && view.ShowPossible && scoreIndex == view.OnTurnIndex && view.Analysis != nullptr) {
        return std::to_string(LineValue(*view.Analysis, line));
    }
    return {};
}

std::string UpperRowText(const TSheetView& view, int scoreIndex, int column, int row, bool noPossible) {
    if (!InGrid(column, row, UpperRows)) {
        return {};
    }
    // The header numbers every game column, whether or not its game is part of the series.
    if (row == 0) {
        return column >= 1 ? std::to_string(column) : std::string();
    }
    if (column == 0) {
        return Label(row - 1);
    }
    const TGameScore* sheet = ShownSheet(view, scoreIndex, column);
    if (sheet == nullptr) {
        return {};
    }
    switch (row) {
        case 7:
            return std::to_string(UpperSum(*sheet));
        case 8:
            return std::to_string(UpperBonus(*sheet));
        case 9:
            return std::to_string(UpperTotal(*sheet));
        default:
            return LineText(view, scoreIndex, column, row - 1, noPossible);
    }
}

std::string LowerRowText(const TSheetView& view, int scoreIndex, int column, int row, bool noPossible) {
    if (!InGrid(column, row, LowerRows)) {
        return {};
    }
    if (column == 0) {
        return Label(row + 9);
    }
    const TGameScore* sheet = ShownSheet(view, scoreIndex, column);
    if (sheet == nullptr) {
        return {};
    }
    if (row == LowerRows - 1) {
        return std::to_string(LowerTotal(*sheet));
    }
    return LineText(view, scoreIndex, column, row + ThreeOfAKind, noPossible);
}

std::string TotalRowText(const TSheetView& view, int scoreIndex, int column, int row) {
    if (!InGrid(column, row, TotalRows)) {
        return {};
    }
    if (column == 0) {
        return Label(row + 17);
    }
    const TGameScore* sheet = ShownSheet(view, scoreIndex, column);
    if (sheet == nullptr) {
        return {};
    }
    switch (row) {
        case 0:
            return std::to_string(GameTotal(*sheet));
        case 1:
            return std::to_string(sheet->Bonus);
        default:
            return std::to_string(GrandTotal(*sheet));
    }
}

}  // namespace quintix
