#pragma once

#include <QStringList>
#include <QWidget>

namespace quintix::testing {

// The names of the controls the Tab key visits in a window, in order from the first.
inline QStringList TabOrder(const QWidget& window) {
    QStringList order;
    for (const QWidget* widget = window.nextInFocusChain(); widget != &window;
         widget = widget->nextInFocusChain()) {
        if ((widget->focusPolicy() & Qt::TabFocus) != 0) {
            order << widget->objectName();
        }
    }
    return order;
}

}  // namespace quintix::testing
