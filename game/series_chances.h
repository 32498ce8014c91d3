#pragma once

#include <optional>
#include <string>
#include <vector>

#include "computer/win_chances.h"
#include "game/quintix_game.h"

namespace quintix {

// A series as the chance to win sees it: every player in play order, with the name to show.
struct TSeriesChances {
    TChancePosition Position;
    std::vector<std::string> Names;
};

// The series of the game now, while a game of two or more players is on: a person is taken to play
// the rest as the expert would, a computer player as it plays. Unset at any other time.
std::optional<TSeriesChances> SeriesChancesOf(const TQuintixGame& game);

}  // namespace quintix
