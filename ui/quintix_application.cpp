#include "ui/quintix_application.h"

#include <exception>

#include "ui/message_box.h"
#include "ui/translations.h"

namespace quintix {

TQuintixApplication::TQuintixApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName("Quintix");
}

bool TQuintixApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowError(std::current_exception());
    }
    // The event reached its handler, which failed at it; nobody else is to have it now.
    return true;
}

void TQuintixApplication::ShowError(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& failure) {
        TMessageBox::Error(activeWindow(), CoreText(failure.what()));
    } catch (...) {
        TMessageBox::Error(activeWindow(), tr("An unexpected error occurred."));
    }
}

}  // namespace quintix
