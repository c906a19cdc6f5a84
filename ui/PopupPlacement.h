#pragma once
// Where a drop-down pop-up opens for a field: under the field, or above it when the screen has
// no room below, and pulled left so that its right edge stays on the screen. It moves no window.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace lunasoma {

// fieldTopLeft is the field's top-left corner in screen coordinates; screenArea the part of the
// screen that windows may use. Neither the left nor the top edge is tested: a pop-up pulled off
// one of them is as the user placed the field. An empty screenArea (no screen known) tests nothing.
QPoint popupPosition(QPoint fieldTopLeft, int fieldHeight, QSize popupSize, const QRect& screenArea);

}  // namespace lunasoma
