#include "ui/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace quintix {

bool TMessageBoxes::Confirm(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(QObject::tr("&Yes"), QMessageBox::YesRole);
    box.addButton(QObject::tr("&No"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes;
}

void TMessageBoxes::Error(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), text, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace quintix
