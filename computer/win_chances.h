#pragma once

#include <cstdint>
#include <optional>
#include <stop_token>
#include <vector>

#include "base/types.h"
#include "computer/optimal_table.h"

namespace quintix {

// How a player plays the rest of a series in a simulation: as the design's computer player does, or
// making the best choice at every decision (an expert computer player, and a person as the expert
// would play).
enum class TPlayStyle { Classic, Expert };

// One player of a series between two turns.
struct TChancePlayer {
    TPlayStyle Style = TPlayStyle::Expert;
    std::int32_t SeriesTotal = 0;            // the grand totals of the series' finished games
    TGameScore Sheet = TGameScore::Blank();  // this game's, with its Quintix bonus

    bool operator==(const TChancePlayer&) const = default;
};

struct TChancePosition {
    std::vector<TChancePlayer> Players;
    int GamesLeft = 0;  // the games still to play after this one

    bool operator==(const TChancePosition&) const = default;
};

// Each player's chance to win this game and the series, in the order of the position's players.
// A tie shares the win equally among the tied players.
struct TWinChances {
    std::vector<double> Game;
    std::vector<double> Series;
    int Simulations = 0;
};

struct TChanceOptions {
    int Simulations = 2000;
    std::uint64_t Seed = 0;
    // Simulations run on this many threads (at least one), joined before the answer; the answer is
    // the same for any number.
    int Threads = 1;
    std::stop_token Stop;  // a stop request ends the work early, without an answer
};

// Plays the rest of the series the given number of times, each player by its style, with dice drawn
// from the seed, and counts who wins. Players' sheets are played independently (no style looks at
// the others), so the order of play does not matter. The table must hold every sheet of an expert
// player (null only when none plays Expert). Nullopt when stopped.
std::optional<TWinChances> SimulateWinChances(const TChancePosition& position, const TOptimalTable* table,
                                              const TChanceOptions& options);

// The dice of one simulation: faces 1..6 drawn evenly from a stream fixed by two numbers, so that
// simulation n of a seed rolls the same dice on any thread.
class TSimulationDice {
public:
    TSimulationDice(std::uint64_t seed, std::uint64_t stream);
    int Face();

private:
    std::uint64_t Next();
    std::uint64_t State;
};

// Plays the open lines of `sheet` to the end of the game, as `style` plays; the dice come sorted
// after every roll, which changes no decision's worth.
void PlayOut(TGameScore& sheet, TPlayStyle style, const TOptimalTable* table, TSimulationDice& dice);

}  // namespace quintix
