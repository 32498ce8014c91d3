#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/player.h"
#include "scoring/dice_analysis.h"

namespace quintix {

// Which cell was scored last, for the grids' highlight.
struct TLastScore {
    std::int32_t LastIndex = 0;
    std::int32_t LastGame = 0;
    std::uint8_t LastLine = 0;
    bool LastValid = false;
    bool LastUpperBonus = false;    // that score made the upper bonus appear
    bool LastQuintixBonus = false;  // that score added a Quintix bonus

    bool operator==(const TLastScore&) const = default;
};

// Everything a series is: the players, their sheets, the turn, the dice, and what the main window's
// controls show of it. The windows only display this; every change goes through the game object.
struct TGameState {
    OneBased<TDie, NoOfDice> Dice;
    TScores Scores{};  // all 0 (not -1) until the first series is set up
    std::int32_t CurrentPlayer = 1;
    std::int32_t CurrentGame = 0;  // 0 = roll for order, NoOfGames + 1 = series over
    std::int32_t Turn = 0;
    std::int32_t SelectedCount = 0;
    std::int32_t NoOfGames = 1;
    bool ShowPossible = false;
    std::array<std::uint8_t, NoOfLines> OfferedLines{};
    TDiceAnalysis Analysis{};
    TLastScore Last{};
    TPlayers Players = EmptyPlayers();
    std::int32_t NoOfPlayers = 0;

    // What the main window's controls hold.
    std::int32_t RollCount = 0;  // rolls made in this turn, 0..3; never counts in the roll for order
    bool TurnRolled = false;     // a roll of this turn has landed, so the analysis is this turn's
    std::string RollText;        // caption of the "Roll:" label
    std::vector<std::string> PlayerListEntries;
    int PlayerListIndex = -1;  // selected entry of the player list, -1 for none
    std::string PlayerMessage;
    bool RollEnabled = false;
    bool ScoreEnabled = false;
    bool PossibleEnabled = false;
    std::int32_t OfferedCount = 0;  // entries of the score dialog's list

    // The series summary: its caption, whether it is open, and whether the turn flow waits for it
    // to close before the next roll.
    std::string SummaryCaption = "Series Summary";
    bool SummaryOpen = false;
    bool SummaryHoldsFlow = false;

    // Unused positions keep an empty name and their own position as ScoreIndex.
    static TPlayers EmptyPlayers() {
        TPlayers players;
        for (int i = 1; i <= MaxPlayers; ++i) {
            players[i].ScoreIndex = i;
        }
        return players;
    }

    bool operator==(const TGameState&) const = default;
};

}  // namespace quintix
