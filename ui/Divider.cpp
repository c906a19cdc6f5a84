#include "ui/Divider.h"

#include <QMouseEvent>

namespace lunasoma {

void Divider::mousePressEvent(QMouseEvent* event) {
  event->accept();
  Q_EMIT pressed();
}

void Divider::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  Q_EMIT dragged(event);
}

void Divider::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  Q_EMIT released();
}

void CaptionLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  Q_EMIT clicked();
}

}  // namespace lunasoma
