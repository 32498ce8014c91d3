#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "ui/message_box.h"
#include "ui/prob_test_form.h"

using quintix::TMessageBox;
using quintix::TProbTestForm;

namespace {

// The result label until the first result.
QString Untouched() {
    return "Probability";
}

// Types one pattern into the window; groups left out of the lists keep their "0".
void Fill(TProbTestForm& form, const QString& rolled, const QString& groups, bool inclusive,
          const QStringList& needed, const QStringList& possible) {
    form.Rolled->setText(rolled);
    form.NoOfGroups->setText(groups);
    form.RandomInclusive->setChecked(inclusive);
    for (qsizetype i = 0; i < needed.size(); ++i) {
        form.findChild<QLineEdit*>(QString("Needed%1").arg(i + 1))->setText(needed[i]);
    }
    for (qsizetype i = 0; i < possible.size(); ++i) {
        form.findChild<QLineEdit*>(QString("PossibleValues%1").arg(i + 1))->setText(possible[i]);
    }
}

}  // namespace

class TProbTestFormTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { TMessageBox::SetQuiet(true); }
    // Clears the record of the last message, so that a row sees only its own.
    void init() { TMessageBox::Error(nullptr, {}); }

    void ControlsSitWhereDesigned_data();
    void ControlsSitWhereDesigned();
    void TabOrderTakesEachGroupsBoxesTogether();
    void CalculateShowsTheResultOrTheFirstError_data();
    void CalculateShowsTheResultOrTheFirstError();
    void AnErrorKeepsTheLastResultAndTheWindow();
    void TwelveDiceAreTheMostAClickCounts();
};

void TProbTestFormTest::ControlsSitWhereDesigned_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");  // an empty size is not checked: such labels fit their text
    QTest::addColumn<QString>("text");
    const auto row = [](const QString& name, QRect geometry, const QString& text) {
        QTest::newRow(name.toUtf8()) << name << geometry << text;
    };
    row("Label1", QRect(32, 16, 0, 0), "Rolled");
    row("Rolled", QRect(120, 8, 73, 21), "0");
    row("Label2", QRect(32, 48, 0, 0), "NoOfGroups");
    row("NoOfGroups", QRect(120, 40, 73, 21), "0");
    row("RandomInclusive", QRect(248, 16, 97, 17), "RandomInclusive");
    row("Label3", QRect(32, 96, 0, 0), "Needed");
    row("Label4", QRect(32, 136, 0, 0), "PossibleValues");
    for (int i = 1; i <= 5; ++i) {
        const int left = 120 + 48 * (i - 1);
        row(QString("Needed%1").arg(i), QRect(left, 88, 41, 21), "0");
        row(QString("PossibleValues%1").arg(i), QRect(left, 128, 41, 21), "0");
    }
    row("Label5", QRect(32, 176, 0, 0), "Probability");
    row("Probability", QRect(120, 176, 185, 13), "Probability");
    row("Button1", QRect(168, 224, 75, 25), "Calculate");
}

void TProbTestFormTest::ControlsSitWhereDesigned() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    TProbTestForm form;
    QCOMPARE(form.objectName(), QString("ProbTestForm"));
    QCOMPARE(form.windowTitle(), QString("ProbTestForm"));
    QCOMPARE(form.geometry(), QRect(200, 105, 435, 300));
    QCOMPARE(form.font().pixelSize(), 11);
    QVERIFY(form.isWindow());
    QVERIFY(!form.isVisible());

    auto* widget = form.findChild<QWidget*>(name);
    QVERIFY(widget != nullptr);
    QCOMPARE(widget->pos(), geometry.topLeft());
    if (qobject_cast<QCheckBox*>(widget) != nullptr) {
        // A check box grows to its caption where the fallback font runs wide.
        QCOMPARE(widget->height(), geometry.height());
        QVERIFY(widget->width() >= geometry.width());
        QVERIFY(!qobject_cast<QCheckBox*>(widget)->isChecked());
    } else if (!geometry.isEmpty()) {
        QCOMPARE(widget->size(), geometry.size());
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        QCOMPARE(label->text(), text);
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        QCOMPARE(edit->text(), text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        QCOMPARE(button->text(), text);
    }
}

void TProbTestFormTest::TabOrderTakesEachGroupsBoxesTogether() {
    TProbTestForm form;
    QStringList expected{"Rolled", "NoOfGroups", "RandomInclusive"};
    for (int i = 1; i <= 5; ++i) {
        expected << QString("Needed%1").arg(i) << QString("PossibleValues%1").arg(i);
    }
    expected << "Button1";
    QStringList order;
    QWidget* widget = &form;
    while ((widget = widget->nextInFocusChain()) != &form) {
        if ((widget->focusPolicy() & Qt::TabFocus) != 0) {
            order << widget->objectName();
        }
    }
    QCOMPARE(order, expected);
}

void TProbTestFormTest::CalculateShowsTheResultOrTheFirstError_data() {
    QTest::addColumn<QString>("rolled");
    QTest::addColumn<QString>("groups");
    QTest::addColumn<bool>("inclusive");
    QTest::addColumn<QStringList>("needed");
    QTest::addColumn<QStringList>("possible");
    QTest::addColumn<QString>("shown");  // the result label afterwards
    QTest::addColumn<QString>("error");  // the message box's text, empty for none

    const QString tooMany = "Too many dice in combination";
    QTest::newRow("a six with one die") << "1"
                                        << "1" << true << QStringList{"1"} << QStringList{"1"} << "0.1667"
                                        << "";
    QTest::newRow("at least three of a kind")
        << "5"
        << "1" << true << QStringList{"3"} << QStringList{"6"} << "0.2130"
        << "";
    QTest::newRow("exactly three of a kind")
        << "5"
        << "1" << false << QStringList{"3"} << QStringList{"6"} << "0.1929"
        << "";
    QTest::newRow("full house") << "5"
                                << "2" << false << QStringList{"3", "2"} << QStringList{"6", "5"} << "0.0386"
                                << "";
    QTest::newRow("certainty keeps four decimals")
        << "0"
        << "1" << false << QStringList{} << QStringList{} << "1.0000"
        << "";
    QTest::newRow("groups beyond NoOfGroups are ignored")
        << "1"
        << "1" << true << QStringList{"1", "9", "9", "9", "9"} << QStringList{"1", "7"} << "0.1667"
        << "";
    QTest::newRow("negative faces give a negative result")
        << "1"
        << "1" << true << QStringList{"1"} << QStringList{"-1"} << "-0.1667"
        << "";
    QTest::newRow("blanks and a plus sign")
        << " 5 "
        << "+2" << false << QStringList{"3 ", "\t2"} << QStringList{"06", "5"} << "0.0386"
        << "";

    QTest::newRow("more dice needed than rolled")
        << "2"
        << "1" << false << QStringList{"3"} << QStringList{"1"} << Untouched() << tooMany;
    QTest::newRow("initial texts: no groups")
        << "0"
        << "0" << false << QStringList{} << QStringList{} << Untouched() << "Number of groups must be 1 to 5";
    QTest::newRow("six groups") << "5"
                                << "6" << false << QStringList{} << QStringList{} << Untouched()
                                << "Number of groups must be 1 to 5";
    QTest::newRow("negative dice rolled") << "-1"
                                          << "1" << false << QStringList{} << QStringList{} << Untouched()
                                          << "Number of dice rolled must not be negative";
    QTest::newRow("most negative integer needed")
        << "5"
        << "1" << false << QStringList{"-2147483648"} << QStringList{} << Untouched()
        << "Dice needed by a group must not be negative";
    QTest::newRow("thirteen dice") << "13"
                                   << "1" << false << QStringList{} << QStringList{} << Untouched()
                                   << "At most 12 dice can be counted";
    QTest::newRow("count beyond 32 bits")
        << "5"
        << "1" << false << QStringList{"5"} << QStringList{"2000000000"} << Untouched()
        << "The number of outcomes is too large to count in 32-bit integers";

    QTest::newRow("letter in Rolled") << "x"
                                      << "1" << false << QStringList{} << QStringList{} << Untouched()
                                      << "'x' is not a valid integer value";
    // NoOfGroups is read before Rolled, so its text is the one named.
    QTest::newRow("NoOfGroups and Rolled both bad") << "r"
                                                    << "g" << false << QStringList{} << QStringList{}
                                                    << Untouched() << "'g' is not a valid integer value";
    QTest::newRow("too large for 32 bits") << "99999999999"
                                           << "1" << false << QStringList{} << QStringList{} << Untouched()
                                           << "'99999999999' is not a valid integer value";
    QTest::newRow("one past the largest integer")
        << "2147483648"
        << "1" << false << QStringList{} << QStringList{} << Untouched()
        << "'2147483648' is not a valid integer value";
    QTest::newRow("the text as typed is named") << "1"
                                                << "1" << false << QStringList{" 1x "} << QStringList{}
                                                << Untouched() << "' 1x ' is not a valid integer value";
    // Every group's boxes are read, even those beyond NoOfGroups.
    QTest::newRow("empty box of an unused group")
        << "1"
        << "1" << false << QStringList{"1", "0", "0", ""} << QStringList{} << Untouched()
        << "'' is not a valid integer value";
    QTest::newRow("Needed before PossibleValues")
        << "1"
        << "1" << false << QStringList{"1", "n"} << QStringList{"1", "p"} << Untouched()
        << "'n' is not a valid integer value";
}

void TProbTestFormTest::CalculateShowsTheResultOrTheFirstError() {
    QFETCH(QString, rolled);
    QFETCH(QString, groups);
    QFETCH(bool, inclusive);
    QFETCH(QStringList, needed);
    QFETCH(QStringList, possible);
    QFETCH(QString, shown);
    QFETCH(QString, error);
    TProbTestForm form;
    Fill(form, rolled, groups, inclusive, needed, possible);
    form.Button1->click();
    QCOMPARE(TMessageBox::LastError(), error);
    QCOMPARE(form.Probability->text(), shown);
}

void TProbTestFormTest::AnErrorKeepsTheLastResultAndTheWindow() {
    TProbTestForm form;
    form.show();
    Fill(form, "1", "1", true, {"1"}, {"1"});
    form.Button1->click();
    QCOMPARE(form.Probability->text(), QString("0.1667"));
    Fill(form, "2", "1", true, {"3"}, {"1"});
    form.Button1->click();
    QCOMPARE(TMessageBox::LastError(), QString("Too many dice in combination"));
    QCOMPARE(form.Probability->text(), QString("0.1667"));
    QVERIFY(form.isVisible());
}

// Twelve dice is the most a click counts. With one group every pattern that leaves free dice
// overflows and is refused; with five empty groups and every extra die allowed the engine walks
// all 6188 ways of sharing the dice out and answers.
void TProbTestFormTest::TwelveDiceAreTheMostAClickCounts() {
    TProbTestForm form;
    Fill(form, "12", "1", true, {"0"}, {"1"});
    form.Button1->click();
    QCOMPARE(TMessageBox::LastError(),
             QString("The number of outcomes is too large to count in 32-bit integers"));
    QCOMPARE(form.Probability->text(), Untouched());

    Fill(form, "12", "1", true, {"12"}, {"1"});
    form.Button1->click();
    QCOMPARE(form.Probability->text(), QString("0.0000"));

    Fill(form, "12", "5", true, {"0", "0", "0", "0", "0"}, {"1", "1", "1", "1", "1"});
    form.Button1->click();
    QCOMPARE(form.Probability->text(), QString("1.0000"));
}

QTEST_MAIN(TProbTestFormTest)
#include "prob_test_form_test.moc"
