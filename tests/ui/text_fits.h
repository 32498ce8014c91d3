#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>

namespace quintix::testing {

// A caption is whole when its text, and a button's picture, fit inside the control's contents;
// a label that wraps its words always does. Every entry of a drop-down list fits its field.
inline bool TextFits(const QWidget& control) {
    const QFontMetrics metrics(control.font());
    if (const auto* list = qobject_cast<const QComboBox*>(&control)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        const QRect field =
            list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
        for (int i = 0; i < list->count(); ++i) {
            if (metrics.horizontalAdvance(list->itemText(i)) > field.width()) {
                return false;
            }
        }
        return true;
    }
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        return label->wordWrap() || label->textFormat() == Qt::RichText ||
               metrics.horizontalAdvance(QString(label->text()).remove('&')) <= label->contentsRect().width();
    }
    const auto* button = qobject_cast<const QAbstractButton*>(&control);
    if (button == nullptr) {
        return true;
    }
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const bool check = qobject_cast<const QCheckBox*>(button) != nullptr;
    const QRect contents = button->style()->subElementRect(
        check ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents, &option, button);
    const int picture = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
    return metrics.horizontalAdvance(QString(button->text()).remove('&')) + picture <= contents.width();
}

}  // namespace quintix::testing
