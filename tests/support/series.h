#pragma once

#include <cstddef>
#include <cstdint>
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

// A position for LoadPosition: state's series and sheets at a game and turn, with the player in
// `position` on turn.
inline TGameState AtTurn(TGameState state, int game, int turn, int position = 1) {
    state.CurrentGame = game;
    state.Turn = turn;
    state.CurrentPlayer = position;
    return state;
}

// A sheet on its last turn: every line scored as value, but `open`.
inline void ScoreAllBut(TGameScore& sheet, int open, std::int32_t value = 0) {
    sheet.Lines.fill(value);
    sheet.Lines[static_cast<std::size_t>(open)] = NoValue;
}

}  // namespace quintix::testing
