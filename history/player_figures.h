#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "history/game_record.h"
#include "history/history_store.h"

namespace quintix {

// The figures of a player's games, as THistoryStore::Stats gives them for all of a name's games.
THistoryStats FiguresOf(std::span<const TGameSummary> games);

// For each total, oldest first, the mean of it and of up to window - 1 totals before it: the line
// of a player's form over the last games.
std::vector<double> MovingMeans(std::span<const std::int32_t> totals, int window);

}  // namespace quintix
