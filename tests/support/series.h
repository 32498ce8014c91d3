#pragma once

#include <initializer_list>
#include <string>

#include "game/quintix_game.h"

namespace quintix::testing {

struct TEntry {
    std::string Name;
    bool Computer = false;
};

// The new game dialog's contents: these players in entry order, and the number of games.
inline TNewGameContents SeriesOf(std::initializer_list<TEntry> players, int games = 1) {
    TNewGameContents form;
    int row = 1;
    for (const TEntry& player : players) {
        form.Rows[row++] = {player.Name, player.Computer};
    }
    form.NoOfGames = games;
    return form;
}

}  // namespace quintix::testing
