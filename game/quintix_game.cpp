#include "game/quintix_game.h"

#include <utility>

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

TQuintixGame::TQuintixGame(IGameView& view, IStepTimer& timer, IRandomSource& random)
    : View(view), Timer(timer), Random(random) {}

void TQuintixGame::StartTimer(int intervalMs, void (TQuintixGame::*step)()) {
    Timer.Start(intervalMs, [this, step] { (this->*step)(); });
}

TGameScore* TQuintixGame::SheetOnTurn() {
    return const_cast<TGameScore*>(std::as_const(*this).SheetOnTurn());
}

const TGameScore* TQuintixGame::SheetOnTurn() const {
    if (S.CurrentPlayer < 1 || S.CurrentPlayer > MaxPlayers || S.CurrentGame > S.NoOfGames) {
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
    return TSheetView{&S.Scores, S.CurrentGame, S.NoOfGames, S.ShowPossible, onTurn, &S.Analysis};
}

// In the roll for order there is no sheet yet; every line counts as open then, and the
// results are not used.
void TQuintixGame::AnalyseDice() {
    TDiceValues values;
    for (int i = 1; i <= NoOfDice; ++i) {
        values[i] = S.Dice[i].Value;
    }
    const TGameScore* sheet = SheetOnTurn();
    S.Analysis = quintix::AnalyseDice(values, sheet != nullptr ? *sheet : TGameScore::Blank());
}

// Outside a game no line can be scored, so every line reads as taken.
bool TQuintixGame::LineScored(int line) const {
    const TGameScore* sheet = SheetOnTurn();
    return sheet == nullptr || !IsLine(line) || sheet->Lines[static_cast<std::size_t>(line)] != NoValue;
}

// The Quintix bonus is earned by whichever line the repeated five of a kind is scored on, so it
// is added here, before the line's own value is taken.
std::int32_t TQuintixGame::LineValue(int line, bool applyBonus) {
    TGameScore* sheet = SheetOnTurn();
    if (applyBonus && sheet != nullptr && EarnsQuintixBonus(S.Analysis, *sheet)) {
        sheet->Bonus += QuintixBonusPoints;
    }
    return quintix::LineValue(S.Analysis, line);
}

// Scoring also waits for the turn's first roll to land: until then the analysis describes the
// previous player's dice.
bool TQuintixGame::ScoreLine(int line) {
    TGameScore* sheet = SheetOnTurn();
    if (S.RollCount <= 0 || !S.TurnRolled || sheet == nullptr || LineScored(line)) {
        return false;
    }
    const bool hadUpperBonus = quintix::UpperBonus(*sheet) > 0;
    const std::int32_t oldBonus = sheet->Bonus;
    const std::int32_t value = LineValue(line, true);
    sheet->Lines[static_cast<std::size_t>(line)] = value;

    S.Last.LastIndex = S.Players[S.CurrentPlayer].ScoreIndex;
    S.Last.LastGame = S.CurrentGame;
    S.Last.LastLine = static_cast<std::uint8_t>(line);
    S.Last.LastUpperBonus = !hadUpperBonus && quintix::UpperBonus(*sheet) > 0;
    S.Last.LastQuintixBonus = oldBonus < sheet->Bonus;
    S.Last.LastValid = true;

    Events->LineScored(line, value, sheet->Bonus);
    View.RedrawScores();
    NextPlayer();
    return true;
}

std::int32_t TQuintixGame::UpperSum(int scoreIndex, int game) const {
    return quintix::UpperSum(SheetOf(scoreIndex, game));
}
std::int32_t TQuintixGame::UpperBonus(int scoreIndex, int game) const {
    return quintix::UpperBonus(SheetOf(scoreIndex, game));
}
std::int32_t TQuintixGame::UpperTotal(int scoreIndex, int game) const {
    return quintix::UpperTotal(SheetOf(scoreIndex, game));
}
std::int32_t TQuintixGame::LowerTotal(int scoreIndex, int game) const {
    return quintix::LowerTotal(SheetOf(scoreIndex, game));
}
std::int32_t TQuintixGame::GameTotal(int scoreIndex, int game) const {
    return quintix::GameTotal(SheetOf(scoreIndex, game));
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

std::string TQuintixGame::UpperRowText(int scoreIndex, int column, int row, bool noPossible) const {
    return quintix::UpperRowText(SheetView(), scoreIndex, column, row, noPossible);
}
std::string TQuintixGame::LowerRowText(int scoreIndex, int column, int row, bool noPossible) const {
    return quintix::LowerRowText(SheetView(), scoreIndex, column, row, noPossible);
}
std::string TQuintixGame::TotalRowText(int scoreIndex, int column, int row) const {
    return quintix::TotalRowText(SheetView(), scoreIndex, column, row);
}

}  // namespace quintix
