#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QtTest>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

#include "ui/help_system.h"
#include "ui/help_viewer.h"

using quintix::ApplicationHelpRule;
using quintix::THelpCommand;
using quintix::THelpRequest;
using quintix::THelpSystem;
using quintix::THelpViewer;

class THelpTest : public QObject {
    Q_OBJECT

private slots:
    // A topic of a control (1000 and up) is cancelled and asked for again as a popup, which passes
    // the hook on its way back in; anything else passes. Only existing pages are shown.
    void TheHookTurnsControlTopicsIntoPopups() {
        // The request, whether the hook cancels it, and whether a page shows.
        const std::tuple<THelpCommand, int, bool, bool> cases[] = {
            {THelpCommand::Topic, 1016, true, true},  {THelpCommand::Topic, 1000, true, false},
            {THelpCommand::Topic, 999, false, false}, {THelpCommand::Topic, 5, false, false},
            {THelpCommand::Popup, 1014, false, true}, {THelpCommand::Contents, 0, false, true}};
        for (const auto& [command, data, cancelled, shown] : cases) {
            THelpSystem help;
            help.SetShowWindows(false);
            std::vector<THelpRequest> seen;
            // The main window's hook, as it installs it: the rule, and the popup it asks for instead.
            help.SetHook([&help, &seen](THelpCommand& asked, int& context, bool& callHelp) {
                seen.push_back({asked, context});
                if (const auto instead = ApplicationHelpRule(asked, context, callHelp)) {
                    help.HelpCommand(instead->Command, instead->Data);
                }
            });
            const bool answered = help.HelpCommand(command, data);
            std::vector<THelpRequest> expected{{command, data}};
            if (cancelled) {
                expected.push_back({THelpCommand::Popup, data});
            }
            QCOMPARE(seen, expected);
            QCOMPARE(help.LastShown(), shown ? std::optional(expected.back()) : std::nullopt);
            QVERIFY(cancelled || answered == shown);
        }
    }

    // A right-click offers "What's This?", which asks for the context of the control, its parent's,
    // or that of the control it names; a control without one asks for nothing.
    void WhatsThisAsksForTheControlsContext() {
        THelpSystem help;
        help.SetShowWindows(false);
        std::vector<THelpRequest> seen;
        help.SetHook([&seen](THelpCommand& command, int& data, bool&) { seen.push_back({command, data}); });
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
        const std::pair<const char*, std::vector<THelpRequest>> cases[] = {
            {"Dice1", {{THelpCommand::Popup, 1014}}},
            {"Dice2", {{THelpCommand::Popup, 1014}}},
            {"PlayerMessage", {}},
            {"RollButton", {{THelpCommand::Popup, 1016}}},
            {"Other", {{THelpCommand::Topic, 7}}}};
        for (const auto& [name, expected] : cases) {
            seen.clear();
            QWidget* control = window.findChild<QWidget*>(name);
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                                    control->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(control, &event);
            auto* menu = window.findChild<QMenu*>("HelpPopup");
            QCOMPARE(menu->actions().size(), 1);
            auto* item = menu->findChild<QAction*>("WhatsThisItem");
            QCOMPARE(item->text(), QString("&What's This?"));
            item->trigger();
            menu->close();
            QCOMPARE(seen, expected);
        }
    }

    // The coach's button links to the page on the coach: a click on the link opens it in the help
    // window, where the popup itself would have nowhere to show it.
    void ALinkInAPopupOpensItsPageInTheHelpWindow() {
        THelpSystem help;
        QVERIFY(help.HelpCommand(THelpCommand::Popup, 1023));
        quintix::THelpPopupWindow& popup = help.Viewer().PopupWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&popup));
        QString hovered;
        connect(&popup, &QLabel::linkHovered, this, [&hovered](const QString& link) { hovered = link; });
        for (int y = 2; y < popup.height() && hovered.isEmpty(); y += 3) {
            for (int x = 2; x < popup.width() && hovered.isEmpty(); x += 6) {
                QTest::mouseMove(&popup, QPoint(x, y));
            }
        }
        QCOMPARE(hovered, QString("1024.html"));
        QTest::mouseClick(&popup, Qt::LeftButton, Qt::NoModifier, popup.mapFromGlobal(QCursor::pos()));
        QVERIFY(!popup.isVisible());
        quintix::THelpWindow& window = help.Viewer().TopicWindow();
        QVERIFY(window.isVisible());
        QVERIFY(window.Browser()->source().toString().endsWith("/1024.html"));
    }

    void EveryPageExistsAndTheContentsLinkThem() {
        const QString contents = THelpViewer::PageText(THelpViewer::ContentsPage());
        QStringList linked;
        for (const auto& match : QRegularExpression("href=\"([^\"]+)\"").globalMatch(contents)) {
            QVERIFY2(THelpViewer::PageExists(match.captured(1)), qPrintable(match.captured(1)));
            linked << match.captured(1);
        }
        for (int context = 1010; context <= 1029; ++context) {
            const QString page = THelpViewer::PageName(context);
            QVERIFY2(!THelpViewer::PageText(page).trimmed().isEmpty(), qPrintable(page));
            QVERIFY2(linked.contains(page), qPrintable(page + " is not linked from the contents"));
        }
    }
};

QTEST_MAIN(THelpTest)
#include "help_test.moc"
