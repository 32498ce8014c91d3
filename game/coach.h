#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "computer/optimal_solver.h"
#include "game/game_events.h"
#include "game/quintix_game.h"

namespace quintix {

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
};

// A person's running total of points given away in the current game.
struct TGivenAway {
    std::string Name;
    double Points = 0.0;
};

// The coach: after every roll it tells what each choice is worth under perfect play, and for every
// person it keeps the points given away by decisions that were not the best. It follows the game
// through its events, open or not; decisions made before the table is ready are valued once it is.
// The coach never has the table built itself: the table source gives it once it is there.
class TCoach : public IGameEvents {
public:
    using TTableSource = std::function<const TOptimalTable*()>;

    TCoach(const TQuintixGame& game, TTableSource table);

    TCoachAdvice Advice();
    // The people of the series in play order.
    std::vector<TGivenAway> GivenAway();
    // Called after every event the coach has followed, so that a window can show the change.
    void OnChange(std::function<void()> changed) { Changed = std::move(changed); }

    void SeriesStarted() override;
    void GameStarted() override;
    void RollCompleted() override;
    void PersonRerolls(TDiceSet dice) override;
    void ComputerRerolls(TDiceSet dice) override;
    void LineScored(int line, std::int32_t value, std::int32_t bonus) override;

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
    };

    void Decide(const TChoiceValue& choice);
    void Settle();
    void Notify() {
        if (Changed) {
            Changed();
        }
    }

    const TQuintixGame& Game;
    TTableSource Table;
    std::function<void()> Changed;
    std::optional<TPosition> Position;
    std::vector<TDecision> Unsettled;
    std::array<double, MaxPlayers + 1> Lost{};  // by ScoreIndex, in the current game
};

}  // namespace quintix
