// Quintix: the program entry. The main window is created first, so it is the one whose closing
// ends the program; the dialogs live inside it for the whole run.
#include <QApplication>

#include "ui/app_icon.h"
#include "ui/help_system.h"
#include "ui/prob_test_form.h"
#include "ui/quintix_application.h"
#include "ui/quintix_form.h"
#include "ui/translations.h"

int main(int argc, char** argv) {
    quintix::TQuintixApplication application(argc, argv);
    quintix::InstallTranslations();
    QApplication::setWindowIcon(quintix::AppIcon());
    quintix::THelpSystem help;
    help.SetHelpFile("C:\\Quintix\\Quintix95.hlp");
    quintix::TQuintixForm quintixForm;
    // Made with the other windows and never shown by the program: a window for trying the
    // probability engine by hand.
    const quintix::TProbTestForm probTestForm;
    quintixForm.show();
    return QApplication::exec();
}
