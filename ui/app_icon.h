#pragma once

#include <QIcon>
#include <QPixmap>

namespace quintix {

// The program's icon: a red die showing five white pips, the same drawing as packaging/quintix.svg.
QPixmap AppIconPixmap(int size);
QIcon AppIcon();

}  // namespace quintix
