#include "ui/OwnerDrawItemDelegate.h"

#include <QPainter>

#include <utility>

namespace lunasoma {

OwnerDrawItemDelegate::OwnerDrawItemDelegate(int itemHeight, DrawItem drawItem, QObject* parent)
    : QAbstractItemDelegate(parent), m_itemHeight(itemHeight), m_drawItem(std::move(drawItem)) {}

void OwnerDrawItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
  if (m_drawItem) m_drawItem(*painter, index.row(), option.rect, option.state);
}

QSize OwnerDrawItemDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
  // The items carry no text, so they need no width of their own: the list is as wide as its box.
  return {0, m_itemHeight};
}

}  // namespace lunasoma
