#include "history/game_recorder.h"

#include <algorithm>
#include <cstdio>

#include "history/utc_time.h"

namespace quintix {

TGameRecorder::TGameRecorder(const TQuintixGame& game, THistoryStore& store, TClock now)
    : Game(game), Store(store), Now(now ? std::move(now) : TClock(UnixSecondsNow)) {
    // Seeded from more than 32 bits, so that two recorders almost never make the same ids.
    std::random_device device;
    std::seed_seq seed{device(), device(), device(), device(), static_cast<unsigned>(UnixSecondsNow())};
    Ids.seed(seed);
}

std::optional<TGameRecorder::TRecording> TGameRecorder::Kept(int rolls) const {
    if (!Recording) {
        return std::nullopt;
    }
    TRecording kept{*Recording, Turns, Turn};
    const auto count = static_cast<std::size_t>(std::max(rolls, 0));
    if (kept.Turn.Rolls.size() > count) {
        kept.Turn.Rolls.resize(count);
    }
    if (kept.Turn.Rerolls.size() + 1 > count) {
        kept.Turn.Rerolls.resize(count > 0 ? count - 1 : 0);
    }
    return kept;
}

void TGameRecorder::Continue(TRecording recording) {
    Recording = std::move(recording.Series);
    Turns = std::move(recording.Turns);
    Turn = std::move(recording.Turn);
}

int TGameRecorder::ScoreIndexOnTurn() const {
    return Game.PlayerOnTurn().ScoreIndex;
}

// Series ids are random so that histories kept on different machines merge without clashes.
void TGameRecorder::SeriesStarted() {
    const TGameState& s = Game.State();
    Recording.reset();
    if (s.NoOfPlayers < 1) {
        return;
    }
    char id[17];
    std::snprintf(id, sizeof id, "%016llx", static_cast<unsigned long long>(Ids()));
    Recording = TSeriesInfo{id, Now(), s.NoOfGames, s.NoOfPlayers};
    Turn = {};
    for (auto& turns : Turns) {
        turns.clear();
    }
}

// The roll for order decides nothing on a sheet, so only the rolls of a game are kept.
void TGameRecorder::RollCompleted() {
    const TGameState& s = Game.State();
    if (!Recording || s.Phase() != TPhase::Playing) {
        return;
    }
    TDiceValues dice;
    for (int die = 1; die <= NoOfDice; ++die) {
        dice[die] = s.Dice[die].Value;
    }
    Turn.Rolls.push_back(dice);
}

void TGameRecorder::ComputerRerolls(TDiceSet dice) {
    Turn.Rerolls.push_back(dice);
}

void TGameRecorder::PersonRerolls(TDiceSet dice) {
    Turn.Rerolls.push_back(dice);
}

void TGameRecorder::LineScored(int line, std::int32_t /*value*/, std::int32_t /*bonus*/) {
    if (Recording) {
        Turn.Line = line;
        Turns[ScoreIndexOnTurn()].push_back(std::move(Turn));
    }
    Turn = {};
}

// The turn goes on where it stood before the score: its rolls stand, and its line is chosen again.
// Nobody has rolled since, so the turn being gathered is empty.
void TGameRecorder::ScoreUndone(int /*line*/) {
    std::vector<TTurnDecisions>& turns = Turns[ScoreIndexOnTurn()];
    if (Recording && !turns.empty()) {
        Turn = std::move(turns.back());
        turns.pop_back();
        Turn.Line = 0;
    }
}

void TGameRecorder::GameEnded(int game) {
    if (!Recording) {
        return;
    }
    const TGameState& s = Game.State();
    std::vector<TGameRecord> records;
    for (const TPlayer& player : s.Players) {
        const int seat = player.ScoreIndex;
        if (seat < 1 || seat > s.NoOfPlayers) {
            continue;
        }
        TGameRecord record;
        const TPlayerKind kind = !player.Computer ? TPlayerKind::Person
                                 : s.ExpertPlay   ? TPlayerKind::ExpertComputer
                                                  : TPlayerKind::Computer;
        record.Player = {seat, player.Name, kind};
        record.Game = game;
        record.Ended = Now();
        record.Lines = s.Scores[seat][game].Lines;
        record.UpperBonus = Game.UpperBonus(seat, game);
        record.QuintixBonus = s.Scores[seat][game].Bonus;
        record.GrandTotal = Game.GrandTotal(seat, game);
        record.Decisions = EncodeDecisions(Turns[seat]);
        Turns[seat].clear();
        records.push_back(std::move(record));
    }
    Store.RecordGames(*Recording, records);
}

// Players with equal series totals share a place, the next one counting all before it.
void TGameRecorder::SeriesEnded() {
    if (!Recording) {
        return;
    }
    const TGameState& s = Game.State();
    std::vector<TStanding> standings;
    for (int seat = 1; seat <= s.NoOfPlayers; ++seat) {
        const std::int32_t total = Game.SeriesGrandTotal(seat);
        std::int32_t place = 1;
        for (int other = 1; other <= s.NoOfPlayers; ++other) {
            place += Game.SeriesGrandTotal(other) > total ? 1 : 0;
        }
        standings.push_back({seat, total, place});
    }
    Store.RecordSeriesEnd(Recording->Id, Now(), standings);
    Recording.reset();
}

}  // namespace quintix
