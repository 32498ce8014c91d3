#include "game/coach.h"

#include <algorithm>
#include <stdexcept>

#include "computer/solver_state.h"
#include "computer/strategy.h"
#include "scoring/totals.h"

namespace quintix {

namespace {

bool SameChoice(const TChoiceValue& a, const TChoiceValue& b) {
    return a.Kind == b.Kind && (a.Kind == TChoiceValue::TKind::Score ? a.Line == b.Line : a.Dice == b.Dice);
}

}  // namespace

TCoach::TCoach(TQuintixGame& game, ITableProvider& table)
    : Game(game), Table(table), Following(game.Subscribe(*this)) {}

TCoachAdvice TCoach::Advice() const {
    TCoachAdvice advice;
    switch (Game.Phase()) {
        case TPhase::NoSeries:
            return advice;
        case TPhase::SeriesOver:
            advice.State = TCoachAdvice::TState::SeriesOver;
            return advice;
        case TPhase::RollForOrder:
            advice.State = TCoachAdvice::TState::RollForOrder;
            advice.Player = Game.PlayerOnTurn().Name;
            return advice;
        case TPhase::Playing:
            break;
    }
    advice.Player = Game.PlayerOnTurn().Name;
    advice.State = TCoachAdvice::TState::BeforeRoll;
    const TOptimalTable* table = Table.Peek();
    if (!Decisions.empty()) {
        const TDecision& last = Decisions.back();
        for (const TPlayer& player : Game.Players()) {
            if (player.ScoreIndex == last.Position.ScoreIndex) {
                advice.LastDecision = TDecisionCost{player.Name, last.Choice, last.Position.Dice, last.Cost};
            }
        }
    }
    if (!Position) {
        if (table != nullptr) {
            advice.ExpectedTotal = ExpectedTotal(*table);
        }
        return advice;
    }
    if (table == nullptr) {
        advice.State = TCoachAdvice::TState::Preparing;
        return advice;
    }
    try {
        advice.Choices = EvaluateTurn(*table, Position->Sheet, Position->Roll, Position->Dice);
    } catch (const std::invalid_argument&) {
        return advice;  // a position no game can reach, set up by a tool
    }
    advice.State = TCoachAdvice::TState::Choices;
    advice.Roll = Position->Roll;
    advice.Dice = Position->Dice;
    advice.GrandTotal = GrandTotal(Position->Sheet);
    const TComputerDecision classic =
        DecideComputerMove({Position->Analysis, Position->Sheet, Position->Roll, Position->Turn});
    TChoiceValue classicChoice;
    if (classic.Kind == TComputerDecision::TKind::Roll) {
        classicChoice.Kind = TChoiceValue::TKind::Reroll;
        classicChoice.Dice = classic.Dice;
    } else {
        classicChoice.Line = classic.Line;
    }
    const auto found = std::ranges::find_if(advice.Choices, [&classicChoice](const TChoiceValue& choice) {
        return SameChoice(choice, classicChoice);
    });
    advice.ClassicChoice =
        found != advice.Choices.end() ? static_cast<int>(found - advice.Choices.begin()) : -1;
    return advice;
}

// Before the turn's first roll: the sheet's total so far and what the table expects the rest of
// the game to add.
std::optional<double> TCoach::ExpectedTotal(const TOptimalTable& table) const {
    const TGameState& s = Game.State();
    const TGameScore& sheet = s.Scores[Game.PlayerOnTurn().ScoreIndex][s.CurrentGame];
    try {
        const TSolverState state = StateOfSheet(sheet);
        if (table.Holds(state)) {
            return GrandTotal(sheet) + table.Value(state);
        }
    } catch (const std::invalid_argument&) {
        // a full sheet, or one no game can make
    }
    return std::nullopt;
}

std::vector<TGivenAway> TCoach::GivenAway() const {
    std::vector<TGivenAway> people;
    for (int position = 1; position <= Game.NoOfPlayers(); ++position) {
        const TPlayer& player = Game.Players()[position];
        if (player.Computer) {
            continue;
        }
        double points = 0.0;
        for (const TDecision& decision : Decisions) {
            if (decision.Position.ScoreIndex == player.ScoreIndex && decision.Cost) {
                points += *decision.Cost;
            }
        }
        people.push_back({player.Name, points});
    }
    return people;
}

void TCoach::SeriesStarted() {
    Forget();
    Notify();
}

// A decision of the last game that could not be valued while the table was being built is not
// carried into the next game's count.
void TCoach::GameStarted() {
    Forget();
    Notify();
}

void TCoach::Forget() {
    Decisions.clear();
    TableWait.Cancel();
    Position.reset();
}

void TCoach::TurnStarted() {
    Notify();
}

// The turn's position after its last completed roll, or none before a roll of the turn has landed.
std::optional<TCoach::TPosition> TCoach::PositionNow() const {
    const TGameState& s = Game.State();
    if (!s.TurnRolled() || s.Stage == TTurnStage::DiceFalling) {
        return std::nullopt;
    }
    TPosition position;
    position.ScoreIndex = Game.PlayerOnTurn().ScoreIndex;
    position.Sheet = s.Scores[position.ScoreIndex][s.CurrentGame];
    position.Roll = s.RollCount;
    position.Turn = s.Turn;
    for (int die = 1; die <= NoOfDice; ++die) {
        position.Dice[die] = s.Dice[die].Value;
    }
    position.Analysis = s.Analysis;
    return position;
}

void TCoach::RollCompleted() {
    if (Game.State().Phase() == TPhase::Playing) {
        Position = PositionNow();
    }
    Notify();
}

void TCoach::PersonRerolls(TDiceSet dice) {
    Decide({TChoiceValue::TKind::Reroll, -1, dice, 0.0});
}

void TCoach::ComputerRerolls(TDiceSet /*dice*/) {
    Position.reset();
    Notify();
}

void TCoach::LineScored(int line, std::int32_t /*value*/, std::int32_t /*bonus*/) {
    Decide({TChoiceValue::TKind::Score, line, 0, 0.0});
}

// Only the final choice counts: the score taken back is no decision, and the choices after the
// roll it was made on show again.
void TCoach::ScoreUndone(int line) {
    const int scoreIndex = Game.PlayerOnTurn().ScoreIndex;
    if (!Decisions.empty() && Decisions.back().Position.ScoreIndex == scoreIndex &&
        Decisions.back().Choice.Kind == TChoiceValue::TKind::Score && Decisions.back().Choice.Line == line) {
        Decisions.pop_back();
    }
    Position = PositionNow();
    Notify();
}

// Only a person's decisions count, and only those made on the dice of a completed roll of the turn.
void TCoach::Decide(const TChoiceValue& choice) {
    if (Position && !Game.PlayerOnTurn().Computer) {
        Decisions.push_back({*Position, choice, std::nullopt});
    }
    Position.reset();
    Settle();
    Notify();
}

// A decision gives away what the best choice is worth more than the one taken. Decisions made
// before the table is ready wait for it.
void TCoach::Settle() {
    const auto unvalued = [](const TDecision& decision) { return !decision.Cost; };
    if (std::ranges::none_of(Decisions, unvalued)) {
        return;
    }
    const TOptimalTable* table = Table.Peek();
    if (table == nullptr) {
        if (!TableWait.Active()) {
            TableWait = Table.OnReady([this] {
                TableWait.Cancel();
                Settle();
                Notify();
            });
        }
        return;
    }
    for (TDecision& decision : Decisions) {
        if (decision.Cost) {
            continue;
        }
        const TPosition& p = decision.Position;
        decision.Cost = 0.0;
        try {
            const std::vector<TChoiceValue> choices = EvaluateTurn(*table, p.Sheet, p.Roll, p.Dice);
            const auto taken = std::ranges::find_if(choices, [&decision](const TChoiceValue& choice) {
                return SameChoice(choice, decision.Choice);
            });
            if (taken != choices.end()) {
                decision.Cost = choices.front().Value - taken->Value;
            }
        } catch (const std::invalid_argument&) {
            // a position no game can reach, set up by a tool
        }
    }
}

}  // namespace quintix
