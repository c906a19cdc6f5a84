#pragma once
// Finds the Qt font for a chart font: the face mapped to an installed one and the pixel size whose
// ascent plus descent fills the requested character cell. Each face, cell height, weight and
// device resolution is searched once and kept for the life of the cache; it draws nothing.

#include <QFont>
#include <QFontMetrics>

#include <memory>
#include <string>
#include <vector>

#include "chart/Canvas.h"

class QPaintDevice;

namespace lunasoma {

class CellFontCache {
 public:
  struct ResolvedFont {
    QFont font;
    QFontMetrics metrics;
    int ascent = 0;
  };

  // The reference stays valid as long as the cache lives.
  const ResolvedFont& resolve(const FontSpec& spec, const QPaintDevice* device);

  // The installed family that stands in for a face name of the original platform.
  static QString familyFor(const std::string& face);

 private:
  struct Entry {
    std::string face;
    int cellHeight = 0;
    bool bold = false;
    int dpi = 0;
    std::unique_ptr<ResolvedFont> resolved;
  };
  std::vector<Entry> m_entries;
};

}  // namespace lunasoma
