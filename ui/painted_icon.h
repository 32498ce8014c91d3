#pragma once

#include <QIcon>
#include <QRectF>
#include <functional>

class QPainter;

namespace quintix {

// Paints a picture into the square `box`, greyed when `enabled` is false. Pictures are drawn on a
// design grid and scaled to the box, so they stay sharp at every size and device pixel ratio.
using TPicturePainter = std::function<void(QPainter& painter, const QRectF& box, bool enabled)>;

// An icon drawn by a picture painter at whatever size and pixel ratio it is shown, instead of a
// bitmap scaled up or down; the disabled state is the same drawing, greyed.
QIcon PaintedIcon(TPicturePainter paint);

}  // namespace quintix
