#include "tools/simulator.h"

#include <chrono>
#include <cmath>
#include <limits>
#include <string>

#include "game/game_events.h"
#include "game/quintix_game.h"
#include "game/virtual_clock.h"
#include "scoring/line_value.h"

namespace quintix {

namespace {

// Writes the trace as the game reports its moments.
class TTraceWriter : public IGameEvents {
public:
    TTraceWriter(const TQuintixGame& game, std::FILE* out) : Game(game), Out(out) {}

    void SeriesStarted() override {
        const TGameState& s = Game.State();
        Write(R"({"ev":"series","players":)" + Int(s.NoOfPlayers) + R"(,"games":)" + Int(s.NoOfGames) + "}");
    }
    void GameStarted() override {
        const TGameState& s = Game.State();
        std::string players;
        for (int i = 1; i <= s.NoOfPlayers; ++i) {
            players += (i > 1 ? "," : "") + Int(s.Players[i].ScoreIndex);
        }
        Write(R"({"ev":"order","game":)" + Int(s.CurrentGame) + R"(,"players":[)" + players + "]}");
    }
    void RollCompleted() override {
        const TGameState& s = Game.State();
        std::string dice;
        for (int i = 1; i <= NoOfDice; ++i) {
            dice += (i > 1 ? "," : "") + Int(s.Dice[i].Value);
        }
        Write(R"({"ev":"roll","game":)" + Int(s.CurrentGame) + R"(,"turn":)" + Int(s.Turn) + R"(,"player":)" +
              Int(s.Players[s.CurrentPlayer].ScoreIndex) + R"(,"roll":)" + Int(s.RollCount) + R"(,"dice":[)" +
              dice + "]}");
    }
    void ComputerRerolls(std::uint8_t dice) override {
        std::string list;
        for (int i = 1; i <= NoOfDice; ++i) {
            if ((dice & (1U << (i - 1))) != 0) {
                list += (list.empty() ? "" : ",") + Int(i);
            }
        }
        Write(R"({"ev":"reroll","dice":[)" + list + "]}");
    }
    void LineScored(int line, std::int32_t value, std::int32_t bonus) override {
        Write(R"({"ev":"score","line":)" + Int(line) + R"(,"value":)" + Int(value) + R"(,"bonus":)" +
              Int(bonus) + "}");
    }
    void SeriesEnded() override {
        const TGameState& s = Game.State();
        std::string standings;
        std::string totals;
        for (int i = 1; i <= s.NoOfPlayers; ++i) {
            standings += (i > 1 ? "," : "") + Int(s.Players[i].ScoreIndex);
            totals += (i > 1 ? "," : "") + Int(Game.SeriesGrandTotal(s.Players[i].ScoreIndex));
        }
        Write(R"({"ev":"end","standings":[)" + standings + R"(],"totals":[)" + totals + "]}");
    }

private:
    static std::string Int(std::int32_t value) { return std::to_string(value); }
    void Write(const std::string& line) {
        std::fwrite(line.data(), 1, line.size(), Out);
        std::fputc('\n', Out);
    }

    const TQuintixGame& Game;
    std::FILE* Out;
};

// Runs the flow until it rests: every step of the clock, and the summary closed as soon as the
// flow shows it, as a person pressing OK at once would.
void PlayUntilIdle(TQuintixGame& game, TVirtualClock& clock) {
    for (;;) {
        if (game.State().SummaryOpen) {
            game.SummaryClosed();
        } else if (!clock.RunNext()) {
            return;
        }
    }
}

}  // namespace

TSimStats RunSimulation(const TSimOptions& options, std::FILE* trace) {
    TNullView view;
    TVirtualClock clock;
    TSeededRandom random(options.Seed);
    TQuintixGame game(view, clock, random);
    TTraceWriter writer(game, trace);
    if (trace != nullptr) {
        game.SetEvents(&writer);
    }

    TNewGameForm form;
    for (int i = 1; i <= options.Players; ++i) {
        form.Rows[i] = {"Computer " + std::to_string(i), true};
    }
    form.NoOfGames = options.Games;

    TSimStats stats;
    stats.Min = std::numeric_limits<std::int32_t>::max();
    stats.Max = std::numeric_limits<std::int32_t>::min();
    double sum = 0;
    double sumOfSquares = 0;
    std::int64_t upperBonuses = 0;
    std::int64_t quintixes = 0;

    const auto start = std::chrono::steady_clock::now();
    for (std::int64_t series = 0; series < options.Series; ++series) {
        game.ReadNewGameForm(form);
        game.NewSeries();
        PlayUntilIdle(game, clock);
        const TGameState& s = game.State();
        for (int p = 1; p <= options.Players; ++p) {
            for (int g = 1; g <= options.Games; ++g) {
                const std::int32_t total = game.GrandTotal(p, g);
                ++stats.Games;
                sum += total;
                sumOfSquares += static_cast<double>(total) * total;
                stats.Min = std::min(stats.Min, total);
                stats.Max = std::max(stats.Max, total);
                upperBonuses += game.UpperBonus(p, g) > 0 ? 1 : 0;
                quintixes += s.Scores[p][g].Lines[QuintixLine] == QuintixScore ? 1 : 0;
            }
        }
    }
    stats.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    if (stats.Games > 0) {
        const auto n = static_cast<double>(stats.Games);
        stats.Mean = sum / n;
        stats.StdDev = std::sqrt(std::max(0.0, sumOfSquares / n - stats.Mean * stats.Mean));
        stats.UpperBonusShare = static_cast<double>(upperBonuses) / n;
        stats.QuintixShare = static_cast<double>(quintixes) / n;
    } else {
        stats.Min = stats.Max = 0;
    }
    return stats;
}

}  // namespace quintix
