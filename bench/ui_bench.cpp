// The cost of opening the main window against a bare window of the same size, and of repainting
// the three score grids in full, on whichever Qt platform runs it (offscreen by default).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>
#include <vector>

#include "game/position_builder.h"
#include "game/virtual_clock.h"
#include "ui/draw_grid.h"
#include "ui/message_box.h"
#include "ui/quintix_form.h"

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
