#include "ui/app_icon.h"

#include <QPainter>

namespace quintix {

// Drawn on a 64-unit square, as in the scalable icon, and scaled to the size asked for.
QPixmap AppIconPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0);
    painter.setPen(QPen(QColor(0xb0, 0, 0), 1.5));
    painter.setBrush(QColor(255, 0, 0));
    painter.drawRoundedRect(QRectF(2, 2, 60, 60), 9, 9);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    for (const QPointF centre :
         {QPointF(15, 15), QPointF(49, 15), QPointF(32, 32), QPointF(15, 49), QPointF(49, 49)}) {
        painter.drawEllipse(centre, 5.5, 5.5);
    }
    return pixmap;
}

QIcon AppIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addPixmap(AppIconPixmap(size));
    }
    return icon;
}

}  // namespace quintix
