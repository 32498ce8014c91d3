#pragma once

#include <string>

#include "game/player.h"

namespace quintix {

// What the game asks of its windows. The game never draws and never waits: it tells the view
// what changed, and the view reads the game's state to show it.
class IGameView {
public:
    virtual ~IGameView() = default;

    // The three score grids must be painted again.
    virtual void RedrawScores() = 0;
    // The dice's pictures and frames changed.
    virtual void ShowDice() = 0;
    // The player list, the message, the roll label or a button's enabled state changed.
    virtual void ControlsChanged() = 0;

    // The series summary keeps its own copy of the players, in the order handed over.
    virtual void SetSummaryPlayers(const TPlayers& players) = 0;
    // Repaints the summary, its caption included, if it is open.
    virtual void RedrawSummary() = 0;
    // Opens the summary with this caption without waiting; the view reports its closing through
    // TQuintixGame::SummaryClosed. The game never asks while it is open.
    virtual void ShowSummary(const std::string& caption) = 0;
};

// A view that shows nothing, for tools that only play.
class TNullView : public IGameView {
public:
    void RedrawScores() override {}
    void ShowDice() override {}
    void ControlsChanged() override {}
    void SetSummaryPlayers(const TPlayers& /*players*/) override {}
    void RedrawSummary() override {}
    void ShowSummary(const std::string& /*caption*/) override {}
};

}  // namespace quintix
