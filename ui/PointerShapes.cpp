#include "ui/PointerShapes.h"

#include <QImage>
#include <QPixmap>

namespace lunasoma {

namespace {

// A pointer from a two-colour picture, kept in full colour (black outline, white fill, transparent
// elsewhere): Wayland draws only colour pointers, and a bitmap-and-mask pointer there shows nothing.
// A picture that cannot be read gives the ordinary arrow rather than an invisible pointer.
QCursor loadPointer(const QString& path, QPoint hotSpot) {
  const QImage picture(path);
  if (picture.isNull()) return QCursor(Qt::ArrowCursor);
  return QCursor(QPixmap::fromImage(picture.convertToFormat(QImage::Format_ARGB32)), hotSpot.x(), hotSpot.y());
}

}  // namespace

PointerShapes::PointerShapes() {
  for (PointerShape shape : All) m_cursors[index(shape)] = loadPointer(resourcePath(shape), hotSpot(shape));
}

QString PointerShapes::resourceName(PointerShape shape) {
  switch (shape) {
    case PointerShape::LeftSingle:
      return QStringLiteral("LEFT_SINGLE");
    case PointerShape::LeftDouble:
      return QStringLiteral("LEFT_DOUBLE");
    case PointerShape::RightSingle:
      return QStringLiteral("RIGHT_SINGLE");
    case PointerShape::RightDouble:
      return QStringLiteral("RIGHT_DOUBLE");
    case PointerShape::Today:
      return QStringLiteral("TODAY");
  }
  return {};
}

QString PointerShapes::resourcePath(PointerShape shape) {
  return QStringLiteral(":/cursors/") + resourceName(shape).toLower() + QStringLiteral(".xpm");
}

QPoint PointerShapes::hotSpot(PointerShape shape) {
  switch (shape) {
    case PointerShape::LeftSingle:
      return {10, 15};
    case PointerShape::LeftDouble:
      return {8, 15};
    case PointerShape::RightSingle:
      return {20, 15};
    case PointerShape::RightDouble:
      return {23, 15};
    case PointerShape::Today:
      return {0, 0};
  }
  return {};
}

}  // namespace lunasoma
