#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/types.h"

namespace quintix {

// One turn as it was played: the five faces after every roll, the dice rolled again between two
// rolls, and the line scored at the end.
struct TTurnDecisions {
    std::vector<TDiceValues> Rolls;  // 1..3 rolls
    std::vector<TDiceSet> Rerolls;   // one fewer than Rolls
    int Line = 0;

    bool operator==(const TTurnDecisions&) const = default;
};

// The format's first byte. A new layout takes a new number, and the decoder keeps reading the
// old ones: stored games are never rewritten.
constexpr std::uint8_t DecisionsFormat = 1;

// About 100 bytes for a game of 13 turns: per turn one byte for the line and the number of rolls,
// two for each roll's faces (a five-digit number in base 6) and one for each set rolled again.
// The turns must be whole (see DecodeDecisions); the encoder does not check them.
std::vector<std::uint8_t> EncodeDecisions(const std::vector<TTurnDecisions>& turns);

// Reads what EncodeDecisions wrote. Anything else (an unknown format, a cut-off turn, a face, a
// line or a number of rolls out of range, a die that changed without being rolled, a line scored
// twice) gives nullopt and says why in error.
std::optional<std::vector<TTurnDecisions>> DecodeDecisions(std::span<const std::uint8_t> bytes,
                                                           std::string& error);

// The sheet that playing these turns in order gives under the rules.
TGameScore ReplaySheet(const std::vector<TTurnDecisions>& turns);

}  // namespace quintix
