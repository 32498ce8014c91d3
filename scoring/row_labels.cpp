#include "scoring/row_labels.h"

#include <cstddef>

#include "base/types.h"

namespace quintix {

std::string_view LineLabel(int line) {
    if (line < Aces || line > ChanceLine) {
        return {};
    }
    // Lines of the lower section skip the upper section's "Total", "Bonus" and "Upper Total" rows.
    const int row = line <= Sixes ? line : line + 3;
    return RowLabels[static_cast<std::size_t>(row)];
}

}  // namespace quintix
