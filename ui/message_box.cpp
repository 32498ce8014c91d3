#include "ui/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace quintix {

bool TMessageBox::Confirm(QWidget* parent, const QString& title, const QString& text) {
    Last = text;
    if (NextAnswer) {
        const bool answer = *NextAnswer;
        NextAnswer.reset();
        return answer;
    }
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(QObject::tr("&Yes"), QMessageBox::YesRole);
    box.addButton(QObject::tr("&No"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes;
}

void TMessageBox::Error(QWidget* parent, const QString& text) {
    LastErrorText = text;
    if (!Quiet) {
        QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), text, QMessageBox::Ok,
                        parent);
        box.exec();
    }
}

}  // namespace quintix
