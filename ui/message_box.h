#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace quintix {

// The message boxes the program asks questions with. Tests give the answer in advance, so no test
// ever waits on a modal box.
class TMessageBox {
public:
    // A question with "&Yes" and "&No"; true for Yes.
    static bool Confirm(QWidget* parent, const QString& title, const QString& text);

    // An error message with an OK button: what the program's top-level error handling shows.
    static void Error(QWidget* parent, const QString& text);

    static void SetNextAnswer(std::optional<bool> answer) { NextAnswer = answer; }
    // While quiet, messages are recorded but not shown; for tests.
    static void SetQuiet(bool quiet) { Quiet = quiet; }
    static QString LastError() { return LastErrorText; }
    // The text of the last question asked, for tests.
    static QString LastQuestion() { return Last; }

private:
    static inline std::optional<bool> NextAnswer;
    static inline QString Last;
    static inline QString LastErrorText;
    static inline bool Quiet = false;
};

}  // namespace quintix
