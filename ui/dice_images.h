#pragma once

#include <QPixmap>

namespace quintix {

constexpr int DiceImageSize = 64;

// The picture of one die face 1..6: a solid red square with round white pips, fully opaque.
// Any other face gives a null pixmap.
QPixmap DiceImage(int face);

}  // namespace quintix
