#pragma once
// A plain drawing area: its owner draws every paint through the painter it is handed, and hears
// of the pointer moving over it and of mouse buttons released on it. It draws nothing itself.

#include <QWidget>

#include <functional>

class QPainter;

namespace lunasoma {

class PaintBox : public QWidget {
  Q_OBJECT

 public:
  explicit PaintBox(QWidget* parent = nullptr);

  void setPaintHandler(std::function<void(QPainter&)> handler) { m_paint = std::move(handler); }

 Q_SIGNALS:
  void mouseMoved(QMouseEvent* event);
  void mouseReleased(QMouseEvent* event);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  std::function<void(QPainter&)> m_paint;
};

}  // namespace lunasoma
