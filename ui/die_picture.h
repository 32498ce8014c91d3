#pragma once

#include <QRectF>

class QPainter;

namespace quintix {

// The side of a die's picture at the window's natural size.
constexpr int DiePictureSize = 64;

// Paints die face 1..6 into `box`: a solid red square with round white pips, fully opaque, drawn on
// a 64-unit grid and scaled, so it is sharp at every size. A pip's 10-unit box starts at 10, 27 or
// 44 across and down. Any other face paints nothing.
void PaintDie(QPainter& painter, const QRectF& box, int face);

}  // namespace quintix
