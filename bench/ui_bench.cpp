// The cost of opening the main window against a bare window of the same size, of repainting the
// three score grids in full, and of opening the statistics over 100,000 stored games, on whichever
// Qt platform runs it (offscreen by default).
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "computer/optimal_table.h"
#include "game/position_builder.h"
#include "game/virtual_clock.h"
#include "history/history_store.h"
#include "tools/simulator.h"
#include "ui/draw_grid.h"
#include "ui/message_box.h"
#include "ui/quintix_form.h"
#include "ui/statistics_form.h"

namespace {

void BM_BareWindowShow(benchmark::State& state) {
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the library's loop idiom
        QWidget window;
        window.setFixedSize(602, 412);
        window.show();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_BareWindowShow)->Unit(benchmark::kMicrosecond);

void BM_MainWindowShow(benchmark::State& state) {
    quintix::TFixedTable noTable(nullptr);
    quintix::THelpSystem help;
    quintix::TMessageBoxes messages;
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the library's loop idiom
        quintix::TQuintixForm form({noTable, help, messages});
        form.show();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_MainWindowShow)->Unit(benchmark::kMicrosecond);

// A game of three players in its second game, every line of the shown sheet filled or possible;
// the argument is the window's size in per cent of its natural size.
void BM_RepaintScoreGrids(benchmark::State& state) {
    using namespace quintix;
    TSeededRandom dice(7);
    TVirtualClock clock;
    TFixedTable noTable(nullptr);
    THelpSystem help;
    TMessageBoxes messages;
    TQuintixForm form({noTable, help, messages}, &dice, &clock);
    form.show();
    form.resize(form.minimumSize() * static_cast<int>(state.range(0)) / 100);
    TNewGameContents contents;
    contents.Rows[1] = {"Ann", false};
    contents.Rows[2] = {"Bob", false};
    contents.Rows[3] = {"Cid", false};
    contents.NoOfGames = 6;
    form.Game().StartSeries(contents);
    TPositionBuilder position(form.Game().State());
    position.At(2, 7);
    for (int line = 0; line < NoOfLines; line += 2) {
        position.Lines(1, 1, {{line, line * 3}}).Lines(1, 2, {{line, line * 2}});
    }
    form.Game().LoadPosition(position.Build());
    form.Game().Roll();
    clock.AdvanceBy(1250);
    form.Game().TogglePossibleValues();
    QApplication::processEvents();
    const std::vector<TDrawGrid*> grids{form.findChild<TDrawGrid*>("UpperScores"),
                                        form.findChild<TDrawGrid*>("LowerScores"),
                                        form.findChild<TDrawGrid*>("TotalScores")};
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the library's loop idiom
        for (TDrawGrid* grid : grids) {
            grid->repaint();
        }
    }
}
BENCHMARK(BM_RepaintScoreGrids)->Arg(100)->Arg(200)->Unit(benchmark::kMicrosecond);

// The worst case for the window: one person holding all of 100,002 games, so that every one of
// them is read, charted and listed, and handed to the worker that reviews them. One series of six
// games is played and recorded, then copied with SQL, which is far quicker than playing them all.
void BM_OpenStatisticsOver100kGames(benchmark::State& state) {
    using namespace quintix;
    QTemporaryDir folder;
    const std::string file = folder.filePath("history.sqlite").toStdString();
    {
        THistoryStore store(file);
        RunSimulation({1, 6, 1, 1}, nullptr, &store);
    }
    sqlite3* db = nullptr;
    sqlite3_open(file.c_str(), &db);
    const char* const copies =
        "BEGIN; UPDATE players SET kind = 0, name = 'Ann'; "
        "CREATE TEMP TABLE copies AS WITH RECURSIVE k(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM k "
        "WHERE n < 16666) SELECT n FROM k; "
        "INSERT INTO series SELECT id + n, uid || '-' || n, started + 3600 * n, games, players, ended + 3600 "
        "* n "
        "FROM series, copies; "
        "INSERT INTO players SELECT series + n, seat, name, kind, series_total, place FROM players, copies; "
        "INSERT INTO games SELECT series + n, game, seat, ended + 3600 * n, aces, twos, threes, fours, "
        "fives, "
        "sixes, three_of_a_kind, four_of_a_kind, full_house, small_straight, large_straight, quintix, "
        "chance, "
        "upper_bonus, quintix_bonus, grand_total, decisions FROM games, copies; "
        "COMMIT; PRAGMA wal_checkpoint(TRUNCATE);";
    if (sqlite3_exec(db, copies, nullptr, nullptr, nullptr) != SQLITE_OK) {
        state.SkipWithError(sqlite3_errmsg(db));
    }
    sqlite3_close(db);
    THistoryStore store(file);
    const TOptimalTable table = *BuildOptimalTable();
    TFixedTable provider(&table);
    THelpSystem help;
    TMessageBoxes messages;
    std::size_t games = 0;
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the library's loop idiom
        auto form = std::make_unique<TStatisticsForm>(&store, provider, help, messages);
        form->ShowStatistics();
        QApplication::processEvents();
        state.PauseTiming();  // closing, which stops the reviews under way, is no part of opening
        games = form->Games().size();
        form.reset();
        state.ResumeTiming();
    }
    state.counters["games"] = static_cast<double>(games);
}
BENCHMARK(BM_OpenStatisticsOver100kGames)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
