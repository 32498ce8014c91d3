#pragma once

namespace quintix {

class TDrawGrid;

// Makes every owner-drawn grid a table to assistive technology: its normal cells are the table's
// cells, the texts of its fixed column their row headers and the titles of its columns their column
// headers, all read through the grid's text callbacks. See InstallAccessibility.
void InstallGridAccessibility();

// The grid's cells were repainted: each cell, header included, whose text now differs from the last
// one reported says so with a name change. Nothing happens while no assistive technology listens.
void GridCellsChanged(TDrawGrid& grid);

// The grid's current cell moved: it is reported as the selected cell and, while the grid has the
// focus, as the focused one.
void GridCurrentCellMoved(TDrawGrid& grid);

}  // namespace quintix
