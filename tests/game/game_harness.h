#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "game/position_builder.h"
#include "game/quintix_game.h"
#include "game/scripted_random.h"
#include "game/virtual_clock.h"
#include "tests/support/series.h"
#include "tests/support/table_providers.h"

namespace quintix::testing {

// Records what the game asked of its windows.
class TRecordingView : public TNullView {
public:
    void RedrawScores() override { ++ScoreRedraws; }
    void SetSummaryPlayers(const TPlayers& players) override { SummaryPlayers = players; }
    void ShowSummary(const std::string& caption) override { SummaryShowings.push_back(caption); }

    int ScoreRedraws = 0;
    TPlayers SummaryPlayers;
    std::vector<std::string> SummaryShowings;
};

// The player messages as the game reports them; the window words them.
inline TPlayerMessage YourTurn(bool forOrder = false) {
    return {TPlayerMessage::TKind::YourTurn, "", forOrder};
}
inline TPlayerMessage TurnOf(const std::string& name, bool forOrder = false) {
    return {TPlayerMessage::TKind::PlayersTurn, name, forOrder};
}
inline TPlayerMessage WinnerIs(const std::string& name) {
    return {TPlayerMessage::TKind::Winner, name, false};
}

// A game on a virtual clock with scripted dice; the solver's table comes when the test says so.
class GameTest : public ::testing::Test {
protected:
    GameTest() : Game(View, Clock, Dice, Table) { Game.WindowShown(); }
    ~GameTest() override { EXPECT_FALSE(Dice.RanOut()) << "the dice script ran out"; }

    void StartSeries(std::initializer_list<TEntry> players, int games = 1) {
        Game.StartSeries(SeriesOf(players, games));
    }
    const TGameState& S() const { return Game.State(); }
    std::vector<int> Faces() const {
        std::vector<int> faces;
        for (const TDie& die : S().Dice) {
            faces.push_back(die.Value);
        }
        return faces;
    }
    // Names by play position.
    std::vector<std::string> Order() const {
        std::vector<std::string> names;
        for (int i = 1; i <= S().NoOfPlayers; ++i) {
            names.push_back(S().Players[i].Name);
        }
        return names;
    }
    // A person's roll: press the button and let the dice land.
    void HumanRoll(std::initializer_list<int> faces) {
        Dice.Add(faces);
        Game.Roll();
        Clock.AdvanceBy(250 * static_cast<int>(faces.size()));
    }

    TRecordingView View;
    TVirtualClock Clock;
    TScriptedRandom Dice;
    TTableByHand Table;
    TQuintixGame Game;
};

}  // namespace quintix::testing
