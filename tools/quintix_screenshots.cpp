// quintix-screenshots: renders the main window (a game in progress with the possible values shown),
// the new game dialog, the score dialog, the series summary and the print preview to PNG files,
// and the score sheets to a PDF file, on any Qt platform
// (offscreen included), so the windows can be looked at without a desktop.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTextStream>

#include "game/scripted_random.h"
#include "game/virtual_clock.h"
#include "ui/new_game_form.h"
#include "ui/preview_form.h"
#include "ui/quintix_form.h"
#include "ui/score_form.h"
#include "ui/score_report_form.h"
#include "ui/summary_form.h"

namespace {

bool Save(QWidget& widget, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name);
    const bool saved = widget.grab().save(path);
    QTextStream(stdout) << (saved ? "wrote " : "could not write ") << path << '\n';
    return saved;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Quintix");
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        QTextStream(stderr) << "quintix-screenshots: cannot make " << folder.path() << '\n';
        return 2;
    }

    using namespace quintix;
    TScriptedRandom dice({4, 2, 5, 3, 6, 3, 3, 3, 5, 5});
    TVirtualClock clock;
    TQuintixForm form(&dice, &clock);
    form.show();

    TNewGameContents contents;
    contents.Rows[1] = {"Ann", false};
    contents.Rows[2] = {"Computer", true};
    contents.Rows[3] = {"Cid", false};
    contents.NoOfGames = 3;
    form.Game().StartSeries(contents);

    // Game 2 of 3, turn 6: Ann is on turn and has rolled twice.
    TGameState state = form.Game().State();
    state.Phase = TPhase::Playing;
    state.CurrentGame = 2;
    state.Turn = 6;
    const int earlier[3][13] = {{3, 8, 9, 12, 20, 18, 24, 0, 25, 30, 40, 0, 22},
                                {2, 6, 12, 16, 15, 24, 26, 21, 25, 30, 0, 50, 19},
                                {1, 4, 6, 8, 10, 12, 20, 0, 0, 30, 40, 0, 17}};
    for (int p = 1; p <= 3; ++p) {
        for (std::size_t line = 0; line < NoOfLines; ++line) {
            state.Scores[p][1].Lines[line] = earlier[p - 1][line];
        }
    }
    for (const auto& [line, value] : {std::pair{Twos, 6}, std::pair{Fours, 12}, std::pair{Sixes, 24},
                                      std::pair{FullHouse, 25}, std::pair{ChanceLine, 23}}) {
        state.Scores[1][2].Lines[static_cast<std::size_t>(line)] = value;
    }
    form.Game().LoadPosition(state);
    form.Game().Roll();
    clock.AdvanceBy(1250);
    form.Game().ToggleDie(1);
    form.Game().ToggleDie(2);
    form.Game().ToggleDie(5);
    form.Game().Roll();
    clock.AdvanceBy(750);
    form.Game().TogglePossibleValues();
    form.Game().ToggleDie(5);

    bool ok = Save(form, folder, "main-window.png");

    form.StartButtonClick();
    ok = Save(form.NewGameForm(), folder, "new-game.png") && ok;
    form.NewGameForm().reject();

    form.ScoreButtonClick();
    ok = Save(form.ScoreForm(), folder, "score.png") && ok;
    form.ScoreForm().reject();

    form.SummaryButtonClick();
    ok = Save(form.SummaryForm(), folder, "summary.png") && ok;
    form.SummaryForm().accept();

    form.PrintButtonClick();
    form.PreviewForm().resize(1000, 700);
    ok = Save(form.PreviewForm(), folder, "preview.png") && ok;
    QString error;
    const QString pdf = folder.filePath("score-sheets.pdf");
    const bool saved = SavePagesAsPdf(form.ScoreReportForm().BuildPages(), pdf, &error);
    QTextStream(stdout) << (saved ? "wrote " + pdf : "could not write " + pdf + ": " + error) << '\n';
    ok = saved && ok;
    return ok ? 0 : 1;
}
