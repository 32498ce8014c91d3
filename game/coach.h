#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/observers.h"
#include "computer/optimal_solver.h"
#include "computer/table_provider.h"
#include "game/game_events.h"
#include "game/quintix_game.h"

namespace quintix {

// A person's decision, and once the table can value it, what it gave away.
struct TDecisionCost {
    std::string Player;
    TChoiceValue Choice;         // the kind, and the line or the dice; no value
    TDiceValues Dice{};          // the dice it was made on
    std::optional<double> Cost;  // the best choice's value less this one's: 0 for a best choice
};

// What the coach has to say at a moment of the series.
struct TCoachAdvice {
    enum class TState {
        NoSeries,
        RollForOrder,  // nothing to choose in the roll for order
        BeforeRoll,    // the player on turn has yet to roll, or the dice are falling
        Preparing,     // the table is being built
        Choices,       // the choices after the last roll
        SeriesOver,
    };
    TState State = TState::NoSeries;
    std::string Player;  // the player on turn
    int Roll = 0;        // rolls made in the turn, 1..3, for Choices
    TDiceValues Dice{};
    std::int32_t GrandTotal = 0;  // the sheet's grand total so far; a choice leads to this plus its value
    std::vector<TChoiceValue> Choices;  // best first
    int ClassicChoice = -1;  // the choice the design's computer player would make, as an index of Choices
    // BeforeRoll, once the table is ready: the grand total the game is expected to reach with the
    // best play from here.
    std::optional<double> ExpectedTotal;
    std::optional<TDecisionCost> LastDecision;  // the last decision of a person in this game
};

// A person's running total of points given away in the current game.
struct TGivenAway {
    std::string Name;
    double Points = 0.0;
};

// The coach: after every roll it tells what each choice is worth under perfect play, and before
// one what the game is expected to reach; for every person it keeps the points given away by
// decisions that were not the best, a score taken back no longer counting. It follows the game
// through its events from its making, window or not; decisions made before the table is ready are
// valued once the provider says it is. The coach never has the table built itself.
class TCoach : public IGameEvents {
public:
    TCoach(TQuintixGame& game, ITableProvider& table);
    TCoach(const TCoach&) = delete;
    TCoach& operator=(const TCoach&) = delete;

    TCoachAdvice Advice() const;
    // The people of the series in play order.
    std::vector<TGivenAway> GivenAway() const;
    // The game the coach follows.
    const TQuintixGame& FollowedGame() const { return Game; }
    // Calls `changed` after every event the coach has followed, so that a window can show it.
    [[nodiscard]] TSubscription OnChange(std::function<void()> changed) {
        return Changed.Add(std::move(changed));
    }

    void SeriesStarted() override;
    void GameStarted() override;
    void TurnStarted() override;
    void RollCompleted() override;
    void PersonRerolls(TDiceSet dice) override;
    void ComputerRerolls(TDiceSet dice) override;
    void LineScored(int line, std::int32_t value, std::int32_t bonus) override;
    void ScoreUndone(int line) override;
    void SeriesEnded() override { Notify(); }

private:
    // The turn's position after its last completed roll.
    struct TPosition {
        int ScoreIndex = 0;
        TGameScore Sheet;
        int Roll = 0;
        int Turn = 0;
        TDiceValues Dice{};
        TDiceAnalysis Analysis{};
    };
    struct TDecision {
        TPosition Position;
        TChoiceValue Choice;  // the kind, and the line or the dice; no value
        std::optional<double> Cost;
    };

    std::optional<TPosition> PositionNow() const;
    std::optional<double> ExpectedTotal(const TOptimalTable& table) const;
    void Decide(const TChoiceValue& choice);
    void Settle();
    void Forget();
    void Notify() {
        Changed.Notify([](const std::function<void()>& changed) { changed(); });
    }

    const TQuintixGame& Game;
    ITableProvider& Table;
    TObservers<std::function<void()>> Changed;
    TSubscription Following;  // the game's events
    TSubscription TableWait;  // while decisions wait to be valued
    std::optional<TPosition> Position;
    std::vector<TDecision> Decisions;  // the people's, in the current game, in order
};

}  // namespace quintix
