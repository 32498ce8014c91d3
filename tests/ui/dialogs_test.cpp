// The new game dialog, the score dialog and the probability test window, run on the program's own
// application object, whose top-level handler shows what a click's handler throws.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "tests/ui/scripted_messages.h"
#include "ui/help_system.h"
#include "ui/new_game_form.h"
#include "ui/prob_test_form.h"
#include "ui/quintix_application.h"
#include "ui/score_form.h"

using namespace quintix;
using quintix::testing::TScriptedMessages;

namespace {

// What the program's top-level error handling has shown.
TScriptedMessages Shown;

}  // namespace

namespace {

// The names of the controls the Tab key visits in a window, in order from the first.
QStringList TabOrder(const QWidget& window) {
    QStringList order;
    for (const QWidget* widget = window.nextInFocusChain(); widget != &window;
         widget = widget->nextInFocusChain()) {
        if ((widget->focusPolicy() & Qt::TabFocus) != 0) {
            order << widget->objectName();
        }
    }
    return order;
}

// Types one pattern into the window and presses Calculate; groups left out keep what they had.
// Gives the result label and the message shown, if any.
QString Calculate(TProbTestForm& form, const QString& rolled, const QString& groups, bool inclusive,
                  const QStringList& needed, const QStringList& possible) {
    Shown.LastError.clear();
    form.Rolled->setText(rolled);
    form.NoOfGroups->setText(groups);
    form.RandomInclusive->setChecked(inclusive);
    for (int i = 1; i <= static_cast<int>(needed.size()); ++i) {
        form.NeededEdits[i]->setText(needed[i - 1]);
    }
    for (int i = 1; i <= static_cast<int>(possible.size()); ++i) {
        form.PossibleValuesEdits[i]->setText(possible[i - 1]);
    }
    QTest::mouseClick(form.Button1, Qt::LeftButton);  // an error reaches the top-level handler
    return form.Probability->text() + "|" + Shown.LastError;
}

}  // namespace

class TDialogsTest : public QObject {
    Q_OBJECT

private slots:

    // Alt and a row's number reach its name; Tab goes along the rows, and each group's boxes of the
    // probability test window follow one another. Every opening of the new game dialog starts on the
    // first name.
    void ControlsAreReachedByTheirLabelsAndInTabOrderFromTheFirstName() {
        THelpSystem help;
        TNewGameForm form(help);
        QStringList rows;
        QStringList groups{"Rolled", "NoOfGroups", "RandomInclusive"};
        for (int k = 1; k <= MaxPlayers; ++k) {
            const auto* label = form.findChild<QLabel*>(QString("Label%1").arg(k));
            QCOMPARE(label->text(), QString("Player &%1").arg(k));
            QCOMPARE(label->buddy(), form.PlayerEdits[k]);
            rows << QString("Player%1").arg(k) << QString("Computer%1").arg(k);
        }
        for (int i = 1; i <= MaxGroups; ++i) {
            groups << QString("Needed%1").arg(i) << QString("PossibleValues%1").arg(i);
        }
        QCOMPARE(form.Label7->buddy(), form.NoOfGamesEdit);
        QCOMPARE(TabOrder(form), rows << "QuickComputerTurns"
                                      << "NoOfGamesEdit"
                                      << "NoOfGames"
                                      << "OkButton"
                                      << "CancelButton"
                                      << "ExpertPlay");
        QCOMPARE(TabOrder(TScoreForm()), QStringList({"ScoringList", "ScoreButton", "CancelButton"}));
        QCOMPARE(TabOrder(TProbTestForm()), groups << "Button1");
        for (const auto& [key, result] :
             {std::pair(Qt::Key_Escape, QDialog::Rejected), std::pair(Qt::Key_Return, QDialog::Accepted)}) {
            form.open();
            QVERIFY(QTest::qWaitForWindowActive(&form));
            QCOMPARE(QApplication::focusWidget(), form.PlayerEdits[1]);
            form.ComputerChecks[3]->setFocus();
            QTest::keyClick(form.PlayerEdits[1], key);
            QCOMPARE(form.result(), int(result));
        }
    }

    // Trimming and packing the rows is the game's work, so the dialog hands back what was typed, at
    // most 20 characters a name; refilling replaces everything, so names typed and cancelled are gone.
    // The number of games steps within 1..6 by the arrows or the Up and Down keys; the read-only edit
    // follows.
    void TheNewGameDialogGivesBackTheRowsAsTypedAndOneToSixGames() {
        TNewGameContents contents;
        contents.Rows[2] = {"  spaced  ", true};
        contents.Rows[6] = {"Zoë", true};
        contents.NoOfGames = 4;
        contents.ExpertPlay = true;
        contents.QuickComputerTurns = true;
        THelpSystem help;
        TNewGameForm form(help);
        form.Fill(contents);
        QVERIFY(form.Contents() == contents);
        form.PlayerEdits[3]->setText("typed");
        form.Fill(TNewGameContents{});
        QVERIFY(form.Contents() == TNewGameContents{});
        QTest::keyClicks(form.PlayerEdits[2], "abcdefghijklmnopqrstuvwxyz");
        QCOMPARE(form.Contents().Rows[2].Name, std::string("abcdefghijklmnopqrst"));

        const auto buttons = form.NoOfGames->findChildren<QToolButton*>();
        QToolButton* up = buttons[0]->arrowType() == Qt::UpArrow ? buttons[0] : buttons[1];
        for (int i = 0; i < 8; ++i) {
            up->click();
        }
        QCOMPARE(form.NoOfGamesEdit->text(), QString("6"));
        for (int i = 0; i < 8; ++i) {
            QTest::keyClick(form.NoOfGamesEdit, Qt::Key_Down);
        }
        QTest::keyClick(form.NoOfGames, Qt::Key_Up);
        QTest::keyClicks(form.NoOfGamesEdit, "5");
        QCOMPARE(form.Contents().NoOfGames, 2);
        QCOMPARE(form.NoOfGamesEdit->text(), QString("2"));
        contents.NoOfGames = 9;
        form.Fill(contents);
        QCOMPARE(form.Contents().NoOfGames, 6);
    }

    // The score dialog opens on its first line, thirteen lines fit without scrolling, and the choice
    // is reported while the dialog is still open, so the game scores before the window returns.
    void TheScoreDialogReportsTheChosenLineAndCloses() {
        TScoreForm form;
        QListWidget* list = form.ScoringList;
        form.Fill(std::vector<std::string>(13, "Aces"));
        QVERIFY(list->visualItemRect(list->item(12)).bottom() < list->viewport()->height());
        const auto score = [&](int row) {  // with that row selected, or none
            row < 0 ? list->clearSelection() : list->setCurrentRow(row);
            QTest::mouseClick(form.ScoreButton, Qt::LeftButton);
        };
        const std::tuple<std::function<void()>, QList<int>, QDialog::DialogCode> cases[] = {
            {[&] { score(3); }, {3}, QDialog::Accepted},
            {[&] { QTest::keyClick(list, Qt::Key_Return); }, {0}, QDialog::Accepted},
            {[&] {  // its first click selects the item, the second reports it
                 const QPoint item4 = list->visualItemRect(list->item(4)).center();
                 QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item4);
                 QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, item4);
             },
             {4},
             QDialog::Accepted},
            {[&] { score(-1); }, {}, QDialog::Accepted},
            {[&] { QTest::mouseClick(form.CancelButton, Qt::LeftButton); }, {}, QDialog::Rejected},
            {[&] { QTest::keyClick(list, Qt::Key_Escape); }, {}, QDialog::Rejected}};
        for (const auto& [choose, scored, result] : cases) {
            form.Fill({"3 Of A Kind", "4 Of A Kind", "Full House", "Small Straight", "Large Straight"});
            QList<int> reported;
            const auto connection = connect(&form, &TScoreForm::ScoreFromList, this,
                                            [&](int index) { reported << (form.isVisible() ? index : -1); });
            QSignalSpy finished(&form, &QDialog::finished);
            form.open();
            QVERIFY(QTest::qWaitForWindowActive(&form));
            QCOMPARE(QApplication::focusWidget(), list);
            choose();
            disconnect(connection);
            QCOMPARE(reported, scored);
            QCOMPARE(finished.size(), 1);
            QCOMPARE(finished[0][0].toInt(), int(result));
        }
    }

    // A result keeps four decimals; an error shows its message and leaves the result as it was. The
    // boxes are read in a fixed order (NoOfGroups, Rolled, then each group's Needed and
    // PossibleValues, even beyond NoOfGroups) and the first bad one is named as typed.
    void CalculateShowsTheResultOrTheFirstError() {
        const QString invalid = "Probability|'%1' is not a valid integer value";
        const QString tooLarge = "|The number of outcomes is too large to count in 32-bit integers";
        // Rolled, groups, inclusive, each group's Needed and PossibleValues, and what shows.
        const std::tuple<QString, QString, bool, QStringList, QStringList, QString> cases[] = {
            {"5", "1", true, {"3"}, {"6"}, "0.2130|"},
            {"5", "1", false, {"3"}, {"6"}, "0.1929|"},
            {" 5 ", "+2", false, {"3 ", "\t2"}, {"06", "5"}, "0.0386|"},
            {"0", "1", false, {}, {}, "1.0000|"},
            {"1", "1", true, {"1", "9", "9", "9", "9"}, {"1", "7"}, "0.1667|"},
            {"1", "1", true, {"1"}, {"-1"}, "-0.1667|"},
            {"0", "0", false, {}, {}, "Probability|Number of groups must be 1 to 5"},
            {"5", "1", false, {"-2147483648"}, {}, "Probability|Dice needed by a group must not be negative"},
            {"r", "g", false, {}, {}, invalid.arg("g")},
            {"2147483648", "1", false, {}, {}, invalid.arg("2147483648")},
            {"1", "1", false, {" 1x "}, {}, invalid.arg(" 1x ")},
            {"1", "1", false, {"1", "0", "0", ""}, {}, invalid.arg("")},
            {"1", "1", false, {"1", "n"}, {"1", "p"}, invalid.arg("n")},
        };
        for (const auto& [rolled, groups, inclusive, needed, possible, shown] : cases) {
            TProbTestForm form;
            QCOMPARE(Calculate(form, rolled, groups, inclusive, needed, possible), shown);
        }
        // With five empty groups and every extra die allowed the engine walks all 6188 ways of
        // sharing twelve dice out; with one group every pattern that leaves free dice overflows.
        TProbTestForm form;
        QCOMPARE(Calculate(form, "12", "5", true, {"0", "0", "0", "0", "0"}, {"1", "1", "1", "1", "1"}),
                 "1.0000|");
        QCOMPARE(Calculate(form, "12", "1", true, {"0"}, {"1"}), "1.0000" + tooLarge);
        QCOMPARE(Calculate(form, "12", "1", true, {"12"}, {"1"}), "0.0000|");
    }

    // Each click's error is shown, and the next click is handled as the first was.
    void AnErrorInAHandlerIsShownAndTheProgramGoesOn() {
        for (const bool standard : {true, false}) {
            QPushButton button("Calculate");
            button.show();
            int clicks = 0;
            connect(&button, &QPushButton::clicked, [&] {
                ++clicks;
                if (standard) {
                    throw std::runtime_error("Too many dice in combination");
                }
                throw clicks;
            });
            for (const int click : {1, 2}) {
                Shown.LastError.clear();
                QTest::mouseClick(&button, Qt::LeftButton);
                QCOMPARE(clicks, click);
                QCOMPARE(Shown.LastError, standard ? QString("Too many dice in combination")
                                                   : QString("An unexpected error occurred."));
            }
        }
    }
};

int main(int argc, char** argv) {
    TQuintixApplication application(argc, argv);
    application.SetMessages(Shown);
    TDialogsTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "dialogs_test.moc"
