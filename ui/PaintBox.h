#pragma once
// A plain drawing area: its owner draws every paint through the painter it is handed, and hears
// of the pointer moving over it, of mouse buttons released on it, of the wheel turned over it and
// of the pointer resting on it (a tool-tip request), of keys pressed while it has the focus and of
// the focus coming and going. It draws nothing and shows no tip itself.

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
  // False while a paint goes into a picture of the box (grab, render) rather than onto the screen.
  bool paintsOnScreen() const { return redirected(nullptr) == nullptr; }

 Q_SIGNALS:
  void mouseMoved(QMouseEvent* event);
  void mouseReleased(QMouseEvent* event);
  void wheelTurned(QWheelEvent* event);
  // The owner shows a tip, or ignores the event when there is nothing to show at its position.
  void toolTipRequested(QHelpEvent* event);
  // The owner accepts the keys it uses; the others go on to the window.
  void keyPressed(QKeyEvent* event);
  void focusChanged(bool hasFocus);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  bool event(QEvent* event) override;

 private:
  std::function<void(QPainter&)> m_paint;
};

}  // namespace lunasoma
