#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QtTest>
#include <vector>

#include "ui/help_system.h"
#include "ui/help_viewer.h"

using quintix::ApplicationHelpRule;
using quintix::THelpCommand;
using quintix::THelpRequest;
using quintix::THelpSystem;
using quintix::THelpViewer;

Q_DECLARE_METATYPE(THelpCommand)

namespace {

// The main window's hook, as it installs it: the rule, and the popup it asks for instead.
void InstallApplicationHelp(THelpSystem& help, std::vector<THelpRequest>* seen = nullptr) {
    help.SetHook([&help, seen](THelpCommand& command, int& data, bool& callHelp) {
        if (seen != nullptr) {
            seen->push_back({command, data});
        }
        if (const auto instead = ApplicationHelpRule(command, data, callHelp)) {
            help.HelpCommand(instead->Command, instead->Data);
        }
    });
}

// A right-click on the control and a click on the menu's one item.
void WhatsThis(QWidget* control) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), control->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(control, &event);
    auto* menu = control->window()->findChild<QMenu*>("HelpPopup");
    QVERIFY(menu != nullptr);
    QCOMPARE(menu->actions().size(), 1);
    auto* item = menu->findChild<QAction*>("WhatsThisItem");
    QVERIFY(item != nullptr);
    QCOMPARE(item->text(), QString("&What's This?"));
    QVERIFY(item->shortcut().isEmpty());
    item->trigger();
    menu->close();
}

}  // namespace

class THelpTest : public QObject {
    Q_OBJECT

private slots:
    void HookRuleTurnsControlTopicsIntoPopups_data();
    void HookRuleTurnsControlTopicsIntoPopups();
    void RequestsThroughTheHookShowTheirPage_data();
    void RequestsThroughTheHookShowTheirPage();
    void F1ShowsTheNearestContextAsPopup();
    void WhatsThisAsksForTheControlsContext_data();
    void WhatsThisAsksForTheControlsContext();
    void EveryPageAndEveryContentsLinkExists();
    void ViewerShowsPopupAndWindow();
};

void THelpTest::HookRuleTurnsControlTopicsIntoPopups_data() {
    QTest::addColumn<THelpCommand>("command");
    QTest::addColumn<int>("data");
    QTest::addColumn<bool>("cancelled");

    QTest::newRow("topic of a control") << THelpCommand::Topic << 1010 << true;
    QTest::newRow("lowest control context") << THelpCommand::Topic << 1000 << true;
    QTest::newRow("topic below the controls") << THelpCommand::Topic << 999 << false;
    QTest::newRow("ordinary topic") << THelpCommand::Topic << 5 << false;
    QTest::newRow("popup passes") << THelpCommand::Popup << 1014 << false;
    QTest::newRow("contents passes") << THelpCommand::Contents << 0 << false;
}

void THelpTest::HookRuleTurnsControlTopicsIntoPopups() {
    QFETCH(THelpCommand, command);
    QFETCH(int, data);
    QFETCH(bool, cancelled);

    THelpCommand hookCommand = command;
    int hookData = data;
    bool callHelp = true;
    const auto instead = ApplicationHelpRule(hookCommand, hookData, callHelp);

    QCOMPARE(hookCommand, command);
    QCOMPARE(hookData, data);
    QCOMPARE(callHelp, !cancelled);
    QCOMPARE(instead.has_value(), cancelled);
    if (cancelled) {
        QCOMPARE(*instead, (THelpRequest{THelpCommand::Popup, data}));
    }
}

void THelpTest::RequestsThroughTheHookShowTheirPage_data() {
    QTest::addColumn<THelpCommand>("command");
    QTest::addColumn<int>("data");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<THelpCommand>("shownCommand");

    QTest::newRow("control topic as popup") << THelpCommand::Topic << 1016 << true << THelpCommand::Popup;
    QTest::newRow("popup") << THelpCommand::Popup << 1014 << true << THelpCommand::Popup;
    QTest::newRow("contents") << THelpCommand::Contents << 0 << true << THelpCommand::Contents;
    QTest::newRow("topic without a page") << THelpCommand::Topic << 5 << false << THelpCommand::Topic;
}

void THelpTest::RequestsThroughTheHookShowTheirPage() {
    QFETCH(THelpCommand, command);
    QFETCH(int, data);
    QFETCH(bool, shown);
    QFETCH(THelpCommand, shownCommand);

    THelpSystem help;
    help.SetShowWindows(false);
    InstallApplicationHelp(help);

    QCOMPARE(help.HelpCommand(command, data), shown);
    QCOMPARE(help.LastShown().has_value(), shown);
    if (shown) {
        QCOMPARE(*help.LastShown(), (THelpRequest{shownCommand, data}));
    }
}

void THelpTest::F1ShowsTheNearestContextAsPopup() {
    THelpSystem help;
    help.SetShowWindows(false);
    std::vector<THelpRequest> seen;
    InstallApplicationHelp(help, &seen);

    QWidget window;
    window.resize(200, 100);
    QWidget grid(&window);
    THelpSystem::SetHelpContext(&grid, 1011);
    QPushButton inner("x", &grid);
    QPushButton outside("y", &window);
    outside.move(100, 0);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    inner.setFocus();
    QTest::keyClick(&inner, Qt::Key_F1);
    QCOMPARE(help.LastShown(), (THelpRequest{THelpCommand::Popup, 1011}));
    // The topic is cancelled and its popup passes the hook on the way back in.
    QCOMPARE(seen, (std::vector<THelpRequest>{{THelpCommand::Topic, 1011}, {THelpCommand::Popup, 1011}}));

    help.ClearLastShown();
    seen.clear();
    outside.setFocus();
    QTest::keyClick(&outside, Qt::Key_F1);
    QVERIFY(!help.LastShown());
    QVERIFY(seen.empty());
}

void THelpTest::WhatsThisAsksForTheControlsContext_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("issued");
    QTest::addColumn<THelpCommand>("command");
    QTest::addColumn<int>("data");

    QTest::newRow("die picture") << "Dice1" << true << THelpCommand::Popup << 1014;
    QTest::newRow("die by its panel's name") << "Dice2" << true << THelpCommand::Popup << 1014;
    QTest::newRow("label without context") << "PlayerMessage" << false << THelpCommand::Topic << 0;
    QTest::newRow("button") << "RollButton" << true << THelpCommand::Popup << 1016;
    QTest::newRow("ordinary topic") << "Other" << true << THelpCommand::Topic << 7;
}

void THelpTest::WhatsThisAsksForTheControlsContext() {
    QFETCH(QString, control);
    QFETCH(bool, issued);
    QFETCH(THelpCommand, command);
    QFETCH(int, data);

    THelpSystem help;
    help.SetShowWindows(false);
    std::vector<THelpRequest> seen;
    help.SetHook([&seen](THelpCommand& hookCommand, int& hookData, bool&) {
        seen.push_back({hookCommand, hookData});
    });

    QWidget window;
    auto* panel1 = new QWidget(&window);
    THelpSystem::SetHelpContext(panel1, 1014);
    (new QLabel(panel1))->setObjectName("Dice1");
    auto* panel2 = new QWidget(&window);
    THelpSystem::SetHelpContext(panel2, 1014);
    auto* dice2 = new QLabel(&window);
    dice2->setObjectName("Dice2");
    dice2->setProperty("helpContextFrom", QVariant::fromValue<QObject*>(panel2));
    (new QLabel(&window))->setObjectName("PlayerMessage");
    auto* roll = new QPushButton("&Roll Dice", &window);
    roll->setObjectName("RollButton");
    THelpSystem::SetHelpContext(roll, 1016);
    auto* other = new QPushButton(&window);
    other->setObjectName("Other");
    THelpSystem::SetHelpContext(other, 7);
    for (const char* name : {"Dice1", "Dice2", "PlayerMessage", "RollButton", "Other"}) {
        help.InstallWhatsThisMenu(window.findChild<QWidget*>(name));
    }
    window.show();

    WhatsThis(window.findChild<QWidget*>(control));
    if (issued) {
        QCOMPARE(seen, (std::vector<THelpRequest>{{command, data}}));
    } else {
        QVERIFY(seen.empty());
    }
}

void THelpTest::EveryPageAndEveryContentsLinkExists() {
    QStringList pages{THelpViewer::ContentsPage()};
    for (int context = 1010; context <= 1022; ++context) {
        pages << THelpViewer::PageName(context);
    }
    for (const QString& page : pages) {
        QVERIFY2(!THelpViewer::PageText(page).trimmed().isEmpty(), qPrintable(page));
    }

    const QString contents = THelpViewer::PageText(THelpViewer::ContentsPage());
    QStringList linked;
    for (const auto& match : QRegularExpression(R"(href="([^"]+)\")").globalMatch(contents)) {
        QVERIFY2(THelpViewer::PageExists(match.captured(1)), qPrintable(match.captured(1)));
        linked << match.captured(1);
    }
    for (const QString& page : pages.mid(1)) {
        QVERIFY2(linked.contains(page), qPrintable(page + " is not linked from the contents"));
    }
}

void THelpTest::ViewerShowsPopupAndWindow() {
    THelpSystem help;
    InstallApplicationHelp(help);

    QVERIFY(help.HelpCommand(THelpCommand::Topic, 1014));
    auto& popup = help.Viewer().PopupWindow();
    QVERIFY(popup.isVisible());
    QVERIFY(popup.text().contains("black frame"));
    QVERIFY(popup.width() >= quintix::THelpPopupWindow::TextWidth && popup.width() < 340);
    QVERIFY(popup.height() > 40);
    QTest::keyClick(&popup, Qt::Key_Escape);
    QVERIFY(!popup.isVisible());

    // The window keeps its history: a topic, then the contents, then back to the topic.
    QVERIFY(help.Viewer().ShowTopic(1010));
    QVERIFY(help.HelpCommand(THelpCommand::Contents, 0));
    auto& window = help.Viewer().TopicWindow();
    QVERIFY(window.isVisible());
    QCOMPARE(window.windowTitle(), QString("Quintix Help"));
    QVERIFY(window.Browser()->toPlainText().contains("Topics"));
    auto* back = window.findChild<QPushButton*>("BackButton");
    QVERIFY(back->isEnabled());
    QTest::mouseClick(back, Qt::LeftButton);
    QVERIFY(window.Browser()->toPlainText().contains("Upper Total"));
    window.close();
}

QTEST_MAIN(THelpTest)
#include "help_test.moc"
