#include "game/quintix_game.h"

#include <utility>

#include "game/delays.h"
#include "scoring/line_value.h"
#include "scoring/totals.h"

namespace quintix {

namespace {

bool IsLine(int line) {
    return line >= 0 && line < NoOfLines;
}

bool IsSheet(int scoreIndex, int game) {
    return scoreIndex >= 1 && scoreIndex <= MaxPlayers && game >= 1 && game <= MaxGames;
}

}  // namespace

TQuintixGame::TQuintixGame(IGameView& view, IStepTimer& timer, IRandomSource& random, ITableProvider& table)
    : View(view), Timer(timer), Random(random), Table(table) {}

TSubscription TQuintixGame::Subscribe(IGameEvents& listener) {
    return Listeners.Add(&listener);
}

void TQuintixGame::StartTimer(int intervalMs, void (TQuintixGame::*step)()) {
    Timer.Start(intervalMs, [this, step] { (this->*step)(); });
}

int TQuintixGame::Pace(int delayMs, bool computers) const {
    return PaceOf(delayMs, computers && S.QuickComputerTurns);
}

// The phase follows from the position's game number, so a tool sets up the sheets and the turn
// and need not keep the two in step. The turn starts afresh, whatever stage it was at.
void TQuintixGame::LoadPosition(const TGameState& state) {
    Timer.Stop();
    TableWait.Cancel();
    BeforeScore.reset();
    S = state;
    ClearDice();
    View.SetSummaryPlayers(S.Players);
    StartRoll();
}

// The controls follow from the position; the summary the flow waited for opens again, one a
// person had opened does not.
void TQuintixGame::ResumePosition(const TGameState& kept) {
    Timer.Stop();
    TableWait.Cancel();
    S = kept;
    S.SummaryOpen = false;
    S.ShowPossible = false;
    S.Last.LastValid = false;
    View.SetSummaryPlayers(S.Players);
    FillPlayerList();
    switch (S.Stage) {
        case TTurnStage::AwaitingChoice:
        case TTurnStage::ComputerDeciding: {
            AnalyseDice();
            const bool human = S.Stage == TTurnStage::AwaitingChoice;
            S.Controls.PlayerListIndex = S.CurrentPlayer - 1;
            S.Controls.RollText = std::to_string(S.RollCount);
            S.Controls.RollEnabled = human && S.SelectedCount > 0 && S.RollCount < MaxRolls;
            S.Controls.ScoreEnabled = human;
            S.Controls.PossibleEnabled = human;
            View.ShowDice();
            View.RedrawScores();
            ShowPlayerMessage();
            if (!human) {
                StartTimer(AfterRollDelay, &TQuintixGame::EndRoll);
            }
            break;
        }
        case TTurnStage::AwaitingSummary:
            ClearDice();
            View.RedrawScores();
            ShowPlayerMessage();
            RequestSummary();
            break;
        case TTurnStage::Idle:
            ClearDice();
            View.RedrawScores();
            ShowPlayerMessage();
            break;
        case TTurnStage::AwaitingRoll:
        case TTurnStage::DiceFalling:
        case TTurnStage::WaitingForTable:
        case TTurnStage::BetweenTurns:
            ClearDice();
            StartRoll();
            break;
    }
    MarkSteady();
}

TGameScore* TQuintixGame::SheetOnTurn() {
    return const_cast<TGameScore*>(std::as_const(*this).SheetOnTurn());
}

const TGameScore* TQuintixGame::SheetOnTurn() const {
    if (S.Phase() != TPhase::Playing || S.CurrentPlayer < 1 || S.CurrentPlayer > MaxPlayers) {
        return nullptr;
    }
    const int scoreIndex = S.Players[S.CurrentPlayer].ScoreIndex;
    return IsSheet(scoreIndex, S.CurrentGame) ? &S.Scores[scoreIndex][S.CurrentGame] : nullptr;
}

const TGameScore& TQuintixGame::SheetOf(int scoreIndex, int game) const {
    static const TGameScore none = TGameScore::Blank();
    return IsSheet(scoreIndex, game) ? S.Scores[scoreIndex][game] : none;
}

TSheetView TQuintixGame::SheetView() const {
    const int onTurn =
        S.CurrentPlayer >= 1 && S.CurrentPlayer <= MaxPlayers ? S.Players[S.CurrentPlayer].ScoreIndex : 0;
    return TSheetView{&S.Scores, S.CurrentGame, S.NoOfGames, S.ShowPossible, onTurn, &S.Analysis, &S.Last};
}

// In the roll for order there is no sheet yet; every line counts as open then, and the
// results are not used.
TDiceValues TQuintixGame::DiceValues() const {
    TDiceValues values;
    for (int i = 1; i <= NoOfDice; ++i) {
        values[i] = S.Dice[i].Value;
    }
    return values;
}

void TQuintixGame::AnalyseDice() {
    const TGameScore* sheet = SheetOnTurn();
    S.Analysis = quintix::AnalyseDice(DiceValues(), sheet != nullptr ? *sheet : TGameScore::Blank());
}

// Outside a game no line can be scored, so every line reads as taken.
bool TQuintixGame::LineScored(int line) const {
    const TGameScore* sheet = SheetOnTurn();
    return sheet == nullptr || !IsLine(line) || sheet->Lines[static_cast<std::size_t>(line)] != NoValue;
}

std::int32_t TQuintixGame::LineValue(int line) const {
    return quintix::LineValue(S.Analysis, line);
}

// Scoring waits for the turn's first roll to land: until then the analysis describes the previous
// player's dice. The Quintix bonus is earned by whichever line the repeated five of a kind is
// scored on, so it is added before the line's own value is taken.
bool TQuintixGame::ScoreLine(int line) {
    TGameScore* sheet = SheetOnTurn();
    if (S.RollCount <= 0 || !S.TurnRolled() || sheet == nullptr || LineScored(line)) {
        return false;
    }
    // A person's score can be taken back to the landed dice it was made on; one made while the dice
    // of a later roll fell has ended that roll, which cannot be resumed.
    if (!PlayerOnTurn().Computer && S.Stage == TTurnStage::AwaitingChoice) {
        BeforeScore = S;
    }
    const bool hadUpperBonus = quintix::UpperBonus(*sheet) > 0;
    const std::int32_t oldBonus = sheet->Bonus;
    if (EarnsQuintixBonus(S.Analysis, *sheet)) {
        sheet->Bonus += QuintixBonusPoints;
    }
    const std::int32_t value = LineValue(line);
    sheet->Lines[static_cast<std::size_t>(line)] = value;

    S.Last.LastIndex = PlayerOnTurn().ScoreIndex;
    S.Last.LastGame = S.CurrentGame;
    S.Last.LastLine = static_cast<std::uint8_t>(line);
    S.Last.LastUpperBonus = !hadUpperBonus && quintix::UpperBonus(*sheet) > 0;
    S.Last.LastQuintixBonus = oldBonus < sheet->Bonus;
    S.Last.LastValid = true;

    Tell([&](IGameEvents& e) { e.LineScored(line, value, sheet->Bonus); });
    View.RedrawScores();
    NextPlayer();
    return true;
}

TCell TQuintixGame::Cell(TGrid grid, int scoreIndex, int column, int row, bool noPossible) const {
    return SheetCell(SheetView(), grid, scoreIndex, column, row, noPossible);
}

TCell TQuintixGame::ShownCell(TGrid grid, int column, int row) const {
    const int index = S.Controls.PlayerListIndex;
    const int scoreIndex = index >= 0 && index < MaxPlayers ? S.Players[index + 1].ScoreIndex : 0;
    return Cell(grid, scoreIndex, column, row);
}

std::int32_t TQuintixGame::UpperSum(int scoreIndex, int game) const {
    return quintix::UpperSum(SheetOf(scoreIndex, game));
}
std::int32_t TQuintixGame::UpperBonus(int scoreIndex, int game) const {
    return quintix::UpperBonus(SheetOf(scoreIndex, game));
}
std::int32_t TQuintixGame::GrandTotal(int scoreIndex, int game) const {
    return quintix::GrandTotal(SheetOf(scoreIndex, game));
}
std::int32_t TQuintixGame::SeriesGameTotal(int scoreIndex) const {
    return quintix::SeriesGameTotal(S.Scores, scoreIndex, S.CurrentGame);
}
std::int32_t TQuintixGame::SeriesBonusTotal(int scoreIndex) const {
    return quintix::SeriesBonusTotal(S.Scores, scoreIndex, S.CurrentGame);
}
std::int32_t TQuintixGame::SeriesGrandTotal(int scoreIndex) const {
    return quintix::SeriesGrandTotal(S.Scores, scoreIndex, S.CurrentGame);
}

}  // namespace quintix
