#pragma once

#include <QString>
#include <optional>

#include "ui/message_box.h"

namespace quintix::testing {

// Questions answered in advance (No unless told otherwise) and errors kept for the test to read.
class TScriptedMessages final : public IMessages {
public:
    bool Confirm(QWidget* /*parent*/, const QString& /*title*/, const QString& text) override {
        LastQuestion = text;
        const bool answer = NextAnswer.value_or(false);
        NextAnswer.reset();
        return answer;
    }
    void Error(QWidget* /*parent*/, const QString& text) override { LastError = text; }

    std::optional<bool> NextAnswer;
    QString LastQuestion;
    QString LastError;
};

}  // namespace quintix::testing
