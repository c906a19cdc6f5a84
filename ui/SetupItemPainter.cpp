#include "ui/SetupItemPainter.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>

namespace lunasoma {

namespace {

// The font, or the largest smaller pixel size of it, in which `text` fits `width` pixels on the
// device; never below 6 pixels.
QFont fittingFont(const QFont& font, const QString& text, int width, const QPaintDevice* device) {
  constexpr int Smallest = 6;
  const auto advance = [&text, device](const QFont& candidate) {
    return device != nullptr ? QFontMetrics(candidate, device).horizontalAdvance(text)
                             : QFontMetrics(candidate).horizontalAdvance(text);
  };
  if (advance(font) <= width) return font;
  QFont fitting = font;
  int size = font.pixelSize();
  if (size <= 0) {
    const int dpi = device != nullptr ? device->logicalDpiY() : 96;
    size = static_cast<int>(font.pointSizeF() * dpi / 72.0);
  }
  while (size > Smallest) {
    fitting.setPixelSize(--size);
    if (advance(fitting) <= width) break;
  }
  return fitting;
}

}  // namespace

QRect colorSwatchRect(const QRect& item) { return item.adjusted(2, 2, -2, -2); }

QRect widthBarRect(const QRect& item, int width) {
  const int y = item.top() + item.height() / 2 - width / 2;
  return {item.left() + 2, y, item.width() - 4, width};
}

void paintColorItem(QPainter& painter, const QRect& item, const QColor& color, const QColor& background,
                    const QColor& ink, bool current) {
  painter.save();
  painter.fillRect(item, background);
  painter.setBrush(Qt::NoBrush);
  if (current) {
    painter.setPen(QPen(ink, 0));
    painter.drawRect(item.adjusted(0, 0, -1, -1));
  }
  const QRect swatch = colorSwatchRect(item);
  if (swatch.isValid()) {
    painter.fillRect(swatch, color);
    // A cosmetic pen draws one pixel beyond the right and bottom edge, so the outline is drawn on
    // a rectangle one pixel smaller to stay exactly on the swatch's border pixels.
    painter.setPen(QPen(ink, 0));
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));
  }
  painter.restore();
}

void paintWidthItem(QPainter& painter, const QRect& item, int width, bool focused, const QColor& background,
                    const QColor& ink) {
  painter.save();
  painter.fillRect(item, background);
  painter.setPen(QPen(focused ? ink : background, 0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(item.adjusted(0, 0, -1, -1));
  if (width == 0) {
    painter.setPen(ink);
    const QString noLine = QCoreApplication::translate("SetupItemPainter", "No Line");
    const QRect text(item.left() + 2, item.top(), item.width() - 2, item.height());
    // The frame of a focused item takes the last column.
    painter.setFont(fittingFont(painter.font(), noLine, text.width() - 1, painter.device()));
    painter.drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, noLine);
  } else {
    painter.fillRect(widthBarRect(item, width), ink);
  }
  painter.restore();
}

}  // namespace lunasoma
