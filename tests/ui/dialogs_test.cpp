// The new game dialog, the score dialog and the probability test window.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <string>
#include <vector>

#include "tests/support/quintix_test_main.h"
#include "tests/support/tab_order.h"
#include "ui/message_box.h"
#include "ui/new_game_form.h"
#include "ui/prob_test_form.h"
#include "ui/score_form.h"

using namespace quintix;
using quintix::testing::TabOrder;

namespace {

enum class TChoice { ScoreButton, Enter, DoubleClick, NothingSelected, CancelButton, Escape };

// Types one pattern into the window and presses Calculate; groups left out keep what they had.
// Gives the result label and the message shown, if any.
QString Calculate(TProbTestForm& form, const QString& rolled, const QString& groups, bool inclusive,
                  const QStringList& needed, const QStringList& possible) {
    TMessageBox::Error(nullptr, {});
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
    return form.Probability->text() + "|" + TMessageBox::LastError();
}

}  // namespace

class TDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { TMessageBox::SetQuiet(true); }

    // Alt and a row's number reach its name; Tab goes along the rows, and each group's boxes of the
    // probability test window follow one another.
    void ControlsAreReachedByTheirLabelsAndInTabOrder() {
        TNewGameForm form;
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
        QCOMPARE(TabOrder(form), rows << "NoOfGamesEdit"
                                      << "NoOfGames"
                                      << "OkButton"
                                      << "CancelButton"
                                      << "ExpertPlay");
        QCOMPARE(TabOrder(TScoreForm()), QStringList({"ScoringList", "ScoreButton", "CancelButton"}));
        QCOMPARE(TabOrder(TProbTestForm()), groups << "Button1");
    }

    // Trimming and packing the rows is the game's work, so the dialog hands back what was typed, at
    // most 20 characters a name; refilling replaces everything, so names typed and cancelled are gone.
    void TheNewGameDialogGivesBackTheRowsAsTyped() {
        TNewGameContents contents;
        contents.Rows[2] = {"  spaced  ", true};
        contents.Rows[6] = {"Zoë", true};
        contents.NoOfGames = 4;
        contents.ExpertPlay = true;
        TNewGameForm form;
        form.Fill(contents);
        QVERIFY(form.Contents() == contents);
        form.PlayerEdits[3]->setText("typed");
        form.Fill(TNewGameContents{});
        QVERIFY(form.Contents() == TNewGameContents{});
        QTest::keyClicks(form.PlayerEdits[2], "abcdefghijklmnopqrstuvwxyz");
        QCOMPARE(form.Contents().Rows[2].Name, std::string("abcdefghijklmnopqrst"));
    }

    // The number of games steps within 1..6 by the arrows or the Up and Down keys; the read-only
    // edit follows.
    void TheNumberOfGamesStaysWithinOneToSix() {
        TNewGameForm form;
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
        TNewGameContents outOfRange;
        outOfRange.NoOfGames = 9;
        form.Fill(outOfRange);
        QCOMPARE(form.Contents().NoOfGames, 6);
    }

    void EveryOpeningOfTheNewGameDialogStartsOnTheFirstName() {
        TNewGameForm form;
        QSignalSpy finished(&form, &QDialog::finished);
        for (const auto& [key, result] :
             {std::pair(Qt::Key_Escape, QDialog::Rejected), std::pair(Qt::Key_Return, QDialog::Accepted)}) {
            form.open();
            QVERIFY(QTest::qWaitForWindowActive(&form));
            QCOMPARE(QApplication::focusWidget(), form.PlayerEdits[1]);
            form.ComputerChecks[3]->setFocus();
            QTest::keyClick(form.PlayerEdits[1], key);
            QCOMPARE(finished.takeLast()[0].toInt(), int(result));
        }
    }

    // The score dialog opens on its first line, thirteen lines fit without scrolling, and the choice
    // is reported while the dialog is still open, so the game scores before the window returns.
    void TheScoreDialogReportsTheChosenLineAndCloses() {
        TScoreForm form;
        form.Fill(std::vector<std::string>(13, "Aces"));
        QVERIFY(form.ScoringList->visualItemRect(form.ScoringList->item(12)).bottom() <
                form.ScoringList->viewport()->height());
        const std::tuple<TChoice, QList<int>, QDialog::DialogCode> cases[] = {
            {TChoice::ScoreButton, {3}, QDialog::Accepted}, {TChoice::Enter, {0}, QDialog::Accepted},
            {TChoice::DoubleClick, {4}, QDialog::Accepted}, {TChoice::NothingSelected, {}, QDialog::Accepted},
            {TChoice::CancelButton, {}, QDialog::Rejected}, {TChoice::Escape, {}, QDialog::Rejected}};
        for (const auto& [choice, scored, result] : cases) {
            form.Fill({"3 Of A Kind", "4 Of A Kind", "Full House", "Small Straight", "Large Straight"});
            QList<int> reported;
            const auto connection = connect(&form, &TScoreForm::ScoreFromList, this,
                                            [&](int index) { reported << (form.isVisible() ? index : -1); });
            QSignalSpy finished(&form, &QDialog::finished);
            form.open();
            QVERIFY(QTest::qWaitForWindowActive(&form));
            QCOMPARE(QApplication::focusWidget(), form.ScoringList);
            const QPoint item4 = form.ScoringList->visualItemRect(form.ScoringList->item(4)).center();
            switch (choice) {
                case TChoice::ScoreButton:
                    form.ScoringList->setCurrentRow(3);
                    QTest::mouseClick(form.ScoreButton, Qt::LeftButton);
                    break;
                case TChoice::Enter:
                    QTest::keyClick(form.ScoringList, Qt::Key_Return);
                    break;
                case TChoice::DoubleClick:  // its first click selects the item, the second reports it
                    QTest::mouseClick(form.ScoringList->viewport(), Qt::LeftButton, {}, item4);
                    QTest::mouseDClick(form.ScoringList->viewport(), Qt::LeftButton, {}, item4);
                    break;
                case TChoice::NothingSelected:
                    form.ScoringList->clearSelection();
                    QTest::mouseClick(form.ScoreButton, Qt::LeftButton);
                    break;
                case TChoice::CancelButton:
                    QTest::mouseClick(form.CancelButton, Qt::LeftButton);
                    break;
                case TChoice::Escape:
                    QTest::keyClick(form.ScoringList, Qt::Key_Escape);
                    break;
            }
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
        const struct {
            QString Rolled, Groups;
            bool Inclusive;
            QStringList Needed, Possible;
            QString Shown;
        } cases[] = {
            {"1", "1", true, {"1"}, {"1"}, "0.1667|"},
            {"5", "1", true, {"3"}, {"6"}, "0.2130|"},
            {"5", "1", false, {"3"}, {"6"}, "0.1929|"},
            {" 5 ", "+2", false, {"3 ", "\t2"}, {"06", "5"}, "0.0386|"},
            {"0", "1", false, {}, {}, "1.0000|"},
            {"1", "1", true, {"1", "9", "9", "9", "9"}, {"1", "7"}, "0.1667|"},
            {"1", "1", true, {"1"}, {"-1"}, "-0.1667|"},
            {"2", "1", false, {"3"}, {"1"}, "Probability|Too many dice in combination"},
            {"0", "0", false, {}, {}, "Probability|Number of groups must be 1 to 5"},
            {"5", "1", false, {"-2147483648"}, {}, "Probability|Dice needed by a group must not be negative"},
            {"5", "1", false, {"5"}, {"2000000000"}, "Probability" + tooLarge},
            {"r", "g", false, {}, {}, invalid.arg("g")},
            {"2147483648", "1", false, {}, {}, invalid.arg("2147483648")},
            {"1", "1", false, {" 1x "}, {}, invalid.arg(" 1x ")},
            {"1", "1", false, {"1", "0", "0", ""}, {}, invalid.arg("")},
            {"1", "1", false, {"1", "n"}, {"1", "p"}, invalid.arg("n")},
        };
        for (const auto& c : cases) {
            TProbTestForm form;
            QCOMPARE(Calculate(form, c.Rolled, c.Groups, c.Inclusive, c.Needed, c.Possible), c.Shown);
        }
        // With five empty groups and every extra die allowed the engine walks all 6188 ways of
        // sharing twelve dice out; with one group every pattern that leaves free dice overflows.
        TProbTestForm form;
        QCOMPARE(Calculate(form, "12", "5", true, {"0", "0", "0", "0", "0"}, {"1", "1", "1", "1", "1"}),
                 "1.0000|");
        QCOMPARE(Calculate(form, "12", "1", true, {"0"}, {"1"}), "1.0000" + tooLarge);
        QCOMPARE(Calculate(form, "12", "1", true, {"12"}, {"1"}), "0.0000|");
    }
};

QUINTIX_TEST_MAIN(TDialogsTest)
#include "dialogs_test.moc"
