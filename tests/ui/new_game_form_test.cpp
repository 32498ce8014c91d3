#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "ui/new_game_form.h"

using quintix::MaxPlayers;
using quintix::TNewGameContents;
using quintix::TNewGameForm;

class TNewGameFormTest : public QObject {
    Q_OBJECT

private slots:
    void ControlsSitWhereDesignedInTabOrder();
    void FillThenContentsGivesBackTheRowsAsTyped();
    void SpinnerStaysWithinOneToSixAndTheEditFollows();
    void EveryOpeningStartsOnTheFirstName();
    void EnterAcceptsAndEscapeRejects();
};

void TNewGameFormTest::ControlsSitWhereDesignedInTabOrder() {
    TNewGameForm form;
    QCOMPARE(form.windowTitle(), QString("Start New Game"));
    QCOMPARE(form.size(), QSize(398, 241));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QStringList expected;
    for (int k = 1; k <= MaxPlayers; ++k) {
        const int y = 24 * (k - 1);
        const auto* label = form.findChild<QLabel*>(QString("Label%1").arg(k));
        QVERIFY(label != nullptr);
        QCOMPARE(label->pos(), QPoint(16, 24 + y));
        QCOMPARE(label->text(), QString("Player &%1").arg(k));
        QCOMPARE(label->buddy(), form.PlayerEdits[k]);
        QCOMPARE(form.PlayerEdits[k]->geometry(), QRect(72, 22 + y, 120, 21));
        // A check box grows to its caption where the fallback font runs wide.
        QCOMPARE(form.ComputerChecks[k]->pos(), QPoint(208, 24 + y));
        QCOMPARE(form.ComputerChecks[k]->text(), QString("Computer"));
        expected << form.PlayerEdits[k]->objectName() << form.ComputerChecks[k]->objectName();
    }
    QCOMPARE(form.Label7->pos(), QPoint(16, 200));
    QCOMPARE(form.Label7->text(), QString("&Number Of Games"));
    QCOMPARE(form.Label7->buddy(), form.NoOfGamesEdit);
    QCOMPARE(form.Bevel1->geometry(), QRect(8, 8, 289, 225));
    QCOMPARE(form.NoOfGamesEdit->geometry(), QRect(120, 198, 33, 21));
    QCOMPARE(form.NoOfGames->geometry(), QRect(153, 198, 15, 21));
    QCOMPARE(form.OkButton->geometry(), QRect(312, 8, 75, 25));
    QCOMPARE(form.CancelButton->geometry(), QRect(312, 40, 75, 25));
    QCOMPARE(form.OkButton->text() + form.CancelButton->text(), QString("OKCancel"));

    expected << "NoOfGamesEdit"
             << "NoOfGames"
             << "OkButton"
             << "CancelButton"
             << "ExpertPlay";
    QStringList order;
    for (QWidget* widget = form.nextInFocusChain(); widget != &form; widget = widget->nextInFocusChain()) {
        if ((widget->focusPolicy() & Qt::TabFocus) != 0) {
            order << widget->objectName();
        }
    }
    QCOMPARE(order, expected);
}

// Trimming and packing the rows is the game's work, so the dialog hands back what was typed.
void TNewGameFormTest::FillThenContentsGivesBackTheRowsAsTyped() {
    TNewGameContents contents;
    contents.Rows[1] = {"Ann", false};
    contents.Rows[2] = {"  spaced  ", true};
    contents.ExpertPlay = true;
    contents.Rows[4] = {"", true};
    contents.Rows[6] = {"Zoë", true};
    contents.NoOfGames = 4;
    TNewGameForm form;
    form.Fill(contents);
    QVERIFY(form.Contents() == contents);
    QCOMPARE(form.NoOfGamesEdit->text(), QString("4"));

    // Refilling replaces everything, so names typed and then cancelled are gone.
    form.PlayerEdits[3]->setText("typed");
    form.Fill(TNewGameContents{});
    QVERIFY(form.Contents() == TNewGameContents{});

    QTest::keyClicks(form.PlayerEdits[2], "abcdefghijklmnopqrstuvwxyz");
    QCOMPARE(form.Contents().Rows[2].Name, std::string("abcdefghijklmnopqrst"));
}

void TNewGameFormTest::SpinnerStaysWithinOneToSixAndTheEditFollows() {
    TNewGameForm form;
    QVERIFY(form.NoOfGamesEdit->isReadOnly());
    const auto buttons = form.NoOfGames->findChildren<QToolButton*>();
    QCOMPARE(buttons.size(), 2);
    QToolButton* up = buttons[0]->arrowType() == Qt::UpArrow ? buttons[0] : buttons[1];

    form.Fill(TNewGameContents{});
    for (int i = 0; i < 8; ++i) {
        up->click();
    }
    QCOMPARE(form.Contents().NoOfGames, 6);
    QCOMPARE(form.NoOfGamesEdit->text(), QString("6"));
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(form.NoOfGamesEdit, Qt::Key_Down);
    }
    QCOMPARE(form.Contents().NoOfGames, 1);
    QCOMPARE(form.NoOfGamesEdit->text(), QString("1"));
    QTest::keyClick(form.NoOfGames, Qt::Key_Up);
    QTest::keyClicks(form.NoOfGamesEdit, "5");
    QCOMPARE(form.NoOfGamesEdit->text(), QString("2"));

    TNewGameContents outOfRange;
    outOfRange.NoOfGames = 9;
    form.Fill(outOfRange);
    QCOMPARE(form.Contents().NoOfGames, 6);
}

void TNewGameFormTest::EveryOpeningStartsOnTheFirstName() {
    TNewGameForm form;
    for (int opening = 1; opening <= 2; ++opening) {
        form.open();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(QApplication::focusWidget(), form.PlayerEdits[1]);
        form.ComputerChecks[3]->setFocus();
        form.reject();
    }
}

void TNewGameFormTest::EnterAcceptsAndEscapeRejects() {
    for (const auto& [key, result] :
         {std::pair(Qt::Key_Return, QDialog::Accepted), std::pair(Qt::Key_Escape, QDialog::Rejected)}) {
        TNewGameForm form;
        QSignalSpy finished(&form, &QDialog::finished);
        form.open();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClicks(form.PlayerEdits[1], "Ann");
        QTest::keyClick(form.PlayerEdits[1], key);
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished[0][0].toInt(), int(result));
        QVERIFY(!form.isVisible());
    }
}

QTEST_MAIN(TNewGameFormTest)
#include "new_game_form_test.moc"
