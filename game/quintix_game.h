#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/observers.h"
#include "computer/table_provider.h"
#include "game/game_events.h"
#include "game/game_state.h"
#include "game/game_view.h"
#include "game/random_source.h"
#include "game/step_timer.h"
#include "scoring/sheet_cells.h"

namespace quintix {

// One row of the new game dialog.
struct TNewGameRow {
    std::string Name;
    bool Computer = false;

    bool operator==(const TNewGameRow&) const = default;
};

// What the new game dialog shows and gives back: six rows, the number of games, whether the
// computer players play the best possible game, and whether their turns go quicker.
struct TNewGameContents {
    OneBased<TNewGameRow, MaxPlayers> Rows;
    std::int32_t NoOfGames = 1;
    bool ExpertPlay = false;
    bool QuickComputerTurns = false;

    bool operator==(const TNewGameContents&) const = default;
};

// The game: the whole state of a series, what players do to it, and the flow that paces it on the
// step timer. The main window holds one and shows what it reports; tools and tests drive the same
// object with a virtual clock and scripted dice.
//
// A verb the moment does not allow is ignored, as the control behind it would be disabled or the
// click would do nothing: no message, no change.
class TQuintixGame {
public:
    // Expert players find the solver's table at `table`; an expert decision due before it is built
    // waits for it.
    TQuintixGame(IGameView& view, IStepTimer& timer, IRandomSource& random, ITableProvider& table);
    TQuintixGame(const TQuintixGame&) = delete;
    TQuintixGame& operator=(const TQuintixGame&) = delete;

    // Tells `listener` the moments of play, after those that subscribed before, until the
    // subscription ends.
    [[nodiscard]] TSubscription Subscribe(IGameEvents& listener);

    // What a player does.
    void WindowShown();                               // the window opens on cleared dice
    TNewGameContents OpenNewGame();                   // the new game dialog's rows: the last series' players
    void StartSeries(const TNewGameContents& form);   // the new game dialog's OK
    void Roll();                                      // "&Roll Dice": the marked dice, or all five
    void ToggleDie(int die);                          // marks die 1..5 to roll again, or unmarks it
    std::vector<int> OpenLines() const;               // the lines the score dialog offers, in sheet order
    void Score(int line);                             // a person scores the dice on a line
    void ScoreCell(TGrid grid, int column, int row);  // a double-click on the sheet on display
    void TogglePossibleValues();                      // "&Possibilities"
    // Takes back a person's last score while nobody has rolled since and the game goes on: the
    // sheet, the bonuses, the turn and the dice are again as they were just before it.
    void UndoScore();
    bool CanUndo() const;
    void ViewSheetOf(int position);  // shows the sheets of the player in that position
    void OpenSummary();              // "S&eries"
    void SummaryClosed();
    // Puts the series into a given position and starts the turn of the player on turn there; for
    // tools and tests that begin mid-series.
    void LoadPosition(const TGameState& state);
    // Puts back a position KeptPosition gave, in another run: a person's landed roll with its
    // marks, a computer's landed roll (it decides again), the summary the flow waited for, or the
    // start of a turn.
    void ResumePosition(const TGameState& kept);

    // Where the game stands.
    TPhase Phase() const { return S.Phase(); }
    TTurnStage Stage() const { return S.Stage; }
    const TControls& Controls() const { return S.Controls; }
    const OneBased<TDie, NoOfDice>& Dice() const { return S.Dice; }
    const TPlayers& Players() const { return S.Players; }
    std::int32_t NoOfPlayers() const { return S.NoOfPlayers; }
    const TPlayer& PlayerOnTurn() const { return S.Players[S.CurrentPlayer]; }
    const std::string& SummaryCaption() const { return S.SummaryCaption; }
    bool SummaryOpen() const { return S.SummaryOpen; }
    // The whole position, for tools that record or check it.
    const TGameState& State() const { return S; }
    // The position to keep if the program ends now: the last moment the flow rested at (a turn's
    // start, a landed roll, a die marked, the summary), never dice in the air; for ResumePosition.
    const TGameState& KeptPosition() const { return Steady; }

    // A cell of a grid for the sheets of scoreIndex; the printout passes noPossible.
    TCell Cell(TGrid grid, int scoreIndex, int column, int row, bool noPossible = false) const;
    // A cell of a grid as the main window shows it: the sheets of the player on display.
    TCell ShownCell(TGrid grid, int column, int row) const;

    // Sheet totals by ScoreIndex and game, and over the completed games of the series.
    std::int32_t UpperSum(int scoreIndex, int game) const;
    std::int32_t UpperBonus(int scoreIndex, int game) const;
    std::int32_t GrandTotal(int scoreIndex, int game) const;
    std::int32_t SeriesGameTotal(int scoreIndex) const;
    std::int32_t SeriesBonusTotal(int scoreIndex) const;
    std::int32_t SeriesGrandTotal(int scoreIndex) const;

private:
    // The turn flow.
    void ReadNewGameForm(const TNewGameContents& form);
    void NewSeries();
    void StartRoll();
    void EndRoll();
    void NextPlayer();
    void EndGame();
    void SortPlayers(TPlayers& players);
    void FillPlayerList();
    void ShowPlayerMessage();
    void RequestSummary();
    void StartTimer(int intervalMs, void (TQuintixGame::*step)());
    void MarkSteady() { Steady = S; }
    // A pause of the design, shortened when it is a computer player's and its turns go quicker.
    int Pace(int delayMs, bool computers) const;

    // The dice.
    void PressRollButton();
    void RollDice();
    void RollNext();
    void ShowDice();
    void ClearDice();
    void SetShowPossible(bool value);

    // Scoring on the sheet of the player on turn in the current game.
    TDiceValues DiceValues() const;
    void AnalyseDice();
    bool LineScored(int line) const;
    std::int32_t LineValue(int line) const;
    bool ScoreLine(int line);

    // The computer player.
    void ComputerMove();
    void ExpertMove(const TGameScore& sheet);
    void TableReady();
    void ComputerRoll(TDiceSet dice);

    // The sheet of the player on turn, or null outside a game (the roll for order, the series' end).
    TGameScore* SheetOnTurn();
    const TGameScore* SheetOnTurn() const;
    const TGameScore& SheetOf(int scoreIndex, int game) const;
    TSheetView SheetView() const;
    void Notify() { View.ControlsChanged(); }
    template <typename TTell>
    void Tell(TTell&& tell) {
        Listeners.Notify([&tell](IGameEvents* listener) { tell(*listener); });
    }

    IGameView& View;
    IStepTimer& Timer;
    IRandomSource& Random;
    ITableProvider& Table;
    TObservers<IGameEvents*> Listeners;
    TSubscription TableWait;  // while an expert decision waits for the table
    TGameState S;
    TGameState Steady;                      // see KeptPosition
    std::optional<TGameState> BeforeScore;  // a person's last score can be undone back to this
};

}  // namespace quintix
