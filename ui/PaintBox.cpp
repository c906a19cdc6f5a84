#include "ui/PaintBox.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace lunasoma {

PaintBox::PaintBox(QWidget* parent) : QWidget(parent) {
  // The pointer shape follows the pointer even while no button is held.
  setMouseTracking(true);
}

void PaintBox::paintEvent(QPaintEvent*) {
  if (!m_paint) return;
  QPainter painter(this);
  m_paint(painter);
}

void PaintBox::mouseMoveEvent(QMouseEvent* event) { Q_EMIT mouseMoved(event); }

void PaintBox::mouseReleaseEvent(QMouseEvent* event) { Q_EMIT mouseReleased(event); }

void PaintBox::wheelEvent(QWheelEvent* event) { Q_EMIT wheelTurned(event); }

void PaintBox::keyPressEvent(QKeyEvent* event) {
  event->ignore();
  Q_EMIT keyPressed(event);
  if (!event->isAccepted()) QWidget::keyPressEvent(event);
}

void PaintBox::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  Q_EMIT focusChanged(true);
}

void PaintBox::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  Q_EMIT focusChanged(false);
}

bool PaintBox::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    Q_EMIT toolTipRequested(static_cast<QHelpEvent*>(event));
    return true;
  }
  return QWidget::event(event);
}

}  // namespace lunasoma
