#include "ui/SetupItemPainter.h"

#include <QPainter>

namespace lunasoma {

QRect colorSwatchRect(const QRect& item) { return item.adjusted(2, 2, -2, -2); }

QRect widthBarRect(const QRect& item, int width) {
  const int y = item.top() + item.height() / 2 - width / 2;
  return {item.left() + 2, y, item.width() - 4, width};
}

void paintColorItem(QPainter& painter, const QRect& item, const QColor& color, const QColor& background) {
  painter.save();
  painter.fillRect(item, background);
  const QRect swatch = colorSwatchRect(item);
  if (swatch.isValid()) {
    painter.fillRect(swatch, color);
    // A cosmetic pen draws one pixel beyond the right and bottom edge, so the outline is drawn on
    // a rectangle one pixel smaller to stay exactly on the swatch's border pixels.
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));
  }
  painter.restore();
}

void paintWidthItem(QPainter& painter, const QRect& item, int width, bool focused, const QColor& background) {
  painter.save();
  painter.fillRect(item, background);
  painter.setPen(QPen(focused ? QColor(Qt::black) : background, 0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(item.adjusted(0, 0, -1, -1));
  if (width == 0) {
    painter.setPen(Qt::black);
    const QRect text(item.left() + 2, item.top(), item.width() - 2, item.height());
    painter.drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, QStringLiteral("No Line"));
  } else {
    painter.fillRect(widthBarRect(item, width), Qt::black);
  }
  painter.restore();
}

}  // namespace lunasoma
