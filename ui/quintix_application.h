#pragma once

#include <QApplication>
#include <exception>

namespace quintix {

// The program's application object. It is the one top-level handler for errors: an exception that
// escapes any event handler ends here, its message is shown in a message box ("Quintix"), and the
// program, and the series with it, carries on. Window tests that need this handling run on it too.
class TQuintixApplication : public QApplication {
    Q_OBJECT

public:
    TQuintixApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Shows the message of an error in a message box captioned "Quintix".
    static void ShowError(std::exception_ptr error);
};

// A handler for a signal that hands any error it raises to the top-level handler on the spot, so
// that no exception unwinds through Qt's own code, which is not written for it. The handlers the
// program's errors come from are connected through this; notify() stays the last resort.
template <typename THandler>
auto Handled(THandler handler) {
    return [handler] {
        try {
            handler();
        } catch (...) {
            TQuintixApplication::ShowError(std::current_exception());
        }
    };
}

}  // namespace quintix
