#include "programs/lunasoma-chart/ChartFileWriter.h"

#include <QPageSize>

#include "chart/ChartDrawing.h"
#include "chart/qt/ChartFile.h"

namespace lunasoma {

namespace {

// The paper version scales its fonts as for a screen of the usual resolution.
constexpr int ScreenPpi = 96;

ChartFileResult failed(const QString& path, const QString& reason) {
  return {false, QStringLiteral("cannot write %1: %2").arg(path, reason)};
}

}  // namespace

ChartFileWriter::ChartFileWriter(const BiorhythmSettings& settings, const DateLocale& locale, int bitmapWidth,
                                 int bitmapHeight)
    : m_settings(settings), m_locale(locale), m_width(bitmapWidth), m_height(bitmapHeight) {}

ChartFileResult ChartFileWriter::write(const QString& path) const {
  const std::optional<ChartFileFormat> format = chartFileFormatOf(path);
  if (!format) return failed(path, QStringLiteral("the name must end in ") + chartFileEndings());
  ChartFileSource source;
  source.draw = [this](Canvas& canvas, const ChartDevice& device) { drawChart(canvas, m_settings, device, m_locale); };
  source.size = QSize(m_width, m_height);
  source.screenPpi = ScreenPpi;
  source.title = QStringLiteral("Lunasoma");
  source.paper = QPageSize(QPageSize::A4);
  const QString reason = writeChartFile(*format, source, path);
  if (!reason.isEmpty()) return failed(path, reason);
  return {true, {}};
}

}  // namespace lunasoma
