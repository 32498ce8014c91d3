#pragma once

#include <QFont>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace quintix {

// The font of every window: "MS Sans Serif" 11 pixels high, or the platform's sans-serif at the
// same height where that face is missing.
inline QFont WindowFont() {
    QFont font("MS Sans Serif");
    font.setPixelSize(11);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

// Every window opens centred on its screen.
inline void CentreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

}  // namespace quintix
