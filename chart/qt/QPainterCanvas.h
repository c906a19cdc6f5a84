#pragma once
// A Canvas over a QPainter, so the chart draws onto a widget, a QImage or a QPrinter page with the
// drawing rules of the original platform: aliased lines, width-1 lines that leave their end point
// unpainted, round ends on wider lines, opaque text in cells of an exact height. It neither begins
// nor ends the painter or a print document.

#include <QColor>
#include <QImage>
#include <QPen>
#include <QPoint>

#include <deque>
#include <memory>

#include "chart/Canvas.h"
#include "chart/qt/CellFontCache.h"

class QPainter;

namespace lunasoma {

class QPainterCanvas : public Canvas {
 public:
  // Uses a font cache of its own; fine for one drawing, slower when a canvas is made per paint.
  explicit QPainterCanvas(QPainter& painter);
  // Shares a font cache that outlives the canvas, so repeated drawings search no font sizes and
  // lay out no text twice.
  QPainterCanvas(QPainter& painter, CellFontCache& fonts);
  ~QPainterCanvas() override;

  void setPen(std::uint32_t color, int width, PenStyle style) override;
  void setBrush(std::uint32_t color) override;
  void setFont(const FontSpec& font) override;
  const FontSpec& font() const override { return m_font; }

  int textWidth(std::string_view utf8) override;
  void textOut(int x, int y, std::string_view utf8) override;

  void moveTo(int x, int y) override;
  void lineTo(int x, int y) override;

  void fillRect(int left, int top, int right, int bottom) override;
  void frameRect(int left, int top, int right, int bottom) override;

  static QColor toQColor(std::uint32_t color);

 private:
  struct PenEntry {
    std::uint32_t color;
    int width;
    PenStyle style;
    QPen pen;
    // On raster devices a solid wide pen is drawn as a flat-ended body with a round dot stamped
    // on each end: the same shape as a round cap, for a fraction of the stroker's work.
    bool stamped = false;
    QImage dot;
    int dotOffset = 0;
  };

  void start();
  const PenEntry& penFor(std::uint32_t color, int width, PenStyle style);
  CellFontCache::ResolvedFont& resolvedFont();
  const CellFontCache::LaidOutText& layOut(std::string_view utf8);
  void activate(const QPen* pen);
  void stampDot(const QPoint& at);

  QPainter& m_painter;
  std::unique_ptr<CellFontCache> m_ownFonts;
  CellFontCache& m_fonts;
  bool m_raster = false;
  FontSpec m_font{"MS Sans Serif", 13, false, 0x000000};
  CellFontCache::ResolvedFont* m_resolved = nullptr;
  const QFont* m_painterFont = nullptr;
  std::deque<PenEntry> m_pens;  // the few pens of a drawing, made once each and kept by address
  const PenEntry* m_linePen = nullptr;
  const QPen* m_textPen = nullptr;
  const QPen* m_activePen = nullptr;
  QColor m_brush{Qt::white};
  QPoint m_position;
};

}  // namespace lunasoma
