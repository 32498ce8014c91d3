// The order of play: setting up a series, the roll for order, passing the turn, the end of a
// game and of the series, and what the player list and the message show.
#include <algorithm>
#include <string>
#include <utility>

#include "base/text.h"
#include "base/translatable.h"
#include "game/delays.h"
#include "game/quintix_game.h"

namespace quintix {

namespace {

const char* const InitialOrderCaption = Translatable("Core", "Initial Order");
const char* const SeriesSummaryCaption = Translatable("Core", "Series Summary");

}  // namespace

void TQuintixGame::WindowShown() {
    ClearDice();
}

// The dialog lists the players in the order they were entered, whatever the play order now is.
// Sorting the copy refills the player list, as every sort does, so with repeated names the
// selection moves to the last of them.
TNewGameContents TQuintixGame::OpenNewGame() {
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
    form.ExpertPlay = S.ExpertPlay;
    form.QuickComputerTurns = S.QuickComputerTurns;
    return form;
}

void TQuintixGame::StartSeries(const TNewGameContents& form) {
    ReadNewGameForm(form);
    NewSeries();
}

void TQuintixGame::ReadNewGameForm(const TNewGameContents& form) {
    S.NoOfGames = std::clamp(form.NoOfGames, 1, MaxGames);
    S.ExpertPlay = form.ExpertPlay;
    S.QuickComputerTurns = form.QuickComputerTurns;
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
    TableWait.Cancel();
    BeforeScore.reset();
    // A summary the flow was waiting for stays open, but the new series does not wait for it.
    S.Stage = S.NoOfPlayers > 0 ? TTurnStage::AwaitingRoll : TTurnStage::Idle;
    if (S.NoOfPlayers > 1) {
        S.CurrentGame = 0;
        S.Turn = TurnsPerGame;
    } else {
        S.CurrentGame = 1;
        S.Turn = 1;
    }
    S.CurrentPlayer = 1;
    FillPlayerList();
    S.Controls.PlayerListIndex = S.Controls.PlayerListEntries.empty() ? -1 : 0;
    ShowPlayerMessage();
    for (auto& row : S.Scores) {
        for (TGameScore& sheet : row) {
            sheet = TGameScore::Blank();
        }
    }
    ClearDice();
    View.RedrawScores();
    View.RedrawSummary();
    const bool computerFirst = S.NoOfPlayers > 0 && S.Players[1].Computer;
    S.Controls.RollEnabled = S.NoOfPlayers > 0 && !computerFirst;
    Notify();
    // The experts' first decision needs the solver's table: its building starts with the series,
    // so that it is mostly done by then.
    if (S.ExpertPlay && std::any_of(S.Players.begin(), S.Players.begin() + S.NoOfPlayers,
                                    [](const TPlayer& player) { return player.Computer; })) {
        Table.Request();
    }
    Tell([](IGameEvents& e) { e.SeriesStarted(); });
    if (S.Phase() == TPhase::Playing) {
        Tell([](IGameEvents& e) { e.GameStarted(); });
    }
    if (S.NoOfPlayers > 0) {
        Tell([](IGameEvents& e) { e.TurnStarted(); });
    }
    MarkSteady();
    if (computerFirst) {
        PressRollButton();
    }
}

// Starts a turn, or a computer player's next roll of its turn.
void TQuintixGame::StartRoll() {
    Timer.Stop();
    const bool seriesOn = S.Phase() == TPhase::RollForOrder || S.Phase() == TPhase::Playing;
    const bool turnStarts = seriesOn && S.RollCount == 0;
    S.Stage = seriesOn ? TTurnStage::AwaitingRoll : TTurnStage::Idle;
    S.Controls.PlayerListIndex = S.CurrentPlayer - 1;
    S.Last.LastValid = false;
    View.RedrawScores();
    ShowPlayerMessage();
    S.Controls.RollEnabled = !PlayerOnTurn().Computer && seriesOn;
    Notify();
    if (turnStarts) {
        Tell([](IGameEvents& e) { e.TurnStarted(); });
        MarkSteady();
    }
    if (PlayerOnTurn().Computer && seriesOn) {
        PressRollButton();
    }
}

// After a roll for order has been shown the turn passes; after a computer player's roll it moves.
// A person's roll waits for the person.
void TQuintixGame::EndRoll() {
    Timer.Stop();
    switch (S.Stage) {
        case TTurnStage::BetweenTurns:
            NextPlayer();
            break;
        case TTurnStage::ComputerDeciding:
            ComputerMove();
            break;
        case TTurnStage::Idle:
        case TTurnStage::AwaitingRoll:
        case TTurnStage::DiceFalling:
        case TTurnStage::AwaitingChoice:
        case TTurnStage::WaitingForTable:
        case TTurnStage::AwaitingSummary:
            break;
    }
}

// The pause after a score belongs to the player who scored.
void TQuintixGame::NextPlayer() {
    const bool computerScored = PlayerOnTurn().Computer;
    bool gameOver = false;
    if (++S.CurrentPlayer > S.NoOfPlayers) {
        S.CurrentPlayer = 1;
        ++S.Turn;
        gameOver = S.Turn > TurnsPerGame;
    }
    if (gameOver) {
        EndGame();
    }
    ClearDice();
    // The window learns of the pause with the rest, as a score in it can be taken back.
    if (!gameOver) {
        S.Stage = TTurnStage::BetweenTurns;
    }
    Notify();
    if (gameOver) {
        RequestSummary();
    } else {
        MarkSteady();
        StartTimer(S.Phase() == TPhase::Playing ? Pace(BetweenTurnsDelay, computerScored) : NextStepDelay,
                   &TQuintixGame::StartRoll);
    }
}

// The roll for order or a game is over: the standings go to the summary, and the next game is
// played in the order of the last one, its winner first.
void TQuintixGame::EndGame() {
    BeforeScore.reset();
    const bool afterOrderRolls = S.Phase() == TPhase::RollForOrder;
    S.Turn = 1;
    ++S.CurrentGame;
    if (!afterOrderRolls) {
        for (TPlayer& player : S.Players) {
            player.SortKey = SeriesGrandTotal(player.ScoreIndex);
        }
    }
    SortPlayers(S.Players);
    View.SetSummaryPlayers(S.Players);
    if (S.Phase() == TPhase::Playing && !afterOrderRolls) {
        for (TPlayer& player : S.Players) {
            player.SortKey = GrandTotal(player.ScoreIndex, S.CurrentGame - 1);
        }
        SortPlayers(S.Players);
    }
    ShowPlayerMessage();
    if (afterOrderRolls) {
        S.SummaryCaption = InitialOrderCaption;
    }
    if (!afterOrderRolls) {
        Tell([game = S.CurrentGame - 1](IGameEvents& e) { e.GameEnded(game); });
    }
    if (S.Phase() == TPhase::Playing) {
        Tell([](IGameEvents& e) { e.GameStarted(); });
    } else {
        Tell([](IGameEvents& e) { e.SeriesEnded(); });
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
    TControls& c = S.Controls;
    const bool selected =
        c.PlayerListIndex >= 0 && c.PlayerListIndex < static_cast<int>(c.PlayerListEntries.size());
    const std::string remembered =
        selected ? c.PlayerListEntries[static_cast<std::size_t>(c.PlayerListIndex)] : "";
    c.PlayerListEntries.clear();
    for (int i = 1; i <= S.NoOfPlayers; ++i) {
        c.PlayerListEntries.push_back(S.Players[i].Name);
    }
    c.PlayerListIndex = c.PlayerListEntries.empty() ? -1 : 0;
    for (std::size_t k = 0; k < c.PlayerListEntries.size(); ++k) {
        if (c.PlayerListEntries[k] == remembered) {
            c.PlayerListIndex = static_cast<int>(k);
        }
    }
    Notify();
}

void TQuintixGame::ShowPlayerMessage() {
    TControls& c = S.Controls;
    const int displayed = c.PlayerListIndex + 1;
    TPlayerMessage& message = c.PlayerMessage;
    message = {};
    if (S.Stage == TTurnStage::WaitingForTable) {
        message.Kind = TPlayerMessage::TKind::PreparingExpert;
        Notify();
        return;
    }
    switch (S.Phase()) {
        case TPhase::NoSeries:
            break;
        case TPhase::SeriesOver:
            message.Kind = TPlayerMessage::TKind::Winner;
            message.Name = S.Players[1].Name;
            break;
        case TPhase::RollForOrder:
        case TPhase::Playing:
            if (displayed == S.CurrentPlayer) {
                message.Kind = TPlayerMessage::TKind::YourTurn;
            } else {
                message.Kind = TPlayerMessage::TKind::PlayersTurn;
                message.Name = PlayerOnTurn().Name;
            }
            if (S.Phase() == TPhase::RollForOrder) {
                message.RollForOrder = true;
                const bool hasRolled = displayed >= 1 && displayed < S.CurrentPlayer;
                c.RollText = hasRolled ? std::to_string(S.Players[displayed].SortKey) : "";
            }
            break;
    }
    Notify();
}

void TQuintixGame::ViewSheetOf(int position) {
    if (position < 1 || position > static_cast<int>(S.Controls.PlayerListEntries.size())) {
        return;
    }
    S.Controls.PlayerListIndex = position - 1;
    View.RedrawScores();
    ShowPlayerMessage();
}

void TQuintixGame::OpenSummary() {
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
    S.Stage = TTurnStage::AwaitingSummary;
    MarkSteady();
    if (!S.SummaryOpen) {
        S.SummaryOpen = true;
        View.ShowSummary(S.SummaryCaption);
    } else {
        View.RedrawSummary();
    }
}

void TQuintixGame::SummaryClosed() {
    const bool heldFlow = S.Stage == TTurnStage::AwaitingSummary;
    S.SummaryOpen = false;
    if (heldFlow) {
        S.Stage = TTurnStage::BetweenTurns;
        MarkSteady();
        S.SummaryCaption = SeriesSummaryCaption;
        View.RedrawSummary();
        StartTimer(NextStepDelay, &TQuintixGame::StartRoll);
    }
}

}  // namespace quintix
