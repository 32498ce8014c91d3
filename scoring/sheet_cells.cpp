#include "scoring/sheet_cells.h"

#include <cstddef>

#include "scoring/line_value.h"
#include "scoring/totals.h"

namespace quintix {

namespace {

const TGameScore* SheetAt(const TSheetView& view, int scoreIndex, int game) {
    if (view.Scores == nullptr || scoreIndex < 1 || scoreIndex > MaxPlayers || game < 1 || game > MaxGames) {
        return nullptr;
    }
    return &(*view.Scores)[scoreIndex][game];
}

// The text of a line: its score, or while possible values are shown and the sheet belongs to the
// player on turn, what the current dice would score there ("0" included).
std::string LineText(const TSheetView& view, const TGameScore& sheet, int scoreIndex, int line,
                     bool noPossible) {
    const std::int32_t value = sheet.Lines[static_cast<std::size_t>(line)];
    if (value != NoValue) {
        return std::to_string(value);
    }
    if (!noPossible && view.ShowPossible && scoreIndex == view.OnTurnIndex && view.Analysis != nullptr) {
        return std::to_string(LineValue(*view.Analysis, line));
    }
    return {};
}

std::string ScoreText(const TSheetView& view, const TSheetRow& row, int scoreIndex, int column,
                      bool noPossible) {
    // A game not started yet (every game during the roll for order) or beyond the series is empty.
    if (column > view.CurrentGame || column > view.NoOfGames) {
        return {};
    }
    const TGameScore* sheet = SheetAt(view, scoreIndex, column);
    if (sheet == nullptr) {
        return {};
    }
    switch (row.Kind) {
        case TRowKind::Line:
            return LineText(view, *sheet, scoreIndex, row.Line, noPossible);
        case TRowKind::UpperSum:
            return std::to_string(UpperSum(*sheet));
        case TRowKind::UpperBonus:
            return std::to_string(UpperBonus(*sheet));
        case TRowKind::UpperTotal:
            return std::to_string(UpperTotal(*sheet));
        case TRowKind::LowerTotal:
            return std::to_string(LowerTotal(*sheet));
        case TRowKind::GameTotal:
            return std::to_string(GameTotal(*sheet));
        case TRowKind::QuintixBonus:
            return std::to_string(sheet->Bonus);
        case TRowKind::GrandTotal:
            return std::to_string(GrandTotal(*sheet));
        case TRowKind::Header:
            break;
    }
    return {};
}

bool IsHighlighted(const TSheetView& view, const TSheetRow& row, int scoreIndex, int column) {
    const TLastScore* last = view.Last;
    if (last == nullptr || !last->LastValid || scoreIndex != last->LastIndex || column != last->LastGame) {
        return false;
    }
    switch (row.Kind) {
        case TRowKind::Line:
            return row.Line == last->LastLine;
        case TRowKind::UpperBonus:
            return last->LastUpperBonus;
        case TRowKind::QuintixBonus:
            return last->LastQuintixBonus;
        default:
            return false;
    }
}

}  // namespace

TCell SheetCell(const TSheetView& view, TGrid grid, int scoreIndex, int column, int row, bool noPossible) {
    if (column < 0 || column > MaxGames || row < 0 || row >= RowCount(grid)) {
        return {};
    }
    const TSheetRow content = SheetRow(grid, row);
    TCell cell;
    if (content.Kind == TRowKind::Header) {
        // The header numbers every game column, whether or not its game is part of the series.
        cell.Text = column >= 1 ? std::to_string(column) : std::string();
        return cell;
    }
    if (column == 0) {
        cell.Text = std::string(content.Label);
        return cell;
    }
    cell.Text = ScoreText(view, content, scoreIndex, column, noPossible);
    const TGameScore* sheet = SheetAt(view, scoreIndex, column);
    cell.Italic = sheet != nullptr && content.Kind == TRowKind::Line &&
                  sheet->Lines[static_cast<std::size_t>(content.Line)] == NoValue;
    cell.Highlighted = sheet != nullptr && IsHighlighted(view, content, scoreIndex, column);
    return cell;
}

}  // namespace quintix
