#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "game/game_state.h"

namespace quintix {

// Where the monkey's choices, and the faces of its game's dice, come from.
class IMonkeyInput {
public:
    virtual ~IMonkeyInput() = default;

    // A number in 0..bound - 1, for bound >= 1.
    virtual std::uint32_t Pick(std::uint32_t bound) = 0;
};

// A seeded generator (splitmix64), so that a seed replays the same events on every platform.
class TSeededMonkeyInput : public IMonkeyInput {
public:
    explicit TSeededMonkeyInput(std::uint64_t seed) : State(seed) {}

    std::uint32_t Pick(std::uint32_t bound) override;

private:
    std::uint64_t State;
};

// Choices read from a byte string, as a fuzzer hands it over: one byte for a choice among at most
// 256, more for wider ones, and 0 once the bytes are used up.
class TByteMonkeyInput : public IMonkeyInput {
public:
    TByteMonkeyInput(const std::uint8_t* data, std::size_t size) : Data(data), Size(size) {}

    std::uint32_t Pick(std::uint32_t bound) override;
    bool Exhausted() const { return Used >= Size; }

private:
    const std::uint8_t* Data;
    std::size_t Size;
    std::size_t Used = 0;
};

struct TMonkeyOptions {
    // After every new series of computer players only, plays the same series to its end on a fresh
    // game with nobody interfering, and reports it if it does not end.
    bool CheckComputerSeriesEnd = true;
};

// What the monkey has done and seen so far.
struct TMonkeyFigures {
    std::int64_t Events = 0;
    std::int64_t Checks = 0;  // passes over the invariants, one after every event and every timer step
    std::int64_t Violations = 0;
    std::int64_t SeriesStarted = 0;
    std::int64_t GamesStarted = 0;
    std::int64_t SeriesEnded = 0;
    std::int64_t LinesScored = 0;
    std::int64_t ScoresUndone = 0;
    std::int64_t ComputerSeriesPlayed = 0;  // by the end check, on fresh games
};

// Plays a game on a virtual clock as a person and the clock could: each step applies one event
// chosen by the input among those possible at that moment (enabled controls only, and the open
// dialogs' answers), then checks the game's invariants and, against rules written afresh here,
// every score and total. Violations go to the handler, one message each; the game goes on.
class TGameMonkey {
public:
    explicit TGameMonkey(IMonkeyInput& input, TMonkeyOptions options = {});
    ~TGameMonkey();
    TGameMonkey(const TGameMonkey&) = delete;
    TGameMonkey& operator=(const TGameMonkey&) = delete;

    void OnViolation(std::function<void(const std::string&)> handler);
    void Step();
    // Opens the new game dialog and starts a series the input describes.
    void StartSeries();
    // Plays on as a plain person would (Roll Dice once a turn, the first open line), closing every
    // dialog, until the series is over; reports it if the series does not end. True at its end.
    bool PlayToSeriesEnd();

    const TMonkeyFigures& Figures() const;
    const TGameState& State() const;

private:
    struct TImpl;
    std::unique_ptr<TImpl> Impl;
};

}  // namespace quintix
