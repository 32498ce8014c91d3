// Starts, shows one window and quits as soon as it is on screen: built once with the game's main
// window and once with a bare window of the same size, so the two start-up times can be compared
// (bench/startup.sh runs both).
#include <QApplication>
#include <QTimer>
#include <QWidget>

#ifdef QUINTIX_STARTUP_MAIN_WINDOW
#include "computer/expert_table.h"
#include "ui/event_loop_post.h"
#include "ui/help_system.h"
#include "ui/message_box.h"
#include "ui/quintix_form.h"
#include "ui/translations.h"
#endif

int main(int argc, char** argv) {
    QApplication application(argc, argv);
#ifdef QUINTIX_STARTUP_MAIN_WINDOW
    QApplication::setApplicationName("Quintix");
    quintix::InstallTranslations();
    quintix::THelpSystem help;
    quintix::TExpertTable table(quintix::PostTo(application));
    quintix::TMessageBoxes messages;
    quintix::TQuintixForm window({table, help, messages});
#else
    QWidget window;
    window.setFixedSize(602, 412);
#endif
    window.show();
    QTimer::singleShot(0, &application, &QApplication::quit);
    return QApplication::exec();
}
