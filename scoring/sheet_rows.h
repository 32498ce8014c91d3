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

struct TSheetRow {
    TGrid Grid = TGrid::Upper;
    TRowKind Kind = TRowKind::Header;
    int Line = -1;           // for TRowKind::Line, the scoring line 0..12
    std::string_view Label;  // column 0's text, in English: the windows translate it; none in the header
};

// A row of one grid, counted from 0 at its top.
struct TGridRow {
    TGrid Grid = TGrid::Upper;
    int Row = 0;

    bool operator==(const TGridRow&) const = default;
};

// The rows of the three grids, grid after grid, each from its top: the one table between the
// grids' rows, the scoring lines and the labels. The grids, their double-click, the printout and
// the tools all go through it, whichever way they look. The upper section's three total rows sit
// between "Sixes" and "3 Of A Kind".
inline constexpr std::array<TSheetRow, 21> SheetRows{{
    {TGrid::Upper, TRowKind::Header, -1, {}},
    {TGrid::Upper, TRowKind::Line, Aces, Translatable("Core", "Aces")},
    {TGrid::Upper, TRowKind::Line, Twos, Translatable("Core", "Twos")},
    {TGrid::Upper, TRowKind::Line, Threes, Translatable("Core", "Threes")},
    {TGrid::Upper, TRowKind::Line, Fours, Translatable("Core", "Fours")},
    {TGrid::Upper, TRowKind::Line, Fives, Translatable("Core", "Fives")},
    {TGrid::Upper, TRowKind::Line, Sixes, Translatable("Core", "Sixes")},
    {TGrid::Upper, TRowKind::UpperSum, -1, Translatable("Core", "Total")},
    {TGrid::Upper, TRowKind::UpperBonus, -1, Translatable("Core", "Bonus")},
    {TGrid::Upper, TRowKind::UpperTotal, -1, Translatable("Core", "Upper Total")},
    {TGrid::Lower, TRowKind::Line, ThreeOfAKind, Translatable("Core", "3 Of A Kind")},
    {TGrid::Lower, TRowKind::Line, FourOfAKind, Translatable("Core", "4 Of A Kind")},
    {TGrid::Lower, TRowKind::Line, FullHouse, Translatable("Core", "Full House")},
    {TGrid::Lower, TRowKind::Line, SmallStraight, Translatable("Core", "Small Straight")},
    {TGrid::Lower, TRowKind::Line, LargeStraight, Translatable("Core", "Large Straight")},
    {TGrid::Lower, TRowKind::Line, QuintixLine, Translatable("Core", "Quintix")},
    {TGrid::Lower, TRowKind::Line, ChanceLine, Translatable("Core", "Chance")},
    {TGrid::Lower, TRowKind::LowerTotal, -1, Translatable("Core", "Lower Total")},
    {TGrid::Total, TRowKind::GameTotal, -1, Translatable("Core", "Game Total")},
    {TGrid::Total, TRowKind::QuintixBonus, -1, Translatable("Core", "Quintix Bonus")},
    {TGrid::Total, TRowKind::GrandTotal, -1, Translatable("Core", "Grand Total")},
}};

constexpr int RowCount(TGrid grid) {
    int count = 0;
    for (const TSheetRow& row : SheetRows) {
        count += row.Grid == grid ? 1 : 0;
    }
    return count;
}

// Where SheetRows[index] stands in its grid.
constexpr TGridRow GridRowOf(std::size_t index) {
    const TGrid grid = SheetRows[index].Grid;
    int row = 0;
    for (std::size_t above = index; above > 0 && SheetRows[above - 1].Grid == grid; --above) {
        ++row;
    }
    return {grid, row};
}

// What a row of a grid holds. A row outside the grid reads as a header, which holds no line.
constexpr TSheetRow SheetRow(TGrid grid, int row) {
    if (row < 0 || row >= RowCount(grid)) {
        return {grid, TRowKind::Header, -1, {}};
    }
    std::size_t top = 0;
    while (SheetRows[top].Grid != grid) {
        ++top;
    }
    return SheetRows[top + static_cast<std::size_t>(row)];
}

// Where scoring line 0..12 stands; for any other number the upper grid's header, which holds none.
constexpr TGridRow LineRow(int line) {
    for (std::size_t index = 0; index < SheetRows.size(); ++index) {
        if (SheetRows[index].Kind == TRowKind::Line && SheetRows[index].Line == line) {
            return GridRowOf(index);
        }
    }
    return {};
}

// The label of scoring line 0..12; empty for any other number.
constexpr std::string_view LineLabel(int line) {
    const TGridRow at = LineRow(line);
    return SheetRow(at.Grid, at.Row).Label;
}

}  // namespace quintix
