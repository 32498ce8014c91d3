// The main window as a screen reader meets it: through Qt's accessibility interfaces only.
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
#include <QTest>
#include <tuple>

#include "game/scripted_random.h"
#include "game/virtual_clock.h"
#include "tests/support/series.h"
#include "tests/ui/scripted_messages.h"
#include "ui/accessibility.h"
#include "ui/draw_grid.h"
#include "ui/quintix_form.h"
#include "ui/summary_form.h"

namespace quintix::testing {

namespace {

QList<std::pair<QAccessible::Event, QAccessibleInterface*>> Events;

void RecordEvent(QAccessibleEvent* event) {
    Events.append({event->type(), event->accessibleInterface()});
}

// The first object under `root`, depth first, with the role and name.
QAccessibleInterface* Find(QAccessibleInterface* root, QAccessible::Role role, const QString& name) {
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        if (child->role() == role && child->text(QAccessible::Name) == name) {
            return child;
        }
        if (QAccessibleInterface* found = Find(child, role, name)) {
            return found;
        }
    }
    return nullptr;
}

QString Name(QAccessibleInterface* iface) {
    return iface != nullptr ? iface->text(QAccessible::Name) : QStringLiteral("<none>");
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

    TScriptedRandom Dice;
    TVirtualClock Clock;
    TFixedTable NoTable{nullptr};
    THelpSystem Help;
    TScriptedMessages Messages;
    TQuintixForm* Form = nullptr;
    QAccessibleInterface* Window = nullptr;

    QAccessibleTableInterface* Table(const char* name) {
        return Find(Window, QAccessible::Table, name)->tableInterface();
    }
    QAccessibleInterface* Die(int n) {
        return QAccessible::queryAccessibleInterface(Form->findChild<QWidget*>(QString("Panel%1").arg(n)));
    }
    void StartAndRoll(std::initializer_list<int> faces) {
        Form->Game().StartSeries(SeriesOf({{"Ann"}}));
        Dice.Add(faces);
        Form->Game().Roll();
        Clock.AdvanceBy(1250);
    }

    // Every cell of the three grids reads as the grid paints it, and exactly the cells that now
    // read differently from `before` said so.
    void CheckGridsAgainstThePainting(QStringList& before) {
        QStringList now;
        for (const auto& [name, which] :
             {std::pair{"Upper section", TGrid::Upper}, std::pair{"Lower section", TGrid::Lower},
              std::pair{"Totals", TGrid::Total}}) {
            QAccessibleTableInterface* table = Table(name);
            for (int row = 0; row < table->rowCount(); ++row) {
                for (int col = 0; col < table->columnCount(); ++col) {
                    QAccessibleInterface* cell = table->cellAt(row, col);
                    const int gridRow = row + (which == TGrid::Upper ? 1 : 0);
                    QCOMPARE(Name(cell),
                             QString::fromStdString(Form->Game().ShownCell(which, col + 1, gridRow).Text));
                    const bool changed = !before.isEmpty() && before[now.size()] != Name(cell);
                    QCOMPARE(Events.contains({QAccessible::NameChanged, cell}), changed);
                    now << Name(cell);
                }
            }
        }
        before = now;
        Events.clear();
    }

private slots:
    // As a screen reader's arrival would: until then no event reaches anyone.
    void initTestCase() {
        InstallAccessibility();
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    }
    void init() {
        Form = new TQuintixForm({NoTable, Help, Messages}, &Dice, &Clock);
        Form->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form));
        QAccessible::installUpdateHandler(RecordEvent);
        Window = QAccessible::queryAccessibleInterface(Form);
        Events.clear();
    }
    void cleanup() {
        QAccessible::installUpdateHandler(nullptr);
        delete Form;
    }

    void theGridsAreTablesHeadedByLineAndGameWithTheCurrentCellFocused() {
        // Each grid's name and rows, and the label of one row.
        for (const auto& [name, rows, row, label] :
             {std::tuple("Upper section", 9, 3, "Fours"), std::tuple("Lower section", 8, 2, "Full House"),
              std::tuple("Totals", 3, 1, "Quintix Bonus")}) {
            QAccessibleTableInterface* table = Table(name);
            QCOMPARE(table->rowCount(), rows);
            QCOMPARE(table->columnCount(), 6);
            QCOMPARE(table->rowDescription(row), QString(label));
            QCOMPARE(table->columnDescription(1), QString("Game 2"));
            QAccessibleTableCellInterface* cell = table->cellAt(row, 1)->tableCellInterface();
            QCOMPARE(Name(cell->rowHeaderCells().value(0)), QString(label));
            QCOMPARE(Name(cell->columnHeaderCells().value(0)), QString("Game 2"));
        }
        auto* lower = Form->findChild<TDrawGrid*>("LowerScores");
        lower->setFocus();
        QTest::keyClick(lower, Qt::Key_Down);
        QAccessibleInterface* cell = Table("Lower section")->cellAt(1, 0);
        QVERIFY(cell->state().selected && cell->state().focused &&
                !Table("Lower section")->cellAt(0, 0)->state().selected);
        QCOMPARE(QAccessible::queryAccessibleInterface(lower)->focusChild(), cell);
        QVERIFY(Events.contains({QAccessible::Focus, cell}));
    }

    void cellsReadAsPaintedAndSayWhenTheyChange() {
        QStringList texts;
        CheckGridsAgainstThePainting(texts);
        StartAndRoll({1, 2, 3, 4, 4});
        CheckGridsAgainstThePainting(texts);
        Form->Game().TogglePossibleValues();
        CheckGridsAgainstThePainting(texts);
        QAccessibleInterface* fours = Table("Upper section")->cellAt(3, 0);
        QCOMPARE(Name(fours) + ", " + fours->text(QAccessible::Description), QString("8, possible value"));
        Form->Game().Score(Fours);
        QCOMPARE(Name(fours) + ", " + fours->text(QAccessible::Description), QString("8, just scored"));
        QVERIFY(Events.contains({QAccessible::DescriptionChanged, fours}));
        CheckGridsAgainstThePainting(texts);

        QAccessibleInterface* summary = QAccessible::queryAccessibleInterface(&Form->SummaryForm());
        QAccessibleTableInterface* standings =
            Find(summary, QAccessible::Table, "Standings")->tableInterface();
        QCOMPARE(standings->columnDescription(2), QString("Grand Total"));
        QCOMPARE(standings->rowDescription(0), QString("Ann"));
        QCOMPARE(Name(standings->cellAt(0, 0)), Form->SummaryForm().CellText(1, 1));
    }

    void theDiceTheWindowAndTheMessageAreNamed() {
        QCOMPARE(Name(Die(1)), QString("Die 1: no value"));
        StartAndRoll({1, 2, 3, 4, 5});
        QCOMPARE(Name(Die(3)), QString("Die 3: three"));
        QTest::keyClick(Form, Qt::Key_5);
        QCOMPARE(Name(Die(5)), QString("Die 5: five, marked to roll again"));
        QVERIFY(Events.contains({QAccessible::NameChanged, Die(5)}));
        Die(2)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(Name(Die(2)), QString("Die 2: two, marked to roll again"));

        QVERIFY(Die(4)->text(QAccessible::Description).startsWith("After the first or the second roll"));
        QVERIFY(Find(Window, QAccessible::StaticText, "It's your turn") != nullptr);
    }
};

}  // namespace quintix::testing

QTEST_MAIN(quintix::testing::AccessibilityTest)
#include "accessibility_test.moc"
