// How a person chooses the line to score: the score dialog's list, a double-click on a grid, and
// the display of what the dice would score.
#include <utility>

#include "game/quintix_game.h"

namespace quintix {

std::vector<int> TQuintixGame::OpenLines() const {
    std::vector<int> lines;
    for (int line = 0; line < NoOfLines; ++line) {
        if (!LineScored(line)) {
            lines.push_back(line);
        }
    }
    return lines;
}

// A computer player's sheet is its own: a person cannot score during its turn.
void TQuintixGame::Score(int line) {
    if (!PlayerOnTurn().Computer) {
        ScoreLine(line);
    }
}

// Only a line of the sheet of the player on turn, in the current game's column, can be scored.
void TQuintixGame::ScoreCell(TGrid grid, int column, int row) {
    const TSheetRow content = SheetRow(grid, row);
    if (content.Kind == TRowKind::Line && S.Controls.PlayerListIndex + 1 == S.CurrentPlayer &&
        column == S.CurrentGame) {
        Score(content.Line);
    }
}

// Only the pause after the score and the wait for the next roll allow it: a roll, by anyone, or the
// end of the game forgets the position before the score.
bool TQuintixGame::CanUndo() const {
    return BeforeScore.has_value() && S.RollCount == 0 &&
           (S.Stage == TTurnStage::BetweenTurns || S.Stage == TTurnStage::AwaitingRoll);
}

// The summary's showing is the window's, not the turn's: one opened meanwhile stays open.
void TQuintixGame::UndoScore() {
    if (!CanUndo()) {
        return;
    }
    Timer.Stop();
    const int line = S.Last.LastLine;
    const bool summaryOpen = S.SummaryOpen;
    S = *std::exchange(BeforeScore, std::nullopt);
    S.SummaryOpen = summaryOpen;
    View.RedrawScores();
    View.RedrawSummary();
    View.ShowDice();
    Notify();
    MarkSteady();
    Tell([line](IGameEvents& e) { e.ScoreUndone(line); });
}

void TQuintixGame::TogglePossibleValues() {
    if (S.RollCount > 0) {
        SetShowPossible(!S.ShowPossible);
    }
}

void TQuintixGame::SetShowPossible(bool value) {
    if (value != S.ShowPossible) {
        S.ShowPossible = value;
        View.RedrawScores();
    }
}

}  // namespace quintix
