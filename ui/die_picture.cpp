#include "ui/die_picture.h"

#include <QPainter>
#include <array>
#include <span>

namespace quintix {

namespace {

constexpr double PipSize = 10;
// The left or top edge of a pip's box in each of the three columns or rows.
constexpr std::array<double, 3> PipStart = {10, 27, 44};

struct TPip {
    int Col;
    int Row;
};

}  // namespace

void PaintDie(QPainter& painter, const QRectF& box, int face) {
    static constexpr std::array<TPip, 1> one = {{{1, 1}}};
    static constexpr std::array<TPip, 2> two = {{{0, 0}, {2, 2}}};
    static constexpr std::array<TPip, 3> three = {{{0, 0}, {1, 1}, {2, 2}}};
    static constexpr std::array<TPip, 4> four = {{{0, 0}, {2, 0}, {0, 2}, {2, 2}}};
    static constexpr std::array<TPip, 5> five = {{{0, 0}, {2, 0}, {1, 1}, {0, 2}, {2, 2}}};
    static constexpr std::array<TPip, 6> six = {{{0, 0}, {0, 1}, {0, 2}, {2, 0}, {2, 1}, {2, 2}}};
    static constexpr std::array<std::span<const TPip>, 6> faces = {one, two, three, four, five, six};
    if (face < 1 || face > 6) {
        return;
    }
    painter.save();
    painter.fillRect(box, QColor(255, 0, 0));
    painter.translate(box.topLeft());
    painter.scale(box.width() / DiePictureSize, box.height() / DiePictureSize);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    for (const TPip& pip : faces[static_cast<std::size_t>(face - 1)]) {
        painter.drawEllipse(QRectF(PipStart[static_cast<std::size_t>(pip.Col)],
                                   PipStart[static_cast<std::size_t>(pip.Row)], PipSize, PipSize));
    }
    painter.restore();
}

}  // namespace quintix
