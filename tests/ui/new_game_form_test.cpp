#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "ui/new_game_form.h"

using quintix::MaxPlayers;
using quintix::TNewGameContents;
using quintix::TNewGameForm;

namespace {

QString RowName(const char* prefix, int k) {
    return QString("%1%2").arg(prefix).arg(k);
}

}  // namespace

class TNewGameFormTest : public QObject {
    Q_OBJECT

private slots:
    void ControlsSitWhereDesigned_data();
    void ControlsSitWhereDesigned();
    void TabOrderGoesAcrossEachRowThenToTheButtons();
    void FillThenContentsGivesBackTheRowsAsTyped();
    void SpinnerStaysWithinOneToSixAndTheEditFollows();
    void NamesStopAtTwentyCharacters();
    void EveryOpeningStartsOnTheFirstName();
    void EnterAcceptsAndEscapeRejects_data();
    void EnterAcceptsAndEscapeRejects();
};

void TNewGameFormTest::ControlsSitWhereDesigned_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");  // an empty size is not checked (labels fit their text)
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("buddy");
    QTest::newRow("bevel") << "Bevel1" << QRect(8, 8, 289, 225) << ""
                           << "";
    for (int k = 1; k <= MaxPlayers; ++k) {
        const int y = 24 * (k - 1);
        const QByteArray row = QByteArray::number(k);
        QTest::newRow("label " + row) << RowName("Label", k) << QRect(16, 24 + y, 0, 0)
                                      << QString("Player &%1").arg(k) << RowName("Player", k);
        QTest::newRow("name " + row) << RowName("Player", k) << QRect(72, 22 + y, 120, 21) << ""
                                     << "";
        QTest::newRow("computer " + row) << RowName("Computer", k) << QRect(208, 24 + y, 73, 17) << "Computer"
                                         << "";
    }
    QTest::newRow("games label") << "Label7" << QRect(16, 200, 0, 0) << "&Number Of Games"
                                 << "NoOfGamesEdit";
    QTest::newRow("games edit") << "NoOfGamesEdit" << QRect(120, 198, 33, 21) << ""
                                << "";
    QTest::newRow("games spinner") << "NoOfGames" << QRect(153, 198, 15, 21) << ""
                                   << "";
    QTest::newRow("ok") << "OkButton" << QRect(312, 8, 75, 25) << "OK"
                        << "";
    QTest::newRow("cancel") << "CancelButton" << QRect(312, 40, 75, 25) << "Cancel"
                            << "";
}

void TNewGameFormTest::ControlsSitWhereDesigned() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(QString, buddy);
    TNewGameForm form;
    QCOMPARE(form.windowTitle(), QString("Start New Game"));
    QCOMPARE(form.size(), QSize(398, 241));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    auto* widget = form.findChild<QWidget*>(name);
    QVERIFY(widget != nullptr);
    QCOMPARE(geometry.isEmpty() ? widget->pos() : widget->geometry().topLeft(), geometry.topLeft());
    if (qobject_cast<QCheckBox*>(widget) != nullptr) {
        // A check box grows to its caption where the fallback font runs wide.
        QCOMPARE(widget->height(), geometry.height());
        QVERIFY(widget->width() >= geometry.width());
    } else if (!geometry.isEmpty()) {
        QCOMPARE(widget->size(), geometry.size());
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        QCOMPARE(label->text(), text);
        QVERIFY(label->buddy() != nullptr);
        QCOMPARE(label->buddy()->objectName(), buddy);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        QCOMPARE(button->text(), text);
    }
}

void TNewGameFormTest::TabOrderGoesAcrossEachRowThenToTheButtons() {
    TNewGameForm form;
    QStringList expected;
    for (int k = 1; k <= MaxPlayers; ++k) {
        expected << RowName("Player", k) << RowName("Computer", k);
    }
    expected << "NoOfGamesEdit"
             << "NoOfGames"
             << "OkButton"
             << "CancelButton";
    QStringList order;
    QWidget* widget = &form;
    while ((widget = widget->nextInFocusChain()) != &form) {
        if ((widget->focusPolicy() & Qt::TabFocus) != 0) {
            order << widget->objectName();
        }
    }
    QCOMPARE(order, expected);
}

void TNewGameFormTest::FillThenContentsGivesBackTheRowsAsTyped() {
    TNewGameContents contents;
    contents.Rows[1] = {"Ann", false};
    contents.Rows[2] = {"  spaced  ", true};
    contents.Rows[4] = {"", true};  // an empty row keeps its box: the game ignores it, not the dialog
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
}

void TNewGameFormTest::SpinnerStaysWithinOneToSixAndTheEditFollows() {
    TNewGameForm form;
    QVERIFY(form.NoOfGamesEdit->isReadOnly());
    auto buttons = form.NoOfGames->findChildren<QToolButton*>();
    QCOMPARE(buttons.size(), 2);
    QToolButton* up = buttons[0]->arrowType() == Qt::UpArrow ? buttons[0] : buttons[1];
    QToolButton* down = up == buttons[0] ? buttons[1] : buttons[0];

    form.Fill(TNewGameContents{});
    for (int i = 0; i < 8; ++i) {
        up->click();
    }
    QCOMPARE(form.NoOfGames->Position(), 6);
    QCOMPARE(form.NoOfGamesEdit->text(), QString("6"));
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(form.NoOfGamesEdit, Qt::Key_Down);
    }
    QCOMPARE(form.Contents().NoOfGames, 1);
    QCOMPARE(form.NoOfGamesEdit->text(), QString("1"));
    down->click();
    QCOMPARE(form.NoOfGames->Position(), 1);
    QTest::keyClick(form.NoOfGames, Qt::Key_Up);
    QCOMPARE(form.NoOfGamesEdit->text(), QString("2"));
    QTest::keyClicks(form.NoOfGamesEdit, "5");
    QCOMPARE(form.NoOfGamesEdit->text(), QString("2"));

    TNewGameContents outOfRange;
    outOfRange.NoOfGames = 9;
    form.Fill(outOfRange);
    QCOMPARE(form.Contents().NoOfGames, 6);
}

void TNewGameFormTest::NamesStopAtTwentyCharacters() {
    TNewGameForm form;
    QTest::keyClicks(form.PlayerEdits[2], "abcdefghijklmnopqrstuvwxyz");
    QCOMPARE(form.Contents().Rows[2].Name, std::string("abcdefghijklmnopqrst"));
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

void TNewGameFormTest::EnterAcceptsAndEscapeRejects_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result");
    QTest::newRow("enter") << int(Qt::Key_Return) << int(QDialog::Accepted);
    QTest::newRow("escape") << int(Qt::Key_Escape) << int(QDialog::Rejected);
}

void TNewGameFormTest::EnterAcceptsAndEscapeRejects() {
    QFETCH(int, key);
    QFETCH(int, result);
    TNewGameForm form;
    QSignalSpy finished(&form, &QDialog::finished);
    form.open();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::keyClicks(form.PlayerEdits[1], "Ann");
    QTest::keyClick(form.PlayerEdits[1], static_cast<Qt::Key>(key));
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished[0][0].toInt(), result);
    QVERIFY(!form.isVisible());
}

QTEST_MAIN(TNewGameFormTest)
#include "new_game_form_test.moc"
