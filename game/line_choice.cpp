// How a person chooses the line to score: the score dialog's list, a double-click on a grid, and
// the display of what the dice would score.
#include "game/quintix_game.h"
#include "scoring/row_labels.h"

namespace quintix {

std::vector<std::string> TQuintixGame::ScoreButtonClick() {
    std::vector<std::string> labels;
    S.OfferedCount = 0;
    for (int line = 0; line < NoOfLines; ++line) {
        if (!LineScored(line)) {
            S.OfferedLines[static_cast<std::size_t>(S.OfferedCount)] = static_cast<std::uint8_t>(line);
            ++S.OfferedCount;
            labels.emplace_back(LineLabel(line));
        }
    }
    return labels;
}

void TQuintixGame::ScoreFromList(int index) {
    if (index >= 0 && index < S.OfferedCount) {
        ScoreLine(S.OfferedLines[static_cast<std::size_t>(index)]);
    }
}

namespace {

constexpr int UpperFirstLineRow = 1;  // below the header row
constexpr int LowerFirstLineRow = 0;

}  // namespace

// A computer player's sheet is its own: a double-click during its turn scores nothing.
void TQuintixGame::UpperScoresDblClick(int column, int row) {
    if (!PlayerOnTurn().Computer && row >= UpperFirstLineRow && row < UpperFirstLineRow + 6 &&
        S.PlayerListIndex + 1 == S.CurrentPlayer && column == S.CurrentGame) {
        ScoreLine(row - UpperFirstLineRow);
    }
}

void TQuintixGame::LowerScoresDblClick(int column, int row) {
    if (!PlayerOnTurn().Computer && row >= LowerFirstLineRow && row < LowerFirstLineRow + 7 &&
        S.PlayerListIndex + 1 == S.CurrentPlayer && column == S.CurrentGame) {
        ScoreLine(row - LowerFirstLineRow + ThreeOfAKind);
    }
}

void TQuintixGame::PossibleButtonClick() {
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
