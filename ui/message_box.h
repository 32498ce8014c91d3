#pragma once

#include <QString>

class QWidget;

namespace quintix {

// How the program asks its questions and shows its errors. The program's entry hands the real
// message boxes on; tests hand answers given in advance, so that no test waits on a modal box.
class IMessages {
public:
    virtual ~IMessages() = default;

    // A question with "&Yes" and "&No"; true for Yes.
    virtual bool Confirm(QWidget* parent, const QString& title, const QString& text) = 0;
    // An error message with an OK button.
    virtual void Error(QWidget* parent, const QString& text) = 0;
};

// The modal message boxes a person answers.
class TMessageBoxes final : public IMessages {
public:
    bool Confirm(QWidget* parent, const QString& title, const QString& text) override;
    void Error(QWidget* parent, const QString& text) override;
};

}  // namespace quintix
