#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "base/translatable.h"
#include "base/types.h"

namespace quintix {

// The three grids of a sheet, as the main window and the printout lay it out.
enum class TGrid { Upper, Lower, Total };

// What a row of a grid holds in its game columns.
enum class TRowKind {
    Header,  // the game numbers
    Line,    // a scoring line
    UpperSum,
    UpperBonus,
    UpperTotal,
    LowerTotal,
    GameTotal,
    QuintixBonus,
    GrandTotal,
};

constexpr int NoOfRowLabels = 20;

// The row labels of the sheet in sheet order, shared by the three grids (column 0) and the printed
// sheet, in English: the windows translate them as they show them. The upper section's three total
// rows sit between "Sixes" and "3 Of A Kind".
inline constexpr std::array<std::string_view, NoOfRowLabels> RowLabels{
    Translatable("Core", "Aces"),           Translatable("Core", "Twos"),
    Translatable("Core", "Threes"),         Translatable("Core", "Fours"),
    Translatable("Core", "Fives"),          Translatable("Core", "Sixes"),
    Translatable("Core", "Total"),          Translatable("Core", "Bonus"),
    Translatable("Core", "Upper Total"),    Translatable("Core", "3 Of A Kind"),
    Translatable("Core", "4 Of A Kind"),    Translatable("Core", "Full House"),
    Translatable("Core", "Small Straight"), Translatable("Core", "Large Straight"),
    Translatable("Core", "Quintix"),        Translatable("Core", "Chance"),
    Translatable("Core", "Lower Total"),    Translatable("Core", "Game Total"),
    Translatable("Core", "Quintix Bonus"),  Translatable("Core", "Grand Total"),
};

struct TSheetRow {
    TRowKind Kind = TRowKind::Header;
    int Line = -1;   // for TRowKind::Line, the scoring line 0..12
    int Label = -1;  // index into RowLabels; -1 for the header row, which has none
};

constexpr int RowCount(TGrid grid) {
    switch (grid) {
        case TGrid::Upper:
            return 10;  // a header row, six lines, then "Total", "Bonus", "Upper Total"
        case TGrid::Lower:
            return 8;  // seven lines, then "Lower Total"
        case TGrid::Total:
            return 3;
    }
    return 0;
}

// The one mapping between grid rows and scoring lines; the grids, their double-click and the
// printout all go through it. A row outside the grid reads as its header, which holds no line.
constexpr TSheetRow SheetRow(TGrid grid, int row) {
    if (row < 0 || row >= RowCount(grid)) {
        return {};
    }
    switch (grid) {
        case TGrid::Upper:
            if (row == 0) {
                return {};
            }
            if (row <= 6) {
                return {TRowKind::Line, row - 1, row - 1};
            }
            return {row == 7   ? TRowKind::UpperSum
                    : row == 8 ? TRowKind::UpperBonus
                               : TRowKind::UpperTotal,
                    -1, row - 1};
        case TGrid::Lower:
            if (row <= 6) {
                return {TRowKind::Line, row + ThreeOfAKind, row + 9};
            }
            return {TRowKind::LowerTotal, -1, row + 9};
        case TGrid::Total:
            return {row == 0   ? TRowKind::GameTotal
                    : row == 1 ? TRowKind::QuintixBonus
                               : TRowKind::GrandTotal,
                    -1, row + 17};
    }
    return {};
}

// The label of scoring line 0..12; empty for any other number.
constexpr std::string_view LineLabel(int line) {
    if (line < Aces || line > ChanceLine) {
        return {};
    }
    const TSheetRow row =
        line <= Sixes ? SheetRow(TGrid::Upper, line + 1) : SheetRow(TGrid::Lower, line - ThreeOfAKind);
    return RowLabels[static_cast<std::size_t>(row.Label)];
}

}  // namespace quintix
