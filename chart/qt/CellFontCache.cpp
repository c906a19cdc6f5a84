#include "chart/qt/CellFontCache.h"

#include <QPaintDevice>

#include <algorithm>

namespace lunasoma {

namespace {

QFont fontOfPixelSize(const QString& family, int pixelSize, bool bold) {
  QFont font(family);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  // The glyphs are shaped the same on every platform and at every scale of the screen, so that a
  // chart file drawn by the window equals the one lunasoma-chart draws: left to their defaults,
  // Qt drops hinting on a scaled screen and takes antialiasing from the desktop's settings.
  font.setHintingPreference(QFont::PreferVerticalHinting);
  font.setStyleStrategy(static_cast<QFont::StyleStrategy>(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
  return font;
}

int cellOf(const QFont& font, const QPaintDevice* device) {
  const QFontMetrics metrics(font, device);
  return metrics.ascent() + metrics.descent();
}

}  // namespace

QString CellFontCache::familyFor(const std::string& face) {
  // Liberation Sans has the metrics of Arial and is installed with the program; it also stands in
  // for the bitmap face "MS Sans Serif", which has no scalable equivalent here.
  if (face == "MS Sans Serif" || face == "Arial") return QStringLiteral("Liberation Sans");
  return QString::fromStdString(face);
}

CellFontCache::ResolvedFont& CellFontCache::resolve(const FontSpec& wanted, const QPaintDevice* device) {
  const int dpi = device ? device->logicalDpiY() : 0;
  for (Entry& entry : m_entries) {
    if (entry.cellHeight == wanted.cellHeight && entry.bold == wanted.bold && entry.dpi == dpi &&
        entry.face == wanted.face)
      return *entry.resolved;
  }

  // The largest pixel size whose cell still fits; the cell grows with the pixel size, so the search
  // walks down from a first guess and then up as long as the next size fits too.
  const QString family = familyFor(wanted.face);
  const int cell = std::max(1, wanted.cellHeight);
  int size = std::max(1, cell * 7 / 8);
  while (size > 1 && cellOf(fontOfPixelSize(family, size, wanted.bold), device) > cell) --size;
  while (size < cell && cellOf(fontOfPixelSize(family, size + 1, wanted.bold), device) <= cell) ++size;

  QFont font = fontOfPixelSize(family, size, wanted.bold);
  const QFontMetrics metrics(font, device);
  m_entries.push_back(
      {wanted.face, wanted.cellHeight, wanted.bold, dpi, std::make_unique<ResolvedFont>(std::move(font), metrics)});
  return *m_entries.back().resolved;
}

const CellFontCache::LaidOutText& CellFontCache::layOut(ResolvedFont& font, std::string_view utf8) {
  const auto found = font.m_texts.find(utf8);
  if (found != font.m_texts.end()) return found->second;
  // The day numbers, marks and legend names come back at every drawing; the header changes with
  // the dates, so the collection is started afresh now and then rather than allowed to grow.
  if (font.m_texts.size() >= 512) font.m_texts.clear();
  const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  LaidOutText laidOut;
  laidOut.text.setText(text);
  laidOut.text.setTextFormat(Qt::PlainText);
  laidOut.text.prepare(QTransform(), font.font);
  laidOut.width = font.metrics.horizontalAdvance(text);
  return font.m_texts.emplace(std::string(utf8), std::move(laidOut)).first->second;
}

}  // namespace lunasoma
