#include <QApplication>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <string>
#include <vector>

#include "ui/score_form.h"

using quintix::TScoreForm;

namespace {

const std::vector<std::string> LowerLines{"3 Of A Kind",    "4 Of A Kind",    "Full House",
                                          "Small Straight", "Large Straight", "Quintix"};

enum class TChoice { ScoreButton, Enter, DoubleClick, NothingSelected, CancelButton, Escape };

}  // namespace

Q_DECLARE_METATYPE(TChoice)

class TScoreFormTest : public QObject {
    Q_OBJECT

private slots:
    void ControlsSitWhereDesignedAndFillListsTheLabels();
    void ChoosingReportsTheItemAndClosesTheDialog_data();
    void ChoosingReportsTheItemAndClosesTheDialog();
};

void TScoreFormTest::ControlsSitWhereDesignedAndFillListsTheLabels() {
    TScoreForm form;
    QCOMPARE(form.windowTitle(), QString("Score"));
    QCOMPARE(form.size(), QSize(245, 218));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QCOMPARE(form.GroupBox1->title(), QString("Scoring &Line"));
    QCOMPARE(form.GroupBox1->geometry(), QRect(8, 8, 137, 202));
    QCOMPARE(form.ScoringList->parentWidget(), form.GroupBox1);
    QCOMPARE(form.ScoringList->geometry(), QRect(8, 16, 121, 178));
    QCOMPARE(form.ScoreButton->text(), QString("&Score"));
    QCOMPARE(form.ScoreButton->geometry(), QRect(160, 8, 75, 25));
    QVERIFY(form.ScoreButton->isDefault());
    QCOMPARE(form.CancelButton->text(), QString("Cancel"));
    QCOMPARE(form.CancelButton->geometry(), QRect(160, 40, 75, 25));
    QStringList order;
    for (QWidget* widget = form.nextInFocusChain(); widget != &form; widget = widget->nextInFocusChain()) {
        if ((widget->focusPolicy() & Qt::TabFocus) != 0) {
            order << widget->objectName();
        }
    }
    QCOMPARE(order, QStringList({"ScoringList", "ScoreButton", "CancelButton"}));

    // Thirteen lines fit the list without scrolling.
    form.Fill(std::vector<std::string>(13, "Aces"));
    const QRect last = form.ScoringList->visualItemRect(form.ScoringList->item(12));
    QCOMPARE(last.height(), 13);
    QVERIFY(last.bottom() < form.ScoringList->viewport()->height());

    // A new filling replaces the list and selects its first line.
    form.Fill(LowerLines);
    QCOMPARE(form.ScoringList->count(), 6);
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(form.ScoringList->item(i)->text().toStdString(), LowerLines[static_cast<std::size_t>(i)]);
    }
    QCOMPARE(form.ScoringList->selectedItems(), QList<QListWidgetItem*>{form.ScoringList->item(0)});
}

void TScoreFormTest::ChoosingReportsTheItemAndClosesTheDialog_data() {
    QTest::addColumn<TChoice>("choice");
    QTest::addColumn<QList<int>>("scored");
    QTest::addColumn<int>("result");
    QTest::newRow("score button, selected item")
        << TChoice::ScoreButton << QList<int>{3} << int(QDialog::Accepted);
    QTest::newRow("enter, first item as opened") << TChoice::Enter << QList<int>{0} << int(QDialog::Accepted);
    QTest::newRow("double-click") << TChoice::DoubleClick << QList<int>{4} << int(QDialog::Accepted);
    QTest::newRow("nothing selected") << TChoice::NothingSelected << QList<int>{} << int(QDialog::Accepted);
    QTest::newRow("cancel button") << TChoice::CancelButton << QList<int>{} << int(QDialog::Rejected);
    QTest::newRow("escape") << TChoice::Escape << QList<int>{} << int(QDialog::Rejected);
}

// The choice is reported while the dialog is still open, so the game scores before the window
// returns to the player.
void TScoreFormTest::ChoosingReportsTheItemAndClosesTheDialog() {
    QFETCH(TChoice, choice);
    QFETCH(QList<int>, scored);
    QFETCH(int, result);
    TScoreForm form;
    form.Fill(LowerLines);
    QList<int> reported;
    bool openWhenReported = false;
    connect(&form, &TScoreForm::ScoreFromList, this, [&](int index) {
        reported << index;
        openWhenReported = form.isVisible();
    });
    QSignalSpy finished(&form, &QDialog::finished);
    form.open();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(QApplication::focusWidget(), form.ScoringList);

    switch (choice) {
        case TChoice::ScoreButton:
            form.ScoringList->setCurrentRow(3);
            QTest::mouseClick(form.ScoreButton, Qt::LeftButton);
            break;
        case TChoice::Enter:
            QTest::keyClick(form.ScoringList, Qt::Key_Return);
            break;
        case TChoice::DoubleClick: {
            const QPoint centre = form.ScoringList->visualItemRect(form.ScoringList->item(4)).center();
            // A real double-click: its first click selects the item, the second reports it.
            QTest::mouseClick(form.ScoringList->viewport(), Qt::LeftButton, {}, centre);
            QTest::mouseDClick(form.ScoringList->viewport(), Qt::LeftButton, {}, centre);
            break;
        }
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
    QCOMPARE(reported, scored);
    QVERIFY(reported.isEmpty() || openWhenReported);
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished[0][0].toInt(), result);
}

QTEST_MAIN(TScoreFormTest)
#include "score_form_test.moc"
