#include "ui/scaled_layout.h"

#include <QAbstractButton>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace quintix {

TScaledLayout::TScaledLayout(QSize natural, int fontPixels) : Natural(natural), FontPixels(fontPixels) {}

void TScaledLayout::Place(QWidget* widget, QRect design, TFit fit, int iconSize) {
    Items.push_back({widget, design, fit, iconSize});
}

int TScaledLayout::Scaled(double length) const {
    return static_cast<int>(std::lround(length * CurrentScale));
}

void TScaledLayout::Apply(QWidget& window) {
    const QSize size = window.size();
    CurrentScale = std::max(1.0, std::min(static_cast<double>(size.width()) / Natural.width(),
                                          static_cast<double>(size.height()) / Natural.height()));
    Offset = QPointF((size.width() - Natural.width() * CurrentScale) / 2,
                     (size.height() - Natural.height() * CurrentScale) / 2);

    // The font comes in whole pixels and the controls scale exactly: a font rounded up would be
    // larger than its control's share, and the longest captions and line labels would be cut.
    QFont font = window.font();
    font.setPixelSize(static_cast<int>(std::floor(FontPixels * CurrentScale)));
    window.setFont(font);

    // Both edges of a control are rounded, so that controls that meet in the design still meet.
    const auto x = [this](int design) {
        return static_cast<int>(std::lround(Offset.x() + design * CurrentScale));
    };
    const auto y = [this](int design) {
        return static_cast<int>(std::lround(Offset.y() + design * CurrentScale));
    };
    for (const TItem& item : Items) {
        const QRect& d = item.Design;
        QRect placed(QPoint(x(d.left()), y(d.top())),
                     QPoint(x(d.left() + d.width()) - 1, y(d.top() + d.height()) - 1));
        if (item.Fit == TFit::GrowToText) {
            placed.setWidth(std::max(placed.width(), item.Widget->sizeHint().width()));
        }
        item.Widget->setGeometry(placed);
        if (item.IconSize > 0) {
            if (auto* button = qobject_cast<QAbstractButton*>(item.Widget)) {
                button->setIconSize(QSize(Scaled(item.IconSize), Scaled(item.IconSize)));
            }
        }
    }
}

}  // namespace quintix
