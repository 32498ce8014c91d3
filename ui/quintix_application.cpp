#include "ui/quintix_application.h"

#include <exception>

#include "ui/accessibility.h"
#include "ui/translations.h"

namespace quintix {

TQuintixApplication::TQuintixApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName("Quintix");
    InstallAccessibility();
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

void TQuintixApplication::HistoryProblemLater(const QString& why) {
    const QString text = tr("The history of games could not be kept: %1").arg(why);
    QMetaObject::invokeMethod(
        this, [this, text] { Messages().Error(activeWindow(), text); }, Qt::QueuedConnection);
}

void TQuintixApplication::ShowError(std::exception_ptr error) {
    auto* application = qobject_cast<TQuintixApplication*>(QCoreApplication::instance());
    if (application == nullptr) {
        std::rethrow_exception(error);
    }
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& failure) {
        application->Messages().Error(activeWindow(), CoreText(failure.what()));
    } catch (...) {
        application->Messages().Error(activeWindow(), tr("An unexpected error occurred."));
    }
}

}  // namespace quintix
