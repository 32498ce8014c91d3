// Quintix: the program entry. The main window is created first, so it is the one whose closing
// ends the program; the dialogs live inside it for the whole run.
#include <QApplication>

#include "ui/help_system.h"
#include "ui/quintix_form.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Quintix");
    quintix::THelpSystem help;
    help.SetHelpFile("C:\\Quintix\\Quintix95.hlp");
    quintix::TQuintixForm quintixForm;
    quintixForm.show();
    return QApplication::exec();
}
