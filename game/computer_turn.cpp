// A computer player's move after each of its rolls.
#include "computer/optimal_solver.h"
#include "computer/strategy.h"
#include "game/delays.h"
#include "game/quintix_game.h"

namespace quintix {

void TQuintixGame::ComputerMove() {
    const TGameScore* sheet = SheetOnTurn();
    if (sheet == nullptr) {
        return;
    }
    if (S.ExpertPlay) {
        ExpertMove(*sheet);
        return;
    }
    const TComputerDecision decision = DecideComputerMove({S.Analysis, *sheet, S.RollCount, S.Turn});
    if (decision.Kind == TComputerDecision::TKind::Roll) {
        ComputerRoll(decision.Dice);
    } else {
        ScoreLine(decision.Line);
    }
}

// The expert makes the best choice its table knows. The table is built the first time it is
// needed; until the provider says it is ready the move waits, and the message says so.
void TQuintixGame::ExpertMove(const TGameScore& sheet) {
    const TOptimalTable* table = Table.Peek();
    if (table == nullptr) {
        S.Stage = TTurnStage::WaitingForTable;
        ShowPlayerMessage();
        TableWait = Table.OnReady([this] { TableReady(); });
        Table.Request();
        return;
    }
    if (S.Stage == TTurnStage::WaitingForTable) {
        S.Stage = TTurnStage::ComputerDeciding;
        ShowPlayerMessage();
    }
    const TChoiceValue choice = BestChoice(*table, sheet, S.RollCount, DiceValues());
    if (choice.Kind == TChoiceValue::TKind::Reroll) {
        ComputerRoll(choice.Dice);
    } else {
        ScoreLine(choice.Line);
    }
}

// The computer does not click: it takes the faces off the dice it wants and lets StartRoll roll
// them, as the button would.
void TQuintixGame::ComputerRoll(TDiceSet dice) {
    for (int i = 1; i <= NoOfDice; ++i) {
        if ((dice & DieBit(i)) != 0) {
            S.Dice[i].Value = NoValue;
        }
    }
    S.Stage = TTurnStage::AwaitingRoll;
    Tell([dice](IGameEvents& e) { e.ComputerRerolls(dice); });
    StartTimer(Pace(ComputerRerollDelay, true), &TQuintixGame::StartRoll);
}

void TQuintixGame::TableReady() {
    TableWait.Cancel();
    if (S.Stage == TTurnStage::WaitingForTable) {
        ComputerMove();
    }
}

}  // namespace quintix
