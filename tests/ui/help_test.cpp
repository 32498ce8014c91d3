#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QtTest>
#include <optional>
#include <utility>
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
    item->trigger();
    menu->close();
}

}  // namespace

class THelpTest : public QObject {
    Q_OBJECT

private slots:
    void HookTurnsControlTopicsIntoPopups_data();
    void HookTurnsControlTopicsIntoPopups();
    void F1ShowsTheNearestContextAsPopup();
    void WhatsThisAsksForTheControlsContext_data();
    void WhatsThisAsksForTheControlsContext();
    void EveryPageAndEveryContentsLinkExists();
    void ViewerShowsPopupAndWindow();
};

void THelpTest::HookTurnsControlTopicsIntoPopups_data() {
    QTest::addColumn<THelpCommand>("command");
    QTest::addColumn<int>("data");
    QTest::addColumn<bool>("cancelled");
    QTest::addColumn<bool>("shown");  // its page, or its popup's, exists
    QTest::newRow("topic of a control") << THelpCommand::Topic << 1016 << true << true;
    QTest::newRow("lowest control context") << THelpCommand::Topic << 1000 << true << false;
    QTest::newRow("topic below the controls") << THelpCommand::Topic << 999 << false << false;
    QTest::newRow("ordinary topic") << THelpCommand::Topic << 5 << false << false;
    QTest::newRow("popup passes") << THelpCommand::Popup << 1014 << false << true;
    QTest::newRow("contents passes") << THelpCommand::Contents << 0 << false << true;
}

void THelpTest::HookTurnsControlTopicsIntoPopups() {
    QFETCH(THelpCommand, command);
    QFETCH(int, data);
    QFETCH(bool, cancelled);
    QFETCH(bool, shown);

    THelpCommand hookCommand = command;
    int hookData = data;
    bool callHelp = true;
    const auto instead = ApplicationHelpRule(hookCommand, hookData, callHelp);
    QCOMPARE(std::pair(hookCommand, hookData), std::pair(command, data));
    QCOMPARE(callHelp, !cancelled);
    QCOMPARE(instead, cancelled ? std::optional(THelpRequest{THelpCommand::Popup, data}) : std::nullopt);

    THelpSystem help;
    help.SetShowWindows(false);
    std::vector<THelpRequest> seen;
    InstallApplicationHelp(help, &seen);
    const bool answered = help.HelpCommand(command, data);
    // A cancelled topic's popup passes the hook on its way back in.
    std::vector<THelpRequest> expected{{command, data}};
    if (cancelled) {
        expected.push_back({THelpCommand::Popup, data});
    }
    QCOMPARE(seen, expected);
    QCOMPARE(help.LastShown(), shown ? std::optional(expected.back()) : std::nullopt);
    QVERIFY(cancelled || answered == shown);
}

void THelpTest::F1ShowsTheNearestContextAsPopup() {
    THelpSystem help;
    help.SetShowWindows(false);
    InstallApplicationHelp(help);

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
    help.ClearLastShown();
    outside.setFocus();
    QTest::keyClick(&outside, Qt::Key_F1);
    QVERIFY(!help.LastShown());
}

void THelpTest::WhatsThisAsksForTheControlsContext_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<THelpCommand>("command");
    QTest::addColumn<int>("data");  // 0: no request at all
    QTest::newRow("die picture, by its parent") << "Dice1" << THelpCommand::Popup << 1014;
    QTest::newRow("die picture, by the panel named") << "Dice2" << THelpCommand::Popup << 1014;
    QTest::newRow("label without context") << "PlayerMessage" << THelpCommand::Topic << 0;
    QTest::newRow("button") << "RollButton" << THelpCommand::Popup << 1016;
    QTest::newRow("ordinary topic") << "Other" << THelpCommand::Topic << 7;
}

void THelpTest::WhatsThisAsksForTheControlsContext() {
    QFETCH(QString, control);
    QFETCH(THelpCommand, command);
    QFETCH(int, data);
    THelpSystem help;
    help.SetShowWindows(false);
    std::vector<THelpRequest> seen;
    help.SetHook([&seen](THelpCommand& hookCommand, int& hookData, bool&) {
        seen.push_back({hookCommand, hookData});
    });

    QWidget window;
    auto* panel = new QWidget(&window);
    THelpSystem::SetHelpContext(panel, 1014);
    const auto add = [&help](QWidget* widget, const char* name, int context) {
        widget->setObjectName(name);
        if (context != 0) {
            THelpSystem::SetHelpContext(widget, context);
        }
        help.InstallWhatsThisMenu(widget);
        return widget;
    };
    add(new QLabel(panel), "Dice1", 0);
    add(new QLabel(&window), "Dice2", 0)
        ->setProperty("helpContextFrom", QVariant::fromValue<QObject*>(panel));
    add(new QLabel(&window), "PlayerMessage", 0);
    add(new QPushButton(&window), "RollButton", 1016);
    add(new QPushButton(&window), "Other", 7);
    window.show();

    WhatsThis(window.findChild<QWidget*>(control));
    QCOMPARE(seen, (data != 0 ? std::vector<THelpRequest>{{command, data}} : std::vector<THelpRequest>{}));
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
    QTest::keyClick(&popup, Qt::Key_Escape);
    QVERIFY(!popup.isVisible());

    // The window keeps its history: a topic, then the contents, then back to the topic.
    QVERIFY(help.Viewer().ShowTopic(1010));
    QVERIFY(help.HelpCommand(THelpCommand::Contents, 0));
    auto& window = help.Viewer().TopicWindow();
    QCOMPARE(window.windowTitle(), QString("Quintix Help"));
    QVERIFY(window.Browser()->toPlainText().contains("Topics"));
    QTest::mouseClick(window.findChild<QPushButton*>("BackButton"), Qt::LeftButton);
    QVERIFY(window.Browser()->toPlainText().contains("Upper Total"));
    window.close();
}

QTEST_MAIN(THelpTest)
#include "help_test.moc"
