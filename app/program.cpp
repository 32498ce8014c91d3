// The program makes the long-lived services (the solver's table, the help, the settings, the
// history and the kept series) and hands them to the main window, so they outlive every window
// that uses them. The main window is created first, so it is the one whose closing ends the
// program.
#include "app/program.h"

#include <fontconfig/fontconfig.h>

#include <QDir>
#include <QStandardPaths>
#include <QTimer>
#include <thread>

#include "computer/expert_table.h"
#include "history/history_store.h"
#include "ui/app_icon.h"
#include "ui/event_loop_post.h"
#include "ui/help_system.h"
#include "ui/kept_series.h"
#include "ui/prob_test_form.h"
#include "ui/quintix_form.h"
#include "ui/settings.h"
#include "ui/translations.h"

namespace quintix {

// Font configuration can be read from any thread; once read, the font database finds it ready.
std::jthread StartReadingFonts() {
    return std::jthread([] { FcInit(); });
}

int RunQuintix(TQuintixApplication& application, const std::function<void()>& whenRunning) {
    InstallTranslations();
    QApplication::setWindowIcon(AppIcon());
    THelpSystem help;
    help.SetHelpFile("C:\\Quintix\\Quintix95.hlp");
    // Built on a worker when an expert player or the coach first needs it; its news reaches the
    // windows through the application's event loop.
    TExpertTable table(PostTo(application));
    TSettings settings;
    // The history and the kept series live in the platform's data folder. A problem with the
    // history is told once, when the window is there to show it; the game goes on without it.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    THistoryStore history(
        QDir(data).filePath("history.sqlite").toStdString(),
        [&application](const std::string& problem) {
            application.HistoryProblemLater(QString::fromStdString(problem));
        },
        THistoryStore::TAccess::ReadWrite, THistoryStore::TOpening::Later);
    TSeriesFile keptSeries(QDir(data).filePath("series.json"));
    TQuintixForm quintixForm({table, help, application.Messages(), &settings, &history, &keptSeries});
    // Made with the other windows and never shown by the program: a window for trying the
    // probability engine by hand.
    const TProbTestForm probTestForm;
    quintixForm.show();
    // Checking a large history takes longer than showing the window; it is done meanwhile, and the
    // first game to end waits for it. The thread goes before the history it opens.
    const std::jthread openingHistory([&history] { history.OpenNow(); });
    if (whenRunning) {
        QTimer::singleShot(0, &application, whenRunning);
    }
    return QApplication::exec();
}

}  // namespace quintix
