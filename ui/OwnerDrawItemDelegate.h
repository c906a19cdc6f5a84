#pragma once
// An item delegate whose items all have one fixed height and are painted by a function the owner
// supplies, as an owner-drawn list does. It draws no text, selection or focus of its own.

#include <QAbstractItemDelegate>
#include <QStyle>

#include <functional>

namespace lunasoma {

class OwnerDrawItemDelegate : public QAbstractItemDelegate {
  Q_OBJECT

 public:
  // Paints item `index` into `rect`; `state` carries the view's selection and focus flags.
  using DrawItem = std::function<void(QPainter& painter, int index, const QRect& rect, QStyle::State state)>;

  OwnerDrawItemDelegate(int itemHeight, DrawItem drawItem, QObject* parent = nullptr);

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  int m_itemHeight;
  DrawItem m_drawItem;
};

}  // namespace lunasoma
