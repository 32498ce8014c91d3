#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/game_events.h"
#include "game/game_state.h"
#include "game/game_view.h"
#include "game/random_source.h"
#include "game/step_timer.h"
#include "scoring/cell_texts.h"

namespace quintix {

// One row of the new game dialog.
struct TNewGameRow {
    std::string Name;
    bool Computer = false;

    bool operator==(const TNewGameRow&) const = default;
};

// What the new game dialog shows and gives back: six rows and the number of games.
struct TNewGameContents {
    OneBased<TNewGameRow, MaxPlayers> Rows;
    std::int32_t NoOfGames = 1;

    bool operator==(const TNewGameContents&) const = default;
};

// The game: the whole state of a series and every operation on it, named after the controls and
// events that trigger them. The main window holds one and shows what it reports; tools and tests
// drive the same object with a virtual clock and scripted dice.
class TQuintixGame {
public:
    TQuintixGame(IGameView& view, IStepTimer& timer, IRandomSource& random);

    const TGameState& State() const { return S; }
    // Puts the game into a given position; for tools and tests that start mid-game.
    void SetState(const TGameState& state) { S = state; }
    void SetEvents(IGameEvents* events) { Events = events != nullptr ? events : &NoEvents; }

    // Turn flow.
    void FormShow();
    TNewGameContents StartButtonClick();  // the dialog's contents; on OK: ReadNewGameForm, NewSeries
    void ReadNewGameForm(const TNewGameContents& form);
    void NewSeries();
    void StartRoll();
    void EndRoll();
    void NextPlayer();
    void SortPlayers(TPlayers& players);
    void FillPlayerList();
    void ShowPlayerMessage();
    void PlayerListChange(int index);
    // A key pressed on the main window: the digit keys 1..5 of the main keyboard, with no
    // modifier held, click a die.
    void FormKeyDown(int virtualKey, bool modifierHeld);

    // The series summary, opened by the flow or by its button.
    void SummaryButtonClick();
    void SummaryClosed();

    // Dice.
    void RollButtonClick();
    void RollDice();
    void RollNext();
    void DiceClick(int die);
    void ShowDice();
    void ClearDice();

    // Choosing a line.
    std::vector<std::string> ScoreButtonClick();  // the labels of the open lines, in sheet order
    void ScoreFromList(int index);
    void UpperScoresDblClick(int column, int row);
    void LowerScoresDblClick(int column, int row);
    void PossibleButtonClick();
    void SetShowPossible(bool value);

    // The computer player.
    void ComputerMove();
    void ComputerRoll(std::uint8_t dice);  // bit i - 1 for die i

    // Scoring on the sheet of the player on turn in the current game.
    void AnalyseDice();
    bool LineScored(int line) const;
    std::int32_t LineValue(int line, bool applyBonus);
    bool ScoreLine(int line);

    // Sheet totals by ScoreIndex and game, and over the completed games of the series.
    std::int32_t UpperSum(int scoreIndex, int game) const;
    std::int32_t UpperBonus(int scoreIndex, int game) const;
    std::int32_t UpperTotal(int scoreIndex, int game) const;
    std::int32_t LowerTotal(int scoreIndex, int game) const;
    std::int32_t GameTotal(int scoreIndex, int game) const;
    std::int32_t GrandTotal(int scoreIndex, int game) const;
    std::int32_t SeriesGameTotal(int scoreIndex) const;
    std::int32_t SeriesBonusTotal(int scoreIndex) const;
    std::int32_t SeriesGrandTotal(int scoreIndex) const;

    // Cell texts of the grids and the printout; column 0 is the row label.
    std::string UpperRowText(int scoreIndex, int column, int row, bool noPossible) const;
    std::string LowerRowText(int scoreIndex, int column, int row, bool noPossible) const;
    std::string TotalRowText(int scoreIndex, int column, int row) const;

    void StartTimer(int intervalMs, void (TQuintixGame::*step)());

private:
    // The sheet of the player on turn, or null outside a game (the roll for order, the series' end).
    TGameScore* SheetOnTurn();
    const TGameScore* SheetOnTurn() const;
    const TGameScore& SheetOf(int scoreIndex, int game) const;
    TSheetView SheetView() const;
    const TPlayer& PlayerOnTurn() const { return S.Players[S.CurrentPlayer]; }
    bool InGame() const { return S.CurrentGame >= 1 && S.CurrentGame <= S.NoOfGames; }
    void RequestSummary();
    void Notify() { View.ControlsChanged(); }

    IGameView& View;
    IStepTimer& Timer;
    IRandomSource& Random;
    IGameEvents NoEvents;
    IGameEvents* Events = &NoEvents;
    TGameState S;
};

}  // namespace quintix
