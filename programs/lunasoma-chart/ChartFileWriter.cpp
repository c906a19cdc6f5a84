#include "programs/lunasoma-chart/ChartFileWriter.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryFile>

#include "chart/ChartDrawing.h"
#include "chart/qt/BitmapFile.h"
#include "chart/qt/PrinterChartDevice.h"
#include "chart/qt/QPainterCanvas.h"

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
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QLatin1String("png")) return writeBitmap(path, "PNG");
  if (suffix == QLatin1String("bmp")) return writeBitmap(path, "BMP");
  if (suffix == QLatin1String("pdf")) return writePdf(path);
  return failed(path, QStringLiteral("the name must end in .bmp, .png or .pdf"));
}

ChartFileResult ChartFileWriter::writeBitmap(const QString& path, const char* format) const {
  QImage image(m_width, m_height, QImage::Format_RGB32);
  if (image.isNull()) return failed(path, QStringLiteral("no memory for a %1 x %2 bitmap").arg(m_width).arg(m_height));
  {
    QPainter painter(&image);
    QPainterCanvas canvas(painter);
    ChartDevice device;
    device.width = m_width;
    device.height = m_height;
    drawChart(canvas, m_settings, device, m_locale);
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, format)) return failed(path, QStringLiteral("the bitmap could not be written"));
  return store(bytes, path);
}

ChartFileResult ChartFileWriter::writePdf(const QString& path) const {
  // QPrinter writes only to a file name, so the document is made in the temporary folder and
  // then saved like any other file.
  QTemporaryFile document(QDir::tempPath() + QStringLiteral("/lunasoma-chart-XXXXXX.pdf"));
  if (!document.open()) return failed(path, QStringLiteral("no temporary file: ") + document.errorString());
  document.close();

  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(document.fileName());
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setResolution(PrintResolution);
  printer.setColorMode(QPrinter::Color);
  printer.setDocName(QStringLiteral("Lunasoma"));
  {
    QPainter painter;
    if (!painter.begin(&printer)) return failed(path, QStringLiteral("the PDF could not be started"));
    QPainterCanvas canvas(painter);
    drawChart(canvas, m_settings, printerChartDevice(printer, ScreenPpi), m_locale);
    if (!painter.end()) return failed(path, QStringLiteral("the PDF could not be finished"));
  }

  if (!document.open())
    return failed(path, QStringLiteral("the PDF could not be read back: ") + document.errorString());
  const QByteArray bytes = document.readAll();
  // The printer does not report a write that failed, so a document cut short by a full temporary
  // folder is known only by its missing end-of-file mark.
  if (!bytes.trimmed().endsWith("%%EOF")) {
    return failed(path, QStringLiteral("the PDF could not be written whole in %1 (is the disk full?)")
                            .arg(QDir::toNativeSeparators(QDir::tempPath())));
  }
  return store(bytes, path);
}

ChartFileResult ChartFileWriter::store(const QByteArray& bytes, const QString& path) {
  const QString reason = writeFileWhole(bytes, path);
  if (!reason.isEmpty()) return failed(path, reason);
  return {true, {}};
}

}  // namespace lunasoma
