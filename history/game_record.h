#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/types.h"

namespace quintix {

// Who played a sheet. The numbers are stored: never renumber them.
enum class TPlayerKind : std::int32_t { Person = 0, Computer = 1, ExpertComputer = 2 };

// A series as the history knows it. Id is random and never reused, so that games from another
// database merge without clashing.
struct TSeriesInfo {
    std::string Id;
    std::int64_t Started = 0;  // Unix seconds, UTC
    std::int32_t NoOfGames = 1;
    std::int32_t NoOfPlayers = 1;
};

// One player's seat in a series. Seat is the player's entry order (the game's ScoreIndex): names
// may repeat within a series, the seat never does.
struct TSeat {
    std::int32_t Seat = 1;
    std::string Name;  // UTF-8, as the player typed it
    TPlayerKind Kind = TPlayerKind::Person;

    bool operator==(const TSeat&) const = default;
};

// One player's finished sheet of one game of a series.
struct TGameRecord {
    TSeat Player;
    std::int32_t Game = 1;   // 1..NoOfGames
    std::int64_t Ended = 0;  // Unix seconds, UTC
    std::array<std::int32_t, NoOfLines> Lines{};
    std::int32_t UpperBonus = 0;
    std::int32_t QuintixBonus = 0;
    std::int32_t GrandTotal = 0;
    std::vector<std::uint8_t> Decisions;  // see decisions.h

    bool operator==(const TGameRecord&) const = default;
};

// A player's result at the end of a series.
struct TStanding {
    std::int32_t Seat = 1;
    std::int32_t SeriesTotal = 0;
    std::int32_t Place = 1;  // players with equal totals share a place
};

// A stored game as the history gives it back, with its series.
struct TStoredGame {
    TSeriesInfo Series;
    TGameRecord Record;
    std::optional<std::int64_t> SeriesEnded;  // unset while the series is unfinished
    std::optional<TStanding> Standing;
};

// A stored game as lists and charts show it, without its decisions: quick to read by the
// thousand. Series, Game and Seat find the whole game again.
struct TGameSummary {
    std::int64_t Series = 0;  // the history's own number of the series
    std::int32_t Game = 1;
    std::int32_t Seat = 1;
    std::int32_t SeriesGames = 1;
    std::int64_t Ended = 0;
    TPlayerKind Kind = TPlayerKind::Person;
    std::int32_t GrandTotal = 0;
    std::int32_t UpperBonus = 0;
    std::int32_t QuintixBonus = 0;
    bool QuintixFifty = false;  // "Quintix" scored as 50
};

}  // namespace quintix
