#pragma once
// Finds the Qt font for a chart font: the face mapped to an installed one and the pixel size whose
// ascent plus descent fills the requested character cell. Each face, cell height, weight and
// device resolution is searched once and kept for the life of the cache, together with the texts
// laid out in it, so that repeated drawings neither search sizes nor shape the same day numbers
// again. It draws nothing.

#include <QFont>
#include <QFontMetrics>
#include <QStaticText>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "chart/Canvas.h"

class QPaintDevice;

namespace lunasoma {

class CellFontCache {
 public:
  struct LaidOutText {
    QStaticText text;
    int width = 0;
  };

  struct ResolvedFont {
    ResolvedFont(QFont resolvedFont, const QFontMetrics& resolvedMetrics)
        : font(std::move(resolvedFont)), metrics(resolvedMetrics), ascent(resolvedMetrics.ascent()) {}

    QFont font;
    QFontMetrics metrics;
    int ascent = 0;

   private:
    friend class CellFontCache;
    struct Hash : std::hash<std::string_view> {
      using is_transparent = void;
    };
    std::unordered_map<std::string, LaidOutText, Hash, std::equal_to<>> m_texts;
  };

  // The reference stays valid as long as the cache lives.
  ResolvedFont& resolve(const FontSpec& wanted, const QPaintDevice* device);

  // The text laid out in the font; valid until the next call for the same font.
  const LaidOutText& layOut(ResolvedFont& font, std::string_view utf8);

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
