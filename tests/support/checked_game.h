#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <sstream>
#include <string>

#include "game/quintix_game.h"
#include "game/virtual_clock.h"
#include "tests/support/table_providers.h"

namespace quintix::testing {

// A game on a virtual clock that checks the invariants of a series after every step of its timer
// and whenever Check is called: it is the game's view, timer and event sink at once. A broken
// invariant goes to OnViolation and the game goes on. AlsoCheck runs after every check.
class TCheckedGame final : public TNullView, public IGameEvents, public IStepTimer {
public:
    TCheckedGame(IRandomSource& dice, std::string name);

    const TGameState& State() const { return Game.State(); }
    // What is being done to the game, for the messages.
    void Doing(const char* activity) { Activity = activity; }
    void Check();
    void CloseSummary();
    // Takes over a position as a fresh game object would, with its summary as shown.
    void Adopt(const TGameState& state);
    // The play position of the player whose sheets are row scoreIndex, as of the last check.
    int PositionOf(int scoreIndex) const { return Position[static_cast<std::size_t>(scoreIndex)]; }

    template <typename... TParts>
    void Expect(bool holds, const TParts&... parts) {
        if (!holds) {
            std::ostringstream text;
            text << Name << " at " << Clock.Now() << " ms, " << Activity << ": ";
            (text << ... << parts);
            ++Violations;
            if (OnViolation) {
                OnViolation(text.str());
            }
        }
    }

    TVirtualClock Clock;
    TTableOnRequest Table;
    TQuintixGame Game;
    std::function<void()> AlsoCheck = [] {};
    std::function<void(const std::string&)> OnViolation;
    std::int64_t Checks = 0;
    std::int64_t Violations = 0;

    void ShowSummary(const std::string& caption) override;
    void Start(int intervalMs, std::function<void()> step) override;
    void Stop() override { Clock.Stop(); }
    void SeriesStarted() override;
    void GameStarted() override;
    void RollCompleted() override;
    void ComputerRerolls(TDiceSet dice) override;
    void LineScored(int line, std::int32_t value, std::int32_t bonus) override;
    void ScoreUndone(int line) override;
    void SeriesEnded() override;

private:
    TSubscription Following;
    bool CheckPlayers();
    void CheckSheets();

    std::string Name;
    const char* Activity = "start-up";
    bool SummaryShown = false;
    bool SeriesSeen = false;
    std::array<int, MaxPlayers + 1> Position{};
    TScores Previous{};  // the sheets at the last check
    std::array<std::int32_t, 3> Progress{};
    bool FullCheckDue = true;
    bool CompletedThisTurn = false;  // a roll of the turn has landed
};

}  // namespace quintix::testing
