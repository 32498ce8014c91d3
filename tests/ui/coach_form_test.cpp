// The coach's window as a person meets it: opened by its button beside the game, not modal,
// with the choices after every roll.
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "computer/expert_table.h"
#include "game/scripted_random.h"
#include "game/virtual_clock.h"
#include "ui/coach_form.h"
#include "ui/help_system.h"
#include "ui/quintix_form.h"

using namespace quintix;

class TCoachFormTest : public QObject {
    Q_OBJECT

private slots:
    void TheButtonOpensOneWindowThatFollowsTheGame();
};

void TCoachFormTest::TheButtonOpensOneWindowThatFollowsTheGame() {
    THelpSystem::Instance().SetShowWindows(false);
    TScriptedRandom dice;
    TVirtualClock clock;
    TQuintixForm form(&dice, &clock);
    form.show();
    TCoachForm& coach = form.CoachForm();
    QVERIFY(!coach.isVisible());
    auto* button = form.findChild<QPushButton*>("CoachButton");
    QCOMPARE(button->text(), QString("&Coach"));
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(coach.isVisible());
    QCOMPARE(coach.windowTitle(), QString("Coach"));
    QVERIFY(!coach.isModal());
    QCOMPARE(form.findChildren<TCoachForm*>().size(), 1);
    QVERIFY(coach.Status->text().startsWith("Start a new game"));

    ExpertTable().BuildNow();
    TNewGameContents contents;
    contents.Rows[1] = {"Ann", false};
    form.Game().StartSeries(contents);
    QVERIFY(coach.Status->text().contains("after each roll"));
    dice.Add({6, 6, 6, 6, 6});
    form.RollButtonClick();
    clock.AdvanceBy(1250);
    QVERIFY(!coach.Progress->isVisible());
    QCOMPARE(coach.Choices->rowCount(), 13 + 31);
    QCOMPARE(coach.Choices->item(0, 0)->text(), QString("Score Quintix"));
    int marked = 0;
    for (int row = 0; row < coach.Choices->rowCount(); ++row) {
        marked += coach.Choices->item(row, 2)->text().isEmpty() ? 0 : 1;
    }
    QCOMPARE(marked, 1);  // the computer player's choice
    QCOMPARE(THelpSystem::FocusContext(coach.Choices), 1024);

    // Scoring "Chance" with five sixes gives away what "Quintix" is worth more.
    form.Game().Score(ChanceLine);
    QCOMPARE(coach.GivenAway->rowCount(), 1);
    QVERIFY(coach.GivenAway->item(0, 1)->text().toDouble() > 10.0);
}

QTEST_MAIN(TCoachFormTest)
#include "coach_form_test.moc"
