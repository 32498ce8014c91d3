#include "computer/solver_state.h"

#include <algorithm>
#include <stdexcept>

namespace quintix {

std::uint64_t ReachableUpperSums(std::uint16_t scored) {
    std::uint64_t sums = 1;  // nothing scored yet: 0
    for (int line = Aces; line <= Sixes; ++line) {
        if ((scored & LineBit(line)) == 0) {
            continue;
        }
        std::uint64_t next = 0;
        for (std::int32_t sum = 0; sum <= UpperCap; ++sum) {
            if ((sums >> sum & 1U) == 0) {
                continue;
            }
            for (std::int32_t count = 0; count <= NoOfDice; ++count) {
                next |= std::uint64_t{1} << std::min(sum + count * (line + 1), UpperCap);
            }
        }
        sums = next;
    }
    return sums;
}

TSolverState StateOfSheet(const TGameScore& sheet) {
    TSolverState s;
    for (int line = 0; line < NoOfLines; ++line) {
        if (sheet.Lines[static_cast<std::size_t>(line)] != NoValue) {
            s.Scored = static_cast<std::uint16_t>(s.Scored | LineBit(line));
        }
    }
    if (s.Scored == AllLinesScored) {
        throw std::invalid_argument("the sheet has no open line");
    }
    const std::int32_t upper = UpperSum(sheet);
    s.Upper = std::min(upper, UpperCap);
    if (upper < 0 || (ReachableUpperSums(s.Scored) >> s.Upper & 1U) == 0) {
        throw std::invalid_argument("the upper lines hold a sum no dice can make");
    }
    s.QuintixFifty = sheet.Lines[QuintixLine] == QuintixScore;
    return s;
}

}  // namespace quintix
