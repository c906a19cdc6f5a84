#include "programs/lunasoma-chart/ChartFileWriter.h"

#include <QImage>
#include <QPageSize>
#include <QPrinter>

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
  if (!format) return failed(path, QStringLiteral("the name must end in .bmp, .png, .svg or .pdf"));
  const ChartDrawer draw = [this](Canvas& canvas, const ChartDevice& device) {
    drawChart(canvas, m_settings, device, m_locale);
  };
  const QString title = QStringLiteral("Lunasoma");

  QString reason;
  switch (*format) {
    case ChartFileFormat::Bitmap:
    case ChartFileFormat::Png: {
      const QImage image = drawChartPicture(draw, QSize(m_width, m_height), ScreenPpi);
      if (image.isNull())
        return failed(path, QStringLiteral("no memory for a %1 x %2 bitmap").arg(m_width).arg(m_height));
      reason = writeChartPicture(image, *format, path);
      break;
    }
    case ChartFileFormat::Svg:
      reason = writeChartSvg(draw, QSize(m_width, m_height), ScreenPpi, title, path);
      break;
    case ChartFileFormat::Pdf: {
      QPrinter printer(QPrinter::HighResolution);
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setPageSize(QPageSize(QPageSize::A4));
      reason = writeChartPdf(draw, printer, ScreenPpi, title, path);
      break;
    }
  }
  if (!reason.isEmpty()) return failed(path, reason);
  return {true, {}};
}

}  // namespace lunasoma
