#include "ui/button_pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>

#include "ui/painted_icon.h"

namespace quintix {

namespace {

// The colours of one drawing: outlines follow the buttons' text colour, so a picture reads on a
// light or a dark palette; a disabled picture is drawn in greys.
struct TInks {
    QColor Line;
    QColor Paper;
    QColor Red;
    QColor Blue;
    QColor Green;
    QColor Gold;

    static TInks For(bool enabled) {
        const QPalette palette = QGuiApplication::palette();
        if (!enabled) {
            const QColor grey = palette.color(QPalette::Disabled, QPalette::ButtonText);
            const QColor light = palette.color(QPalette::Disabled, QPalette::Button).lighter(115);
            return {grey, light, grey, grey, grey, grey};
        }
        return {palette.color(QPalette::Active, QPalette::ButtonText),
                QColor(250, 250, 245),
                QColor(220, 20, 20),
                QColor(40, 90, 200),
                QColor(30, 150, 50),
                QColor(230, 170, 20)};
    }
};

QPen Pen(const QColor& colour, double width = 1.0) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Sheet(QPainter& p, const TInks& ink, const QRectF& r) {
    p.setPen(Pen(ink.Line));
    p.setBrush(ink.Paper);
    p.drawRect(r);
    for (double y = r.top() + 3; y < r.bottom() - 1; y += 2.5) {
        p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
    }
}

void SmallDie(QPainter& p, const TInks& ink, const QRectF& r, int pips) {
    p.setPen(Pen(ink.Line, 0.8));
    p.setBrush(ink.Red);
    p.drawRoundedRect(r, 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(ink.Paper);
    const double d = r.width() / 4;
    const QPointF c = r.center();
    const QPointF corners[] = {
        {c.x() - d, c.y() - d}, {c.x() + d, c.y() + d}, {c.x() + d, c.y() - d}, {c.x() - d, c.y() + d}};
    for (int i = 0; i < pips && i < 4; ++i) {
        p.drawEllipse(corners[i], 0.9, 0.9);
    }
    if (pips % 2 == 1) {
        p.drawEllipse(c, 0.9, 0.9);
    }
}

// Each drawing is made on a 16-unit square.
void Draw(TButtonPicture picture, QPainter& p, const TInks& ink) {
    switch (picture) {
        case TButtonPicture::NewGame:
            Sheet(p, ink, QRectF(2.5, 1.5, 9, 12));
            p.setPen(Pen(ink.Green, 2.2));
            p.drawLine(QPointF(12, 9), QPointF(12, 15));
            p.drawLine(QPointF(9, 12), QPointF(15, 12));
            break;
        case TButtonPicture::RollDice:
            SmallDie(p, ink, QRectF(1.5, 5.5, 8, 8), 3);
            SmallDie(p, ink, QRectF(7, 1.5, 7.5, 7.5), 2);
            break;
        case TButtonPicture::Score: {
            Sheet(p, ink, QRectF(1.5, 1.5, 9, 12));
            QPainterPath pencil;
            pencil.moveTo(8, 14.5);
            pencil.lineTo(8.8, 11.2);
            pencil.lineTo(13.8, 6.2);
            pencil.lineTo(15.2, 7.6);
            pencil.lineTo(10.2, 12.6);
            pencil.closeSubpath();
            p.setPen(Pen(ink.Line, 0.8));
            p.setBrush(ink.Gold);
            p.drawPath(pencil);
            break;
        }
        case TButtonPicture::Possibilities:
            Sheet(p, ink, QRectF(1.5, 1.5, 10, 13));
            p.setPen(Pen(ink.Blue, 1.6));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(9.5, 8.5), 3.2, 3.2);
            p.drawLine(QPointF(11.8, 10.8), QPointF(14.8, 13.8));
            break;
        case TButtonPicture::Series: {
            p.setPen(Pen(ink.Line, 0.8));
            const struct {
                QRectF Bar;
                QColor Colour;
            } bars[] = {{QRectF(1.5, 7.5, 4, 7), ink.Blue},
                        {QRectF(6, 3.5, 4, 11), ink.Gold},
                        {QRectF(10.5, 9.5, 4, 5), ink.Red}};
            for (const auto& bar : bars) {
                p.setBrush(bar.Colour);
                p.drawRect(bar.Bar);
            }
            break;
        }
        case TButtonPicture::Print:
            p.setPen(Pen(ink.Line));
            p.setBrush(ink.Paper);
            p.drawRect(QRectF(4.5, 1.5, 7, 5));
            p.setBrush(ink.Blue);
            p.drawRoundedRect(QRectF(1.5, 6.5, 13, 5.5), 1, 1);
            p.setBrush(ink.Paper);
            p.drawRect(QRectF(4.5, 10.5, 7, 4));
            break;
        case TButtonPicture::Help: {
            p.setPen(Pen(ink.Line, 0.8));
            p.setBrush(ink.Blue);
            p.drawEllipse(QPointF(8, 8), 6.8, 6.8);
            QFont font = QGuiApplication::font();
            font.setPixelSize(11);
            font.setBold(true);
            p.setFont(font);
            p.setPen(ink.Paper);
            p.drawText(QRectF(1, 1, 14, 14), Qt::AlignCenter, QStringLiteral("?"));
            break;
        }
        case TButtonPicture::Exit:
            p.setPen(Pen(ink.Line));
            p.setBrush(ink.Paper);
            p.drawRect(QRectF(2.5, 1.5, 8, 13));
            p.setPen(Pen(ink.Red, 2));
            p.drawLine(QPointF(7, 8), QPointF(14.5, 8));
            p.drawLine(QPointF(12, 5.5), QPointF(14.5, 8));
            p.drawLine(QPointF(12, 10.5), QPointF(14.5, 8));
            break;
        case TButtonPicture::Coach:
            p.setPen(Pen(ink.Line, 0.8));
            p.setBrush(ink.Gold);
            p.drawEllipse(QPointF(8, 6.5), 4.8, 4.8);
            p.setBrush(ink.Paper);
            p.drawRect(QRectF(6, 11, 4, 3.5));
            p.setPen(Pen(ink.Line, 0.8));
            p.drawLine(QPointF(6, 12.8), QPointF(10, 12.8));
            break;
        case TButtonPicture::Statistics: {
            p.setPen(Pen(ink.Line));
            p.drawLine(QPointF(1.5, 1.5), QPointF(1.5, 14.5));
            p.drawLine(QPointF(1.5, 14.5), QPointF(14.5, 14.5));
            p.setPen(Pen(ink.Green, 1.6));
            const QPointF form[] = {{3, 11.5}, {6, 8}, {9, 9.5}, {13.5, 3.5}};
            p.drawPolyline(form, 4);
            p.setPen(Pen(ink.Line, 0.8));
            p.setBrush(ink.Gold);
            p.drawEllipse(QPointF(13.5, 3.5), 1.6, 1.6);
            break;
        }
    }
}

}  // namespace

QIcon ButtonIcon(TButtonPicture picture) {
    return PaintedIcon([picture](QPainter& painter, const QRectF& box, bool enabled) {
        painter.translate(box.topLeft());
        painter.scale(box.width() / 16.0, box.height() / 16.0);
        Draw(picture, painter, TInks::For(enabled));
    });
}

}  // namespace quintix
