#include "game/play_until_idle.h"

#include "computer/strategy.h"

namespace quintix {

std::int64_t PlayUntilIdle(TQuintixGame& game, TVirtualClock& clock, std::int64_t maxSteps,
                           const std::function<void()>& closeSummary) {
    std::int64_t steps = 0;
    for (; steps < maxSteps; ++steps) {
        if (!game.SummaryOpen()) {
            if (!clock.RunNext()) {
                break;
            }
        } else if (closeSummary) {
            closeSummary();
        } else {
            game.SummaryClosed();
        }
    }
    return steps;
}

void PlaySeriesToItsEnd(TQuintixGame& game, TVirtualClock& clock, std::int64_t maxSteps) {
    for (std::int64_t step = 0; step < maxSteps && game.Phase() != TPhase::SeriesOver; ++step) {
        PlayUntilIdle(game, clock);
        const TGameState& s = game.State();
        if (s.Stage == TTurnStage::AwaitingRoll) {
            game.Roll();
        } else if (s.Stage == TTurnStage::AwaitingChoice) {
            const TComputerDecision move = DecideComputerMove(
                {s.Analysis, s.Scores[game.PlayerOnTurn().ScoreIndex][s.CurrentGame], s.RollCount, s.Turn});
            if (move.Kind == TComputerDecision::TKind::Score) {
                game.Score(move.Line);
                continue;
            }
            for (int die = 1; die <= NoOfDice; ++die) {
                if ((move.Dice & DieBit(die)) != 0) {
                    game.ToggleDie(die);
                }
            }
            game.Roll();
        }
    }
}

}  // namespace quintix
