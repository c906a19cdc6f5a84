#pragma once
// A plain drawing area: its owner draws every paint through the painter it is handed, and hears
// of the pointer moving over it, of mouse buttons released on it, of the wheel turned over it and
// of the pointer resting on it (a tool-tip request). It draws nothing and shows no tip itself.

#include <QWidget>

#include <functional>

class QHelpEvent;
class QPainter;
class QWheelEvent;

namespace lunasoma {

class PaintBox : public QWidget {
  Q_OBJECT

 public:
  explicit PaintBox(QWidget* parent = nullptr);

  void setPaintHandler(std::function<void(QPainter&)> handler) { m_paint = std::move(handler); }

 Q_SIGNALS:
  void mouseMoved(QMouseEvent* event);
  void mouseReleased(QMouseEvent* event);
  void wheelTurned(QWheelEvent* event);
  // The owner shows a tip, or ignores the event when there is nothing to show at its position.
  void toolTipRequested(QHelpEvent* event);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  bool event(QEvent* event) override;

 private:
  std::function<void(QPainter&)> m_paint;
};

}  // namespace lunasoma
