#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <utility>

#include "base/types.h"
#include "game/game_state.h"

namespace quintix {

// Builds a position in the middle of a series for TQuintixGame::LoadPosition, from the series as
// the game set it up: which game and turn it is, who is on turn, and what the sheets hold. The
// phase is left to LoadPosition, which follows it from the game number. For tools that show a
// game in progress and tests that begin mid-series.
class TPositionBuilder {
public:
    explicit TPositionBuilder(TGameState series) : Position(std::move(series)) {}

    // Game `game`, turn `turn` (1..13), with the player in play position `position` on turn.
    TPositionBuilder& At(int game, int turn, int position = 1) {
        Position.CurrentGame = game;
        Position.Turn = turn;
        Position.CurrentPlayer = position;
        return *this;
    }

    // A whole sheet, by ScoreIndex and game: the thirteen lines in sheet order (NoValue for an
    // open one) and the Quintix bonus.
    TPositionBuilder& Sheet(int scoreIndex, int game, const std::array<std::int32_t, NoOfLines>& lines,
                            std::int32_t bonus = 0) {
        Position.Scores[scoreIndex][game] = {lines, bonus};
        return *this;
    }

    // Some lines of a sheet, as {line, value}; the others keep what they hold.
    TPositionBuilder& Lines(int scoreIndex, int game,
                            std::initializer_list<std::pair<int, std::int32_t>> values) {
        for (const auto& [line, value] : values) {
            Position.Scores[scoreIndex][game].Lines[static_cast<std::size_t>(line)] = value;
        }
        return *this;
    }

    const TGameState& Build() const { return Position; }

private:
    TGameState Position;
};

}  // namespace quintix
