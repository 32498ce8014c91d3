#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/translatable.h"
#include "base/types.h"
#include "game/player.h"
#include "scoring/dice_analysis.h"
#include "scoring/sheet_cells.h"

namespace quintix {

// Where the series stands. It follows from the players and the game number (see TGameState::Phase).
enum class TPhase {
    NoSeries,      // before the first series, or after one was set up with no players
    RollForOrder,  // each player rolls once; the sums decide the order of the first game
    Playing,       // a game of the series is on
    SeriesOver,    // the winner is known; the sheets stay until the next series
};

// Where the turn stands: the flow switches on this, and readers ask it what may happen next.
enum class TTurnStage {
    Idle,              // no turn: no series yet, or the series is over
    AwaitingRoll,      // the player on turn has yet to roll, or a computer's next roll is due
    DiceFalling,       // the dice land one per tick
    AwaitingChoice,    // a person's roll has landed: mark dice and roll again, or score
    ComputerDeciding,  // a computer player's roll has landed; its move follows after a pause
    WaitingForTable,   // an expert decision waits for the solver's table to be built
    BetweenTurns,      // the turn is over; the next begins after a pause
    AwaitingSummary,   // a game or the roll for order is over: the flow waits for the summary to close
};

// What the message beside the player list says. The window words it, so that it can translate the
// sentence and shorten a long name rather than the sentence.
struct TPlayerMessage {
    enum class TKind {
        None,             // no players
        YourTurn,         // the sheet on display is the player on turn's
        PlayersTurn,      // another sheet is on display: the player on turn is named
        Winner,           // the series is over
        PreparingExpert,  // an expert computer player waits for its table
    };
    TKind Kind = TKind::None;
    std::string Name;           // the player on turn, or the winner
    bool RollForOrder = false;  // the turn is a roll for order

    bool operator==(const TPlayerMessage&) const = default;
};

// What the main window's controls show of the game.
struct TControls {
    std::vector<std::string> PlayerListEntries;  // the names in play order
    int PlayerListIndex = -1;                    // the sheet on display: the player in position index + 1
    TPlayerMessage PlayerMessage;
    std::string RollText;  // caption of the "Roll:" label
    bool RollEnabled = false;
    bool ScoreEnabled = false;
    bool PossibleEnabled = false;

    bool operator==(const TControls&) const = default;
};

// Everything a series is: the players, their sheets, the turn, the dice, and what the main window's
// controls show of it. The windows only display this; every change goes through the game object.
struct TGameState {
    OneBased<TDie, NoOfDice> Dice;
    TScores Scores{};  // all 0 (not -1) until the first series is set up
    std::int32_t CurrentPlayer = 1;
    // The game whose column is being filled: 0 in the roll for order, NoOfGames + 1 once the series
    // is over, so that every completed game counts in the series totals.
    std::int32_t CurrentGame = 0;
    // The turn of the game, 1..13. The roll for order counts as turn 13 of game 0, so that its one
    // round ends the way a game's last round does.
    std::int32_t Turn = 0;
    std::int32_t SelectedCount = 0;
    std::int32_t NoOfGames = 1;
    bool ExpertPlay = false;          // the computer players make the best choice at every decision
    bool QuickComputerTurns = false;  // the computer players' pauses are a quarter as long
    bool ShowPossible = false;
    TDiceAnalysis Analysis{};
    TLastScore Last{};
    TPlayers Players = EmptyPlayers();
    std::int32_t NoOfPlayers = 0;

    std::int32_t RollCount = 0;  // rolls made in this turn, 0..3; never counts in the roll for order
    TTurnStage Stage = TTurnStage::Idle;
    TControls Controls;
    std::string SummaryCaption = Translatable("Core", "Series Summary");
    bool SummaryOpen = false;  // opened by its button, or shown by the flow (Stage says which)

    // Unused positions keep an empty name and their own position as ScoreIndex.
    static TPlayers EmptyPlayers() {
        TPlayers players;
        for (int i = 1; i <= MaxPlayers; ++i) {
            players[i].ScoreIndex = i;
        }
        return players;
    }

    // The game number tells the phase: 0 in the roll for order, NoOfGames + 1 once it is over.
    TPhase Phase() const {
        if (NoOfPlayers == 0) {
            return TPhase::NoSeries;
        }
        if (CurrentGame == 0) {
            return TPhase::RollForOrder;
        }
        return CurrentGame > NoOfGames ? TPhase::SeriesOver : TPhase::Playing;
    }
    // A roll of this turn has landed, so the analysis is this turn's: true from the first landing
    // until the turn ends, also while the dice of a later roll fall.
    bool TurnRolled() const {
        return Phase() == TPhase::Playing &&
               (RollCount > 1 || (RollCount == 1 && Stage != TTurnStage::DiceFalling));
    }

    bool operator==(const TGameState&) const = default;
};

}  // namespace quintix
