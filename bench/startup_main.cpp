// Starts, shows one window and quits as soon as it is on screen: built once with the game's main
// window and once with a bare window of the same size, so the two start-up times can be compared
// (bench/startup.sh runs both). The game starts as the program does, with its settings, its
// history and a kept series from the XDG folders, and continues the kept series if there is one.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdlib>

#ifdef QUINTIX_STARTUP_MAIN_WINDOW
#include <QDir>
#include <QStandardPaths>
#include <thread>

#include "computer/expert_table.h"
#include "history/history_store.h"
#include "ui/event_loop_post.h"
#include "ui/help_system.h"
#include "ui/kept_series.h"
#include "ui/message_box.h"
#include "ui/quintix_form.h"
#include "ui/settings.h"
#include "ui/translations.h"

namespace {

// Nobody answers: the kept series is continued, an error is left unsaid.
class TYesMessages final : public quintix::IMessages {
public:
    bool Confirm(QWidget* /*parent*/, const QString& /*title*/, const QString& /*text*/) override {
        return true;
    }
    void Error(QWidget* /*parent*/, const QString& /*text*/) override {}
};

}  // namespace
#endif

int main(int argc, char** argv) {
    QApplication application(argc, argv);
#ifdef QUINTIX_STARTUP_MAIN_WINDOW
    QApplication::setApplicationName("Quintix");
    quintix::InstallTranslations();
    quintix::THelpSystem help;
    quintix::TExpertTable table(quintix::PostTo(application));
    TYesMessages messages;
    quintix::TSettings settings;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    quintix::THistoryStore history(QDir(data).filePath("history.sqlite").toStdString(), {},
                                   quintix::THistoryStore::TAccess::ReadWrite,
                                   quintix::THistoryStore::TOpening::Later);
    quintix::TSeriesFile kept(QDir(data).filePath("series.json"));
    quintix::TQuintixForm window({table, help, messages, &settings, &history, &kept});
#else
    QWidget window;
    window.setFixedSize(602, 412);
#endif
    window.show();
#ifdef QUINTIX_STARTUP_MAIN_WINDOW
    const std::jthread openingHistory([&history] { history.OpenNow(); });
#endif
    // Start-up is measured, not shutdown: both programs leave at the event loop's first turn, as
    // they are, without closing their windows (which would keep the game's series and settings) or
    // waiting for the history's check on its worker.
    QTimer::singleShot(0, &application, [] { std::_Exit(0); });
    return QApplication::exec();
}
