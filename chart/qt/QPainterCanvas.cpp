#include "chart/qt/QPainterCanvas.h"

#include <QPaintEngine>
#include <QPainter>

#include "model/BiorhythmSettings.h"

namespace lunasoma {

QPainterCanvas::QPainterCanvas(QPainter& painter)
    : m_painter(painter), m_ownFonts(std::make_unique<CellFontCache>()), m_fonts(*m_ownFonts) {
  start();
}

QPainterCanvas::QPainterCanvas(QPainter& painter, CellFontCache& fonts) : m_painter(painter), m_fonts(fonts) {
  start();
}

QPainterCanvas::~QPainterCanvas() = default;

void QPainterCanvas::start() {
  m_painter.setRenderHint(QPainter::Antialiasing, false);
  m_raster = m_painter.paintEngine() && m_painter.paintEngine()->type() == QPaintEngine::Raster;
  setPen(0x000000, 1, PenStyle::Solid);
}

QColor QPainterCanvas::toQColor(std::uint32_t color) {
  return QColor(paletteRed(color), paletteGreen(color), paletteBlue(color));
}

const QPainterCanvas::PenEntry& QPainterCanvas::penFor(std::uint32_t color, int width, PenStyle style) {
  for (const PenEntry& entry : m_pens) {
    if (entry.color == color && entry.width == width && entry.style == style) return entry;
  }
  PenEntry entry{color, width, style, QPen(toQColor(color)), false, {}, 0};
  QPen& pen = entry.pen;
  pen.setStyle(style == PenStyle::Dot ? Qt::DotLine : Qt::SolidLine);
  if (width <= 1) {
    // A flat cap leaves the end point out, as the chart's lines expect of one-pixel pens.
    pen.setCosmetic(true);
    pen.setWidth(1);
    pen.setCapStyle(Qt::FlatCap);
  } else if (m_raster && style == PenStyle::Solid) {
    pen.setWidth(width);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::BevelJoin);
    // The dot is centred on a pixel's centre, like the body, with a radius of half the width.
    entry.stamped = true;
    entry.dotOffset = width / 2 + 1;
    const int size = 2 * entry.dotOffset + 1;
    entry.dot = QImage(size, size, QImage::Format_ARGB32_Premultiplied);
    entry.dot.fill(Qt::transparent);
    QPainter dotPainter(&entry.dot);
    dotPainter.setRenderHint(QPainter::Antialiasing, false);
    dotPainter.setPen(Qt::NoPen);
    dotPainter.setBrush(toQColor(color));
    const double centre = entry.dotOffset + 0.5;
    dotPainter.drawEllipse(QPointF(centre, centre), width / 2.0, width / 2.0);
  } else {
    pen.setWidth(width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
  }
  m_pens.push_back(std::move(entry));
  return m_pens.back();
}

void QPainterCanvas::activate(const QPen* pen) {
  if (m_activePen == pen) return;
  m_painter.setPen(*pen);
  m_activePen = pen;
}

void QPainterCanvas::setPen(std::uint32_t color, int width, PenStyle style) {
  m_linePen = &penFor(color, width, style);
}

void QPainterCanvas::setBrush(std::uint32_t color) { m_brush = toQColor(color); }

void QPainterCanvas::setFont(const FontSpec& font) {
  if (font == m_font) return;
  m_font = font;
  m_resolved = nullptr;
  m_textPen = nullptr;
}

CellFontCache::ResolvedFont& QPainterCanvas::resolvedFont() {
  if (!m_resolved) m_resolved = &m_fonts.resolve(m_font, m_painter.device());
  return *m_resolved;
}

const CellFontCache::LaidOutText& QPainterCanvas::layOut(std::string_view utf8) {
  return m_fonts.layOut(resolvedFont(), utf8);
}

int QPainterCanvas::textWidth(std::string_view utf8) { return layOut(utf8).width; }

void QPainterCanvas::textOut(int x, int y, std::string_view utf8) {
  const CellFontCache::LaidOutText& laidOut = layOut(utf8);
  m_painter.fillRect(QRect(x, y, laidOut.width, m_font.cellHeight), m_brush);
  const CellFontCache::ResolvedFont& resolved = *m_resolved;
  if (m_painterFont != &resolved.font) {
    m_painter.setFont(resolved.font);
    m_painterFont = &resolved.font;
  }
  if (!m_textPen) m_textPen = &penFor(m_font.color, 1, PenStyle::Solid).pen;
  activate(m_textPen);
  m_painter.drawStaticText(QPoint(x, y), laidOut.text);
}

void QPainterCanvas::moveTo(int x, int y) { m_position = QPoint(x, y); }

void QPainterCanvas::stampDot(const QPoint& at) {
  m_painter.drawImage(at.x() - m_linePen->dotOffset, at.y() - m_linePen->dotOffset, m_linePen->dot);
}

void QPainterCanvas::lineTo(int x, int y) {
  const QPoint end(x, y);
  activate(&m_linePen->pen);
  if (m_linePen->width <= 1) {
    m_painter.drawLine(m_position, end);
  } else {
    // Qt puts integer coordinates on pixel corners; a wide pen is centred on the pixels themselves
    // so that its round ends reach equally far past both end points. A line of no length still
    // marks its point, as a High/Low stroke between two equal days must.
    const QPointF half(0.5, 0.5);
    if (m_linePen->stamped) {
      if (end != m_position) m_painter.drawLine(QLineF(QPointF(m_position) + half, QPointF(end) + half));
      stampDot(m_position);
      if (end != m_position) stampDot(end);
    } else if (end == m_position) {
      m_painter.drawPoint(QPointF(end) + half);
    } else {
      m_painter.drawLine(QLineF(QPointF(m_position) + half, QPointF(end) + half));
    }
  }
  m_position = end;
}

void QPainterCanvas::fillRect(int left, int top, int right, int bottom) {
  if (right <= left || bottom <= top) return;
  m_painter.fillRect(QRect(left, top, right - left, bottom - top), m_brush);
}

void QPainterCanvas::frameRect(int left, int top, int right, int bottom) {
  if (right <= left || bottom <= top) return;
  const int width = right - left;
  const int height = bottom - top;
  m_painter.fillRect(QRect(left, top, width, 1), m_brush);
  m_painter.fillRect(QRect(left, bottom - 1, width, 1), m_brush);
  m_painter.fillRect(QRect(left, top, 1, height), m_brush);
  m_painter.fillRect(QRect(right - 1, top, 1, height), m_brush);
}

}  // namespace lunasoma
