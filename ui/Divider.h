#pragma once
// The bar between the date column and the chart that the user drags sideways, and a caption label
// that gives its field the focus when clicked. Each hears of its own mouse buttons and tells its
// owner; neither moves or lays out anything itself.

#include <QFrame>
#include <QLabel>

class QMouseEvent;

namespace lunasoma {

class Divider : public QFrame {
  Q_OBJECT

 public:
  explicit Divider(QWidget* parent = nullptr) : QFrame(parent) {}

 Q_SIGNALS:
  void pressed();
  // The pointer moved while a button is held: the drag.
  void dragged(QMouseEvent* event);
  void released();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

class CaptionLabel : public QLabel {
  Q_OBJECT

 public:
  CaptionLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {}

 Q_SIGNALS:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace lunasoma
