#include "ui/app_icon.h"

#include <QPainter>

#include "ui/painted_icon.h"

namespace quintix {

namespace {

// Drawn on a 64-unit square, as in the scalable icon.
void PaintAppIcon(QPainter& painter, const QRectF& box) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.topLeft());
    painter.scale(box.width() / 64.0, box.height() / 64.0);
    painter.setPen(QPen(QColor(0xb0, 0, 0), 1.5));
    painter.setBrush(QColor(255, 0, 0));
    painter.drawRoundedRect(QRectF(2, 2, 60, 60), 9, 9);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    for (const QPointF centre :
         {QPointF(15, 15), QPointF(49, 15), QPointF(32, 32), QPointF(15, 49), QPointF(49, 49)}) {
        painter.drawEllipse(centre, 5.5, 5.5);
    }
    painter.restore();
}

}  // namespace

QPixmap AppIconPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    PaintAppIcon(painter, QRectF(0, 0, size, size));
    return pixmap;
}

QIcon AppIcon() {
    return PaintedIcon(
        [](QPainter& painter, const QRectF& box, bool /*enabled*/) { PaintAppIcon(painter, box); });
}

}  // namespace quintix
