#pragma once

#include <QApplication>
#include <exception>

#include "ui/message_box.h"

namespace quintix {

// The program's application object. At start it sets up what the whole program shares once (its
// name, the accessibility of its own widgets). It is the one top-level handler for errors: an
// exception that escapes any event handler ends here, its message is shown ("Quintix"), and the
// program, and the series with it, carries on. Window tests that need this handling run on it too.
class TQuintixApplication : public QApplication {
    Q_OBJECT

public:
    TQuintixApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Where errors are shown: the message boxes unless a test hands its own, which must outlive
    // the application object.
    IMessages& Messages() { return *Shown; }
    void SetMessages(IMessages& messages) { Shown = &messages; }

    // Tells the player, once the event loop runs, that the history could not be kept and why.
    void HistoryProblemLater(const QString& why);

    // Shows the message of an error through the program's application object, if it runs on one.
    static void ShowError(std::exception_ptr error);

private:
    TMessageBoxes Boxes;
    IMessages* Shown = &Boxes;
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
