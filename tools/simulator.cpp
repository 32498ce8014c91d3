#include "tools/simulator.h"

#include <chrono>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "computer/expert_table.h"
#include "computer/optimal_solver.h"
#include "game/game_events.h"
#include "game/play_until_idle.h"
#include "game/quintix_game.h"
#include "game/virtual_clock.h"
#include "history/game_recorder.h"
#include "scoring/line_value.h"

namespace quintix {

namespace {

// Writes the trace as the game reports its moments, one JSON object a line.
class TTraceWriter : public IGameEvents {
public:
    TTraceWriter(const TQuintixGame& game, std::FILE* out) : Game(game), Out(out) {}

    void SeriesStarted() override {
        const TGameState& s = Game.State();
        std::fprintf(Out,
                     R"({"ev":"series","players":%d,"games":%d})"
                     "\n",
                     s.NoOfPlayers, s.NoOfGames);
    }
    void GameStarted() override {
        const TGameState& s = Game.State();
        std::fprintf(Out, R"({"ev":"order","game":%d,"players":)", s.CurrentGame);
        WriteArray(s.NoOfPlayers, [&s](int i) { return s.Players[i].ScoreIndex; });
        std::fputs("}\n", Out);
    }
    void RollCompleted() override {
        const TGameState& s = Game.State();
        std::fprintf(Out, R"({"ev":"roll","game":%d,"turn":%d,"player":%d,"roll":%d,"dice":)", s.CurrentGame,
                     s.Turn, s.Players[s.CurrentPlayer].ScoreIndex, s.RollCount);
        WriteArray(NoOfDice, [&s](int i) { return s.Dice[i].Value; });
        std::fputs("}\n", Out);
    }
    void ComputerRerolls(TDiceSet dice) override {
        std::fputs(R"({"ev":"reroll","dice":[)", Out);
        const char* separator = "";
        for (int i = 1; i <= NoOfDice; ++i) {
            if ((dice & (1U << (i - 1))) != 0) {
                std::fprintf(Out, "%s%d", separator, i);
                separator = ",";
            }
        }
        std::fputs("]}\n", Out);
    }
    void LineScored(int line, std::int32_t value, std::int32_t bonus) override {
        std::fprintf(Out,
                     R"({"ev":"score","line":%d,"value":%d,"bonus":%d})"
                     "\n",
                     line, value, bonus);
    }
    void SeriesEnded() override {
        const TGameState& s = Game.State();
        std::fputs(R"({"ev":"end","standings":)", Out);
        WriteArray(s.NoOfPlayers, [&s](int i) { return s.Players[i].ScoreIndex; });
        std::fputs(R"(,"totals":)", Out);
        WriteArray(s.NoOfPlayers,
                   [this, &s](int i) { return Game.SeriesGrandTotal(s.Players[i].ScoreIndex); });
        std::fputs("}\n", Out);
    }

private:
    // [f(1),...,f(count)]
    template <typename F>
    void WriteArray(int count, F item) {
        std::fputc('[', Out);
        for (int i = 1; i <= count; ++i) {
            std::fprintf(Out, i > 1 ? ",%d" : "%d", item(i));
        }
        std::fputc(']', Out);
    }

    const TQuintixGame& Game;
    std::FILE* Out;
};

}  // namespace

TSimStats RunSimulation(const TSimOptions& options, std::FILE* trace, THistoryStore* history) {
    TNullView view;
    TVirtualClock clock;
    TSeededRandom random(options.Seed);
    // The expert's table is built before the first game, so that no decision waits for it.
    TExpertTable expertTable;
    const auto building = std::chrono::steady_clock::now();
    const TOptimalTable* table = options.Expert ? &expertTable.BuildNow() : nullptr;
    const double tableSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - building).count();
    TFixedTable provider(table);
    TQuintixGame game(view, clock, random, provider);
    TTraceWriter writer(game, trace);
    TSubscription tracing;
    if (trace != nullptr) {
        tracing = game.Subscribe(writer);
    }
    std::optional<TGameRecorder> recorder;
    TSubscription recording;
    if (history != nullptr) {
        recorder.emplace(game, *history);
        recording = game.Subscribe(*recorder);
    }

    TNewGameContents form;
    for (int i = 1; i <= options.Players; ++i) {
        form.Rows[i] = {"Computer " + std::to_string(i), true};
    }
    form.NoOfGames = options.Games;
    form.ExpertPlay = options.Expert;

    TSimStats stats;
    stats.Min = std::numeric_limits<std::int32_t>::max();
    stats.Max = std::numeric_limits<std::int32_t>::min();
    double sum = 0;
    double sumOfSquares = 0;
    std::int64_t upperBonuses = 0;
    std::int64_t quintixes = 0;

    if (table != nullptr) {
        stats.TableSeconds = tableSeconds;
        stats.Optimum = quintix::Optimum(*table);
    }
    const auto start = std::chrono::steady_clock::now();
    for (std::int64_t series = 0; series < options.Series; ++series) {
        game.StartSeries(form);
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
        if ((trace != nullptr && std::ferror(trace) != 0) ||
            (history != nullptr && !history->Error().empty())) {
            break;
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
