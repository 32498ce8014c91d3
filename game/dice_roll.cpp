// The dice: rolling them one tick at a time, marking them to roll again, and their pictures.
#include <algorithm>

#include "game/delays.h"
#include "game/quintix_game.h"

namespace quintix {

void TQuintixGame::Roll() {
    if (!S.Controls.RollEnabled) {
        return;
    }
    if (S.Phase() == TPhase::Playing && S.RollCount >= 1) {
        TDiceSet marked = 0;
        for (int die = 1; die <= NoOfDice; ++die) {
            marked |= S.Dice[die].SelectShown ? DieBit(die) : TDiceSet{0};
        }
        Tell([marked](IGameEvents& e) { e.PersonRerolls(marked); });
    }
    PressRollButton();
}

// What "&Roll Dice" does; StartRoll presses it for a computer player.
void TQuintixGame::PressRollButton() {
    BeforeScore.reset();
    S.Controls.RollEnabled = false;
    if (S.Phase() == TPhase::Playing) {
        ++S.RollCount;
        S.Controls.RollText = std::to_string(S.RollCount);
    }
    Notify();
    RollDice();
}

void TQuintixGame::RollDice() {
    S.Stage = TTurnStage::DiceFalling;
    SetShowPossible(false);
    for (TDie& die : S.Dice) {
        if (die.SelectShown) {
            die.Value = NoValue;
        }
    }
    ShowDice();
    StartTimer(Pace(DieFallDelay, PlayerOnTurn().Computer), &TQuintixGame::RollNext);
}

// One die lands per tick, in die order. With no die left to fall the roll completes in this
// same tick, which is also what happens when the button is pressed with no die marked.
void TQuintixGame::RollNext() {
    Timer.Stop();
    bool landed = false;
    for (TDie& die : S.Dice) {
        if (die.Value != NoValue) {
            continue;
        }
        if (landed) {
            StartTimer(Pace(DieFallDelay, PlayerOnTurn().Computer), &TQuintixGame::RollNext);
            return;
        }
        die.Value = Random.Next36() % NoOfFaces + 1;
        ShowDice();
        landed = true;
    }

    const bool playing = S.Phase() == TPhase::Playing;
    const bool human = !PlayerOnTurn().Computer;
    if (playing) {
        S.Stage = human ? TTurnStage::AwaitingChoice : TTurnStage::ComputerDeciding;
    } else {
        S.Stage = TTurnStage::BetweenTurns;  // a roll for order is shown, then the turn passes
    }
    AnalyseDice();
    S.SelectedCount = 0;
    if (playing) {
        S.Controls.PossibleEnabled = human;
        S.Controls.ScoreEnabled = human;
        MarkSteady();
        Notify();
        Tell([](IGameEvents& e) { e.RollCompleted(); });
        if (!human) {
            StartTimer(Pace(AfterRollDelay, true), &TQuintixGame::EndRoll);
        }
    } else {
        S.Players[S.CurrentPlayer].SortKey = S.Analysis.DiceSum;
        S.Controls.RollText = std::to_string(S.Analysis.DiceSum);
        Notify();
        Tell([](IGameEvents& e) { e.RollCompleted(); });
        StartTimer(Pace(AfterRollDelay, !human), &TQuintixGame::EndRoll);
    }
}

// Dice are marked between rolls only: while dice fall a click is ignored, as after the third roll,
// so that "&Roll Dice" never comes on with no die to roll.
void TQuintixGame::ToggleDie(int die) {
    const bool marking = (S.RollCount == 1 || S.RollCount == 2) && S.Stage == TTurnStage::AwaitingChoice;
    if (!marking || PlayerOnTurn().Computer || die < 1 || die > NoOfDice) {
        return;
    }
    TDie& clicked = S.Dice[die];
    clicked.SelectShown = !clicked.SelectShown;
    S.SelectedCount += clicked.SelectShown ? 1 : -1;
    S.Controls.RollEnabled = S.SelectedCount > 0;
    MarkSteady();
    View.ShowDice();
    Notify();
}

void TQuintixGame::ShowDice() {
    for (TDie& die : S.Dice) {
        die.ImageShown = die.Value != NoValue;
        die.SelectShown = false;
    }
    View.ShowDice();
}

// The turn is over when the dice are cleared, so "&Roll Dice" goes off too: a die left marked at
// the moment of scoring would otherwise leave it on, and a click in the pause would roll for the
// next player, or after the series has ended.
void TQuintixGame::ClearDice() {
    SetShowPossible(false);
    S.Controls.ScoreEnabled = false;
    S.Controls.PossibleEnabled = false;
    S.Controls.RollEnabled = false;
    for (TDie& die : S.Dice) {
        die.Value = NoValue;
    }
    S.RollCount = 0;
    S.Controls.RollText.clear();
    ShowDice();
    Notify();
}

}  // namespace quintix
