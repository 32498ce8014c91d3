#include "ui/painted_icon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <utility>

namespace quintix {

namespace {

class TPaintedIconEngine : public QIconEngine {
public:
    explicit TPaintedIconEngine(TPicturePainter paint) : Paint(std::move(paint)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State /*state*/) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const int side = std::min(rect.width(), rect.height());
        const QRectF box(rect.x() + (rect.width() - side) / 2.0, rect.y() + (rect.height() - side) / 2.0,
                         side, side);
        Paint(*painter, box, mode != QIcon::Disabled);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        QPixmap pixmap(size * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QSize actualSize(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        return size;
    }
    QIconEngine* clone() const override { return new TPaintedIconEngine(Paint); }
    QString key() const override { return QStringLiteral("quintix-painted"); }

private:
    TPicturePainter Paint;
};

}  // namespace

QIcon PaintedIcon(TPicturePainter paint) {
    return QIcon(new TPaintedIconEngine(std::move(paint)));
}

}  // namespace quintix
