#pragma once
// Writes the chart to a file: a screen-mode drawing as a BMP or PNG bitmap or an SVG drawing, or a
// printer-mode drawing as a one-page A4 PDF at 300 dpi, or the shown days as a CSV table. The file appears whole or not
// at all: it is written beside the target under another name and renamed over it only when complete, and a full disk is
// reported as such rather than leaving a file cut short.

#include <QByteArray>
#include <QString>

#include "chart/ChartDrawing.h"
#include "chart/ChartTexts.h"
#include "model/BiorhythmSettings.h"
#include "model/DateText.h"

namespace lunasoma {

struct ChartFileResult {
  bool written = false;
  QString error;  // the reason, when nothing was written
};

class ChartFileWriter {
 public:
  // The bitmap size is used for .bmp, .png and .svg; a PDF always takes the page's size.
  ChartFileWriter(const BiorhythmSettings& settings, const DateLocale& locale, int bitmapWidth, int bitmapHeight,
                  const ChartExtras& extras = ChartExtras{}, ChartTexts texts = ChartTexts{});

  // The kind of file follows the name's ending (one of the chart's file formats, in any case).
  ChartFileResult write(const QString& path) const;
  // The same for a path as the file system spells it (a name from the command line), which need
  // not be text in the system's encoding: the file gets exactly these bytes as its name. An
  // error names the file as text, with the bytes that are none shown as U+FFFD.
  ChartFileResult write(const QByteArray& encodedPath) const;

 private:
  // Copies, so that a writer made from temporaries stays valid.
  BiorhythmSettings m_settings;
  DateLocale m_locale;
  ChartExtras m_extras;
  ChartTexts m_texts;
  int m_width;
  int m_height;
};

}  // namespace lunasoma
