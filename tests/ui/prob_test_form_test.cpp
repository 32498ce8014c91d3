#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "tests/support/quintix_test_main.h"
#include "ui/message_box.h"
#include "ui/prob_test_form.h"

using quintix::TMessageBox;
using quintix::TProbTestForm;

namespace {

// Types one pattern into the window; groups left out of the lists keep what they had.
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

    void ControlsSitWhereDesignedInTabOrder();
    void CalculateShowsTheResultOrTheFirstError_data();
    void CalculateShowsTheResultOrTheFirstError();
    void TwelveDiceAreTheMostAClickCountsAndErrorsKeepTheLastResult();
};

void TProbTestFormTest::ControlsSitWhereDesignedInTabOrder() {
    TProbTestForm form;
    QCOMPARE(form.windowTitle(), QString("ProbTestForm"));
    QCOMPARE(form.geometry(), QRect(200, 105, 435, 300));
    QVERIFY(!form.isVisible());
    QVERIFY(!form.RandomInclusive->isChecked());
    // An empty size is not checked: the check box fits its caption.
    const struct {
        const char* Name;
        QRect Geometry;
        const char* Text;
    } controls[] = {
        {"Rolled", {120, 8, 73, 21}, "0"},
        {"NoOfGroups", {120, 40, 73, 21}, "0"},
        {"RandomInclusive", {248, 16, 0, 0}, "RandomInclusive"},
        {"Needed5", {312, 88, 41, 21}, "0"},
        {"PossibleValues5", {312, 128, 41, 21}, "0"},
        {"Probability", {120, 176, 185, 13}, "Probability"},
        {"Button1", {168, 224, 75, 25}, "Calculate"},
    };
    for (const auto& control : controls) {
        const auto* widget = form.findChild<QWidget*>(control.Name);
        QVERIFY2(widget != nullptr, control.Name);
        QCOMPARE(widget->pos(), control.Geometry.topLeft());
        QVERIFY(control.Geometry.isEmpty() || widget->size() == control.Geometry.size());
        QCOMPARE(widget->property("text").toString(), QString(control.Text));
    }

    QStringList expected{"Rolled", "NoOfGroups", "RandomInclusive"};
    for (int i = 1; i <= 5; ++i) {
        expected << QString("Needed%1").arg(i) << QString("PossibleValues%1").arg(i);
    }
    expected << "Button1";
    QStringList order;
    for (QWidget* widget = form.nextInFocusChain(); widget != &form; widget = widget->nextInFocusChain()) {
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
    const auto row = [](const char* name, const QString& rolled, const QString& groups, bool inclusive,
                        const QStringList& needed, const QStringList& possible, const QString& shown,
                        const QString& error = {}) {
        QTest::newRow(name) << rolled << groups << inclusive << needed << possible << shown << error;
    };
    const QString untouched = "Probability";
    const auto invalid = [](const QString& text) {
        return QString("'%1' is not a valid integer value").arg(text);
    };

    row("a six with one die", "1", "1", true, {"1"}, {"1"}, "0.1667");
    row("at least three of a kind", "5", "1", true, {"3"}, {"6"}, "0.2130");
    row("exactly three of a kind", "5", "1", false, {"3"}, {"6"}, "0.1929");
    row("full house", "5", "2", false, {"3", "2"}, {"6", "5"}, "0.0386");
    row("certainty keeps four decimals", "0", "1", false, {}, {}, "1.0000");
    row("groups beyond NoOfGroups are ignored", "1", "1", true, {"1", "9", "9", "9", "9"}, {"1", "7"},
        "0.1667");
    row("negative faces give a negative result", "1", "1", true, {"1"}, {"-1"}, "-0.1667");
    row("blanks and a plus sign", " 5 ", "+2", false, {"3 ", "\t2"}, {"06", "5"}, "0.0386");

    row("more dice needed than rolled", "2", "1", false, {"3"}, {"1"}, untouched,
        "Too many dice in combination");
    row("initial texts: no groups", "0", "0", false, {}, {}, untouched, "Number of groups must be 1 to 5");
    row("six groups", "5", "6", false, {}, {}, untouched, "Number of groups must be 1 to 5");
    row("negative dice rolled", "-1", "1", false, {}, {}, untouched,
        "Number of dice rolled must not be negative");
    row("most negative integer needed", "5", "1", false, {"-2147483648"}, {}, untouched,
        "Dice needed by a group must not be negative");
    row("thirteen dice", "13", "1", false, {}, {}, untouched, "At most 12 dice can be counted");
    row("count beyond 32 bits", "5", "1", false, {"5"}, {"2000000000"}, untouched,
        "The number of outcomes is too large to count in 32-bit integers");

    row("letter in Rolled", "x", "1", false, {}, {}, untouched, invalid("x"));
    // The boxes are read in a fixed order: NoOfGroups, Rolled, then each group's Needed and
    // PossibleValues, every group even beyond NoOfGroups; the first bad one is named as typed.
    row("NoOfGroups and Rolled both bad", "r", "g", false, {}, {}, untouched, invalid("g"));
    row("one past the largest integer", "2147483648", "1", false, {}, {}, untouched, invalid("2147483648"));
    row("the text as typed is named", "1", "1", false, {" 1x "}, {}, untouched, invalid(" 1x "));
    row("empty box of an unused group", "1", "1", false, {"1", "0", "0", ""}, {}, untouched, invalid(""));
    row("Needed before PossibleValues", "1", "1", false, {"1", "n"}, {"1", "p"}, untouched, invalid("n"));
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
    QTest::mouseClick(form.Button1, Qt::LeftButton);
    QCOMPARE(TMessageBox::LastError(), error);
    QCOMPARE(form.Probability->text(), shown);
}

// With five empty groups and every extra die allowed the engine walks all 6188 ways of sharing
// twelve dice out and answers; with one group every pattern that leaves free dice overflows.
void TProbTestFormTest::TwelveDiceAreTheMostAClickCountsAndErrorsKeepTheLastResult() {
    TProbTestForm form;
    form.show();
    Fill(form, "12", "5", true, {"0", "0", "0", "0", "0"}, {"1", "1", "1", "1", "1"});
    QTest::mouseClick(form.Button1, Qt::LeftButton);
    QCOMPARE(form.Probability->text(), QString("1.0000"));

    Fill(form, "12", "1", true, {"0"}, {"1"});
    QTest::mouseClick(form.Button1, Qt::LeftButton);
    QCOMPARE(TMessageBox::LastError(),
             QString("The number of outcomes is too large to count in 32-bit integers"));
    QCOMPARE(form.Probability->text(), QString("1.0000"));
    QVERIFY(form.isVisible());

    Fill(form, "12", "1", true, {"12"}, {"1"});
    QTest::mouseClick(form.Button1, Qt::LeftButton);
    QCOMPARE(form.Probability->text(), QString("0.0000"));
}

QUINTIX_TEST_MAIN(TProbTestFormTest)
#include "prob_test_form_test.moc"
