// quintix-session: the real windows through a whole session without a person, for checking the
// program under valgrind (./memcheck): start, set up a series of computer players, let it play
// to the end (on a virtual clock, so nothing waits), open and close the summary, the print preview
// and the probability test window, and quit.
#include <QApplication>
#include <QLineEdit>
#include <QTextStream>

#include "game/play_until_idle.h"
#include "game/random_source.h"
#include "game/virtual_clock.h"
#include "ui/help_system.h"
#include "ui/message_box.h"
#include "ui/new_game_form.h"
#include "ui/preview_form.h"
#include "ui/prob_test_form.h"
#include "ui/quintix_form.h"
#include "ui/summary_form.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Quintix");
    quintix::THelpSystem help;
    help.SetShowWindows(false);
    quintix::TMessageBox::SetQuiet(true);

    using namespace quintix;
    TSeededRandom dice(2026);
    TVirtualClock clock;
    TQuintixForm form(&dice, &clock);
    TProbTestForm probTest;
    form.show();
    QApplication::processEvents();

    TNewGameContents contents;
    contents.Rows[1] = {"Ann", true};
    contents.Rows[2] = {"Bob", true};
    contents.Rows[3] = {"Cid", true};
    contents.NoOfGames = 2;
    form.StartButtonClick();
    form.NewGameForm().Fill(contents);
    form.NewGameForm().accept();

    const std::int64_t steps = PlayUntilIdle(form.Game(), clock, 100000, [&form] {
        form.SummaryForm().accept();
        QApplication::processEvents();
    });
    const bool ended = form.Game().Phase() == TPhase::SeriesOver;

    form.SummaryButtonClick();
    QApplication::processEvents();
    form.SummaryForm().accept();
    form.PrintButtonClick();
    QApplication::processEvents();
    form.PreviewForm().reject();
    probTest.show();
    probTest.Rolled->setText("5");
    probTest.NoOfGroups->setText("2");
    probTest.NeededEdits[1]->setText("3");
    probTest.NeededEdits[2]->setText("2");
    probTest.PossibleValuesEdits[1]->setText("6");
    probTest.PossibleValuesEdits[2]->setText("5");
    probTest.Button1Click();
    probTest.Rolled->setText("x");  // the error path too, answered without a person
    probTest.Button1Click();
    QApplication::processEvents();
    probTest.close();
    form.close();
    QApplication::processEvents();

    QTextStream(stdout) << "steps " << steps << (ended ? " series ended" : " series did not end") << '\n';
    return ended ? 0 : 1;
}
