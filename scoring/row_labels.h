#pragma once

#include <array>
#include <string_view>

namespace quintix {

constexpr int NoOfRowLabels = 20;

// The row labels of the sheet in sheet order, shared by the three grids (column 0) and the printed
// sheet. The upper section's three total rows sit between "Sixes" and "3 Of A Kind".
inline constexpr std::array<std::string_view, NoOfRowLabels> RowLabels{
    "Aces",        "Twos",        "Threes",         "Fours",          "Fives",
    "Sixes",       "Total",       "Bonus",          "Upper Total",    "3 Of A Kind",
    "4 Of A Kind", "Full House",  "Small Straight", "Large Straight", "Quintix",
    "Chance",      "Lower Total", "Game Total",     "Quintix Bonus",  "Grand Total",
};

// The label of scoring line 0..12; empty for any other number.
std::string_view LineLabel(int line);

}  // namespace quintix
