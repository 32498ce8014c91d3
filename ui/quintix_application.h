#pragma once

#include <QApplication>

namespace quintix {

// The program's application object. It is the one top-level handler for errors: an exception that
// escapes any event handler ends here, its message is shown in a message box ("Quintix"), and the
// program, and the series with it, carries on. Window tests that need this handling run on it too.
class TQuintixApplication : public QApplication {
    Q_OBJECT

public:
    TQuintixApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace quintix
