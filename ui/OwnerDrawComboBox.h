#pragma once
// A drop-down list of a fixed number of text-less items, each painted by its owner both in the
// open list and in the closed box, with every item of the open list visible at once at a fixed
// item height. The wheel changes the item only while the list has the focus. It does not know what
// the items mean; a screen reader hears the current item by the name its owner gives it in
// Qt::AccessibleTextRole.

#include <QComboBox>
#include <QStyle>

#include <functional>

namespace lunasoma {

class OwnerDrawComboBox : public QComboBox {
  Q_OBJECT

 public:
  // Paints item `index` of `list` into `rect`: the open list passes the view's selection and
  // focus flags in `state`, the closed box State_HasFocus while it has the keyboard focus.
  using DrawItem =
      std::function<void(QPainter& painter, const QComboBox& list, int index, const QRect& rect, QStyle::State state)>;

  OwnerDrawComboBox(int itemCount, int itemHeight, DrawItem drawItem, QWidget* parent = nullptr);

  // Selects `index`, or the nearest item when it lies outside the list, so that a value from a
  // hand-edited store still shows an item rather than none.
  void setClampedIndex(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  DrawItem m_drawItem;
};

}  // namespace lunasoma
