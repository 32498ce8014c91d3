// A computer player's move after each of its rolls.
#include "computer/strategy.h"
#include "game/delays.h"
#include "game/quintix_game.h"

namespace quintix {

void TQuintixGame::ComputerMove() {
    const TGameScore* sheet = SheetOnTurn();
    if (sheet == nullptr) {
        return;
    }
    const TComputerDecision decision = DecideComputerMove({S.Analysis, *sheet, S.RollCount, S.Turn});
    if (decision.Kind == TComputerDecision::TKind::Roll) {
        ComputerRoll(decision.Dice);
    } else {
        ScoreLine(decision.Line);
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
    Events->ComputerRerolls(dice);
    StartTimer(ComputerRerollDelay, &TQuintixGame::StartRoll);
}

}  // namespace quintix
