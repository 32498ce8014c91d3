// The order of play: setting up a series, the roll for order, passing the turn, the end of a
// game and of the series, and what the player list and the message show.
#include <algorithm>
#include <string>
#include <utility>

#include "game/delays.h"
#include "game/quintix_game.h"

namespace quintix {

namespace {

const char* const InitialOrderCaption = "Initial Order";
const char* const SeriesSummaryCaption = "Series Summary";

bool IsBlankOrControl(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u <= 0x20 || u == 0x7F;
}

std::string TrimBlanksAndControls(const std::string& text) {
    const auto first = std::find_if_not(text.begin(), text.end(), IsBlankOrControl);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), IsBlankOrControl).base();
    return first < last ? std::string(first, last) : std::string();
}

}  // namespace

void TQuintixGame::FormShow() {
    ClearDice();
}

// The dialog lists the players in the order they were entered, whatever the play order now is.
TNewGameContents TQuintixGame::StartButtonClick() {
    TPlayers copy = S.Players;
    for (TPlayer& player : copy) {
        player.SortKey = MaxPlayers - player.ScoreIndex;
    }
    SortPlayers(copy);
    TNewGameContents form;
    for (int k = 1; k <= S.NoOfPlayers; ++k) {
        form.Rows[k] = {copy[k].Name, copy[k].Computer};
    }
    form.NoOfGames = S.NoOfGames;
    return form;
}

void TQuintixGame::ReadNewGameForm(const TNewGameContents& form) {
    S.NoOfGames = std::clamp(form.NoOfGames, 1, MaxGames);
    S.NoOfPlayers = 0;
    S.Players = TGameState::EmptyPlayers();
    for (const TNewGameRow& row : form.Rows) {
        std::string name = TrimBlanksAndControls(row.Name);
        if (!name.empty()) {
            ++S.NoOfPlayers;
            S.Players[S.NoOfPlayers].Name = std::move(name);
            S.Players[S.NoOfPlayers].Computer = row.Computer;
        }
    }
    View.SetSummaryPlayers(S.Players);
}

void TQuintixGame::NewSeries() {
    Timer.Stop();
    S.SummaryHoldsFlow = false;
    if (S.NoOfPlayers > 1) {
        S.CurrentGame = 0;
        S.Turn = TurnsPerGame;
    } else {
        S.CurrentGame = 1;
        S.Turn = 1;
    }
    S.CurrentPlayer = 1;
    FillPlayerList();
    S.PlayerListIndex = S.PlayerListEntries.empty() ? -1 : 0;
    ShowPlayerMessage();
    for (auto& row : S.Scores) {
        for (TGameScore& sheet : row) {
            sheet = TGameScore::Blank();
        }
    }
    ClearDice();
    View.RedrawScores();
    View.RedrawSummary();
    S.RollEnabled = S.NoOfPlayers > 0 && !S.Players[1].Computer;
    Notify();
    Events->SeriesStarted();
    if (S.NoOfPlayers > 0 && S.CurrentGame == 1) {
        Events->GameStarted();
    }
    if (S.NoOfPlayers > 0 && S.Players[1].Computer) {
        RollButtonClick();
    }
}

void TQuintixGame::StartRoll() {
    Timer.Stop();
    S.PlayerListIndex = S.CurrentPlayer - 1;
    S.Last.LastValid = false;
    View.RedrawScores();
    ShowPlayerMessage();
    const bool seriesOn = S.CurrentGame <= S.NoOfGames;
    S.RollEnabled = !PlayerOnTurn().Computer && seriesOn;
    Notify();
    if (PlayerOnTurn().Computer && seriesOn) {
        RollButtonClick();
    }
}

void TQuintixGame::EndRoll() {
    Timer.Stop();
    if (S.CurrentGame <= 0) {
        NextPlayer();
    } else if (PlayerOnTurn().Computer) {
        ComputerMove();
    }
}

void TQuintixGame::NextPlayer() {
    ++S.CurrentPlayer;
    if (S.CurrentPlayer > S.NoOfPlayers) {
        S.CurrentPlayer = 1;
        ++S.Turn;
        if (S.Turn == TurnsPerGame + 1) {
            S.Turn = 1;
            ++S.CurrentGame;
            if (S.CurrentGame > 1) {
                for (TPlayer& player : S.Players) {
                    player.SortKey = SeriesGrandTotal(player.ScoreIndex);
                }
            }
            SortPlayers(S.Players);
            View.SetSummaryPlayers(S.Players);
            // The summary has the standings; the next game is played in the order of the last one.
            if (S.CurrentGame > 1 && S.CurrentGame <= S.NoOfGames) {
                for (TPlayer& player : S.Players) {
                    player.SortKey = GrandTotal(player.ScoreIndex, S.CurrentGame - 1);
                }
                SortPlayers(S.Players);
            }
            ShowPlayerMessage();
            if (S.CurrentGame <= S.NoOfGames) {
                Events->GameStarted();
            } else {
                Events->SeriesEnded();
            }
        }
    }
    ClearDice();
    Notify();
    if (S.Turn == 1 && S.CurrentPlayer == 1) {
        if (S.CurrentGame == 1) {
            S.SummaryCaption = InitialOrderCaption;
        }
        RequestSummary();
    } else {
        StartTimer(S.CurrentGame > 0 ? BetweenTurnsDelay : NextStepDelay, &TQuintixGame::StartRoll);
    }
}

// Ties are never swapped, so players with equal keys keep the order the array had; the exchange
// sort is not stable in general, and the play order depends on exactly this sort.
void TQuintixGame::SortPlayers(TPlayers& players) {
    if (S.NoOfPlayers > 1) {
        for (int i = 1; i <= S.NoOfPlayers - 1; ++i) {
            for (int j = i + 1; j <= S.NoOfPlayers; ++j) {
                if (players[i].SortKey < players[j].SortKey) {
                    std::swap(players[i], players[j]);
                }
            }
        }
        FillPlayerList();
    }
    View.RedrawSummary();
}

// Keeps the same name selected across a refill; with repeated names the last one wins.
void TQuintixGame::FillPlayerList() {
    const bool selected =
        S.PlayerListIndex >= 0 && S.PlayerListIndex < static_cast<int>(S.PlayerListEntries.size());
    const std::string remembered =
        selected ? S.PlayerListEntries[static_cast<std::size_t>(S.PlayerListIndex)] : "";
    S.PlayerListEntries.clear();
    for (int i = 1; i <= S.NoOfPlayers; ++i) {
        S.PlayerListEntries.push_back(S.Players[i].Name);
    }
    S.PlayerListIndex = S.PlayerListEntries.empty() ? -1 : 0;
    for (std::size_t k = 0; k < S.PlayerListEntries.size(); ++k) {
        if (S.PlayerListEntries[k] == remembered) {
            S.PlayerListIndex = static_cast<int>(k);
        }
    }
    Notify();
}

void TQuintixGame::ShowPlayerMessage() {
    const int displayed = S.PlayerListIndex + 1;
    if (S.NoOfPlayers == 0) {
        S.PlayerMessage.clear();
    } else if (S.CurrentGame > S.NoOfGames) {
        S.PlayerMessage = "The winner is " + S.Players[1].Name;
    } else {
        S.PlayerMessage =
            displayed == S.CurrentPlayer ? "It's your turn" : "It's " + PlayerOnTurn().Name + "'s turn";
        if (S.CurrentGame == 0) {
            S.PlayerMessage += " to roll for order";
            const bool hasRolled = displayed >= 1 && displayed < S.CurrentPlayer;
            S.RollText = hasRolled ? std::to_string(S.Players[displayed].SortKey) : "";
        }
    }
    Notify();
}

void TQuintixGame::PlayerListChange(int index) {
    if (index < 0 || index >= static_cast<int>(S.PlayerListEntries.size())) {
        return;
    }
    S.PlayerListIndex = index;
    View.RedrawScores();
    ShowPlayerMessage();
}

void TQuintixGame::FormKeyDown(int virtualKey, bool modifierHeld) {
    constexpr int key1 = 49;
    if (!modifierHeld && virtualKey >= key1 && virtualKey < key1 + NoOfDice) {
        DiceClick(virtualKey - key1 + 1);
    }
}

void TQuintixGame::SummaryButtonClick() {
    if (!S.SummaryOpen) {
        S.SummaryOpen = true;
        View.ShowSummary(S.SummaryCaption);
    }
}

// The summary that opens a game holds the flow; if the person has it open already, the flow joins
// that showing instead of opening a second one.
// Dice may still be falling when a person scores the game's last line; their step must not run on
// into the next game while the summary holds the flow.
void TQuintixGame::RequestSummary() {
    Timer.Stop();
    S.SummaryHoldsFlow = true;
    if (S.SummaryOpen) {
        View.RedrawSummary();
    } else {
        S.SummaryOpen = true;
        View.ShowSummary(S.SummaryCaption);
    }
}

void TQuintixGame::SummaryClosed() {
    S.SummaryOpen = false;
    if (S.SummaryHoldsFlow) {
        S.SummaryHoldsFlow = false;
        S.SummaryCaption = SeriesSummaryCaption;
        View.RedrawSummary();
        StartTimer(NextStepDelay, &TQuintixGame::StartRoll);
    }
}

}  // namespace quintix
