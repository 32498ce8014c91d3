// Starts, shows one window and quits as soon as it is on screen: built once as the program itself
// and once with a bare window of the same size, so the two start-up times can be compared
// (bench/startup.sh runs both). The program starts as it always does, with its settings, its
// history and a kept series from the XDG folders, and continues the kept series if there is one.
//
// Start-up is measured, not shutdown: both leave at the event loop's first turn, as they are,
// without closing their windows (which would keep the game's series and settings) or waiting for
// the history's check on its worker.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdlib>

#ifdef QUINTIX_STARTUP_MAIN_WINDOW
#include "app/program.h"

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

int main(int argc, char** argv) {
    TYesMessages messages;
    std::jthread fonts = quintix::StartReadingFonts();
    quintix::TQuintixApplication application(argc, argv);
    fonts.join();
    application.SetMessages(messages);
    return quintix::RunQuintix(application, [] { std::_Exit(0); });
}

#else

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(602, 412);
    window.show();
    QTimer::singleShot(0, &application, [] { std::_Exit(0); });
    return QApplication::exec();
}

#endif
