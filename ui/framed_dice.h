#pragma once

#include <QPainter>
#include <QWidget>

#include "base/types.h"
#include "ui/die_picture.h"

namespace quintix {

// Five dice in a row, as the main window shows them, with a frame around each die of a set (the
// dice a choice rolls again). Used where a window speaks of one roll: the coach, the review.
class TFramedDice : public QWidget {
public:
    TFramedDice(int side, QWidget* parent) : QWidget(parent), Side(side) {
        setFixedSize(5 * Pitch(), Pitch());
    }

    void Show(const TDiceValues& dice, TDiceSet framed) {
        Faces = dice;
        Framed = framed;
        update();
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        for (int die = 1; die <= NoOfDice; ++die) {
            const QRectF box((die - 1) * Pitch() + 4, 4, Side, Side);
            if ((Framed & DieBit(die)) != 0) {
                painter.setPen(QPen(palette().color(QPalette::WindowText), 2));
                painter.drawRect(box.adjusted(-2, -2, 2, 2));
            }
            PaintDie(painter, box, Faces[die]);
        }
    }

private:
    int Pitch() const { return Side + 10; }

    int Side;
    TDiceValues Faces{};
    TDiceSet Framed = 0;
};

}  // namespace quintix
