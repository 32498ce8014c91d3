#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <vector>

#include "game/game_events.h"
#include "game/quintix_game.h"
#include "history/decisions.h"
#include "history/game_record.h"
#include "history/history_store.h"

namespace quintix {

// Follows a game through its events and stores every finished game of every player, with the
// decisions that played it, one transaction per game number; at the end of a series also every
// player's total and place. A series left before its end keeps its finished games and stays
// unfinished. It only reads the game; a failing store is the store's to report, and play goes on.
//
// Only series begun while it listens are recorded: a position loaded mid-series has no decisions
// to go with its sheets.
class TGameRecorder : public IGameEvents {
public:
    using TClock = std::function<std::int64_t()>;  // Unix seconds

    // What is recorded of the series so far and not yet stored: its turns in the current game, by
    // ScoreIndex, and the turn in progress.
    struct TRecording {
        TSeriesInfo Series;
        OneBased<std::vector<TTurnDecisions>, MaxPlayers> Turns;
        TTurnDecisions Turn;
    };

    TGameRecorder(const TQuintixGame& game, THistoryStore& store, TClock now = {});

    void SeriesStarted() override;
    void RollCompleted() override;
    void ComputerRerolls(TDiceSet dice) override;
    void PersonRerolls(TDiceSet dice) override;
    void LineScored(int line, std::int32_t value, std::int32_t bonus) override;
    void ScoreUndone(int line) override;
    // Stores the sheets of the game just finished.
    void GameEnded(int game) override;
    void SeriesEnded() override;

    // The series being recorded; unset before the first one.
    const std::optional<TSeriesInfo>& Series() const { return Recording; }
    // For a series kept when the program closes: what to give Continue in the next run, with the
    // turn in progress cut back to its first `rolls` rolls (the position kept may be earlier than
    // the last roll). Unset while no series is recorded.
    std::optional<TRecording> Kept(int rolls) const;
    // Goes on recording a kept series, which the game has just resumed.
    void Continue(TRecording recording);

private:
    int ScoreIndexOnTurn() const;

    const TQuintixGame& Game;
    THistoryStore& Store;
    TClock Now;
    std::mt19937_64 Ids;
    std::optional<TSeriesInfo> Recording;
    TTurnDecisions Turn;                                      // of the player on turn
    OneBased<std::vector<TTurnDecisions>, MaxPlayers> Turns;  // this game's, by ScoreIndex
};

}  // namespace quintix
