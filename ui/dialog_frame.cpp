#include "ui/dialog_frame.h"

#include <QDialog>
#include <QPushButton>
#include <QStyle>

#include "ui/window_look.h"

namespace quintix {

void SetUpWindow(QWidget& window, Qt::WindowFlags flags, const QString& title) {
    window.setWindowFlags(flags);
    window.setWindowTitle(title);
    window.setFont(WindowFont());
}

void SetUpDialog(QDialog& dialog, const QString& title, QSize size) {
    SetUpWindow(dialog, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint, title);
    dialog.setFixedSize(size);
}

QPushButton* AddDialogButton(QDialog& dialog, TDialogButton kind, const char* name, const QString& caption,
                             QPoint at) {
    auto* button = new QPushButton(caption, &dialog);
    button->setObjectName(name);
    button->setGeometry(at.x(), at.y(), 75, 25);
    const bool accepts = kind == TDialogButton::Accept;
    button->setDefault(accepts);
    QStyle* style = dialog.style();
    if (style->styleHint(QStyle::SH_DialogButtonBox_ButtonsHaveIcons) != 0) {
        button->setIcon(
            style->standardIcon(accepts ? QStyle::SP_DialogOkButton : QStyle::SP_DialogCancelButton));
    }
    return button;
}

}  // namespace quintix
