#include "ui/PopupPlacement.h"

namespace lunasoma {

QPoint popupPosition(QPoint fieldTopLeft, int fieldHeight, QSize popupSize, const QRect& screenArea) {
  QPoint position(fieldTopLeft.x(), fieldTopLeft.y() + fieldHeight);
  if (screenArea.isEmpty()) return position;
  // QRect::right() is the last pixel column, one short of the edge the pop-up may touch.
  const int screenRight = screenArea.x() + screenArea.width();
  const int screenBottom = screenArea.y() + screenArea.height();
  if (screenRight < fieldTopLeft.x() + popupSize.width()) position.setX(screenRight - popupSize.width());
  if (screenBottom < fieldTopLeft.y() + fieldHeight + popupSize.height())
    position.setY(fieldTopLeft.y() - popupSize.height());
  return position;
}

}  // namespace lunasoma
