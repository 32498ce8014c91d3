// quintix-session: the real windows through a whole session without a person at the keyboard, for
// checking the program under valgrind (./memcheck). It starts the program, types a person and a
// computer player into the new game dialog, plays the person's turns as a person would (rolling,
// marking dice, scoring through the score dialog and by double-clicking the sheet) while the computer
// plays its own, over two games on a virtual clock so nothing waits; then it opens the summary and
// the print preview, saves the sheets as PDF, tries the probability test window, and quits.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>

#include "game/random_source.h"
#include "game/virtual_clock.h"
#include "scoring/sheet_rows.h"
#include "ui/draw_grid.h"
#include "ui/help_system.h"
#include "ui/message_box.h"
#include "ui/new_game_form.h"
#include "ui/preview_form.h"
#include "ui/prob_test_form.h"
#include "ui/quintix_application.h"
#include "ui/quintix_form.h"
#include "ui/score_form.h"
#include "ui/summary_form.h"

namespace {

using namespace quintix;

void Type(QWidget& control, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&control, &press);
        QApplication::sendEvent(&control, &release);
    }
}

void Mouse(QWidget& control, QEvent::Type type, QPoint at) {
    QMouseEvent event(type, at, control.mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&control, &event);
}

void Click(QWidget& control, QPoint at) {
    Mouse(control, QEvent::MouseButtonPress, at);
    Mouse(control, QEvent::MouseButtonRelease, at);
}

void DoubleClick(QWidget& control, QPoint at) {
    Click(control, at);
    Mouse(control, QEvent::MouseButtonDblClick, at);
    Mouse(control, QEvent::MouseButtonRelease, at);
}

bool DiceLanded(const TGameState& s) {
    return s.TurnRolled() &&
           std::none_of(s.Dice.begin(), s.Dice.end(), [](const TDie& d) { return d.Value == NoValue; });
}

// One action of the person on turn, or nothing when the person has nothing to do: roll, mark dice 1
// and 3 after the first roll and roll them, and after the second roll score, through the score
// dialog and by a double-click on the sheet by turns.
bool PersonActs(TQuintixForm& form, int& scored) {
    const TGameState& s = form.Game().State();
    const bool person = (s.Phase() == TPhase::Playing || s.Phase() == TPhase::RollForOrder) &&
                        !form.Game().PlayerOnTurn().Computer;
    auto& roll = *form.findChild<QPushButton*>("RollButton");
    if (!person) {
        return false;
    }
    if (s.RollCount == 0 && roll.isEnabled()) {
        roll.click();
        return true;
    }
    if (s.RollCount == 1 && DiceLanded(s)) {
        for (const char* die : {"Dice1", "Dice3"}) {
            QWidget& picture = *form.findChild<QWidget*>(die);
            Click(picture, picture.rect().center());
        }
        roll.click();
        return true;
    }
    if (s.RollCount < 2 || !DiceLanded(s)) {
        return false;
    }
    if (scored++ % 2 == 0) {
        form.ScoreButtonClick();
        form.ScoreForm().ScoringList->setCurrentRow(0);
        form.ScoreForm().ScoreButtonClick();
        return true;
    }
    const TGridRow at = LineRow(form.Game().OpenLines().front());
    auto& grid = *form.findChild<TDrawGrid*>(at.Grid == TGrid::Upper ? "UpperScores" : "LowerScores");
    DoubleClick(grid, grid.CellRect(s.CurrentGame, at.Row).center());
    return true;
}

// Under valgrind nobody is there to answer: a question is answered Yes, an error goes to the
// standard error.
class TUnseenMessages final : public IMessages {
public:
    bool Confirm(QWidget* /*parent*/, const QString& /*title*/, const QString& /*text*/) override {
        return true;
    }
    void Error(QWidget* /*parent*/, const QString& text) override {
        std::fprintf(stderr, "quintix-session: %s\n", qPrintable(text));
    }
};

}  // namespace

int main(int argc, char** argv) {
    TQuintixApplication application(argc, argv);
    QApplication::setApplicationName("Quintix");
    THelpSystem help;
    help.SetShowWindows(false);
    TUnseenMessages messages;

    TSeededRandom dice(2026);
    TVirtualClock clock;
    TFixedTable noTable(nullptr);
    TQuintixForm form({noTable, help, messages}, &dice, &clock);
    TProbTestForm probTest;
    form.show();
    QApplication::processEvents();

    form.StartButtonClick();
    TNewGameForm& newGame = form.NewGameForm();
    Type(*newGame.PlayerEdits[1], "Ann");
    Type(*newGame.PlayerEdits[2], "Cy");
    newGame.ComputerChecks[2]->setChecked(true);
    newGame.NoOfGames->SetPosition(2);
    newGame.OkButton->click();

    int scored = 0;
    std::int64_t steps = 0;
    for (; steps < 100000 && form.Game().Phase() != TPhase::SeriesOver; ++steps) {
        if (form.SummaryForm().isVisible()) {
            form.SummaryForm().accept();
            QApplication::processEvents();
        } else if (!PersonActs(form, scored) && !clock.RunNext()) {
            break;
        }
    }
    form.SummaryForm().accept();
    const bool ended = form.Game().Phase() == TPhase::SeriesOver && scored == 2 * TurnsPerGame;

    form.SummaryButtonClick();
    QApplication::processEvents();
    form.SummaryForm().accept();
    form.PrintButtonClick();
    QApplication::processEvents();
    const QTemporaryDir folder;
    const QString pdf = QDir(folder.path()).filePath("sheets.pdf");
    form.PreviewForm().ChoosePdfFile = [&pdf] { return pdf; };
    form.PreviewForm().SavePdfButton->click();
    const bool saved = QFileInfo(pdf).size() > 0;
    form.PreviewForm().reject();
    probTest.show();
    probTest.Rolled->setText("5");
    probTest.NoOfGroups->setText("2");
    probTest.NeededEdits[1]->setText("3");
    probTest.NeededEdits[2]->setText("2");
    probTest.PossibleValuesEdits[1]->setText("6");
    probTest.PossibleValuesEdits[2]->setText("5");
    Click(*probTest.Button1, probTest.Button1->rect().center());
    probTest.Rolled->setText("x");  // the error path too, through the top-level handler
    Click(*probTest.Button1, probTest.Button1->rect().center());
    QApplication::processEvents();
    probTest.close();
    form.close();
    QApplication::processEvents();

    QTextStream(stdout) << "steps " << steps << ", " << scored << " lines scored by the person"
                        << (ended ? ", series ended" : ", series did not end")
                        << (saved ? ", PDF saved" : ", no PDF") << '\n';
    return ended && saved ? 0 : 1;
}
