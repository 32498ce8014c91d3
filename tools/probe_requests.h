#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quintix {

class TExpertTable;

// Answers one request line of the probe, the core's text interface for outside checks:
//   prob R G I N1..N5 V1..V5        -> ok P N1..N5 | error N1..N5 MESSAGE
//   face n r two | kind t k two | fullhouse k twopairs two | straight n g two m   -> ok E
//   analyse D1..D5 L0..L12          -> ok DiceSum MaxCount MaxFace C0..C12 Joker TwoPairs RunCount
//                                       RunLow RunHigh OpenEnd
//   value LINE D1..D5 L0..L12       -> ok V B
//   move TURN ROLL D1..D5 L0..L12   -> ok score LINE | ok reroll I...   (the computer player's move)
//   optimum                         -> ok E   (what a new game is worth under perfect play)
//   hint ROLL D1..D5 L0..L12        -> ok followed by every choice, best first, as "score LINE E" or
//                                       "reroll DICE E" (DICE: the dice rolled again, as "135")
//   chances GAMES_LEFT N SIMS SEED, then N groups STRATEGY SERIES_TOTAL BONUS L0..L12
//                                   -> ok G1 S1 ... GN SN   (each player's chance to win the game and
//                                       the series, from SIMS simulations of the rest of the series)
// A malformed request, or one with an argument outside what it means, gets "error MESSAGE", quoting at
// most a few dozen bytes of the request with the unprintable ones escaped. Blank lines get no answer
// (nullopt). The exact solver's answers come from `table`, built on the first request that needs it.
std::optional<std::string> AnswerProbeRequest(std::string_view request, TExpertTable& table);

// A request fits in about a hundred characters; a longer line than this is refused without being kept.
constexpr std::size_t MaxProbeRequestLength = 4096;

// The answer to a line longer than MaxProbeRequestLength.
std::string AnswerOverlongProbeRequest();

}  // namespace quintix
