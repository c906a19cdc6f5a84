#include "chart/qt/ChartFile.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <QTemporaryFile>

#include "chart/qt/BitmapFile.h"
#include "chart/qt/PrinterChartDevice.h"
#include "chart/qt/QPainterCanvas.h"

namespace lunasoma {

namespace {

// Qt's SVG writer gives each font its size in points, computed at the drawing's resolution, and
// writes that number as the size in the drawing's units. At 72 dots per inch a point is a unit,
// so the text keeps the pixel size it was measured in.
constexpr int SvgResolution = 72;

// Qt's SVG writer declares the drawing's size in millimetres taken at the drawing's resolution,
// which viewers, counting 96 pixels to the inch, show a third larger than the chart. A length
// without a unit is such a pixel, so the size is declared in those. Each font is named by the one
// family the chart's face was mapped to; the generic family after it gives a viewer without that
// family a sans-serif face rather than its default serif one.
QByteArray svgForViewers(const QByteArray& generated, QSize size) {
  static const QRegularExpression declaredSize(QStringLiteral("<svg width=\"[^\"]*\" height=\"[^\"]*\""));
  static const QRegularExpression family(QStringLiteral("font-family=\"([^\"]*)\""));
  QString svg = QString::fromUtf8(generated);
  svg.replace(declaredSize, QStringLiteral("<svg width=\"%1\" height=\"%2\"").arg(size.width()).arg(size.height()));
  svg.replace(family, QStringLiteral("font-family=\"\\1, sans-serif\""));
  return svg.toUtf8();
}

ChartDevice screenDevice(QSize size, int screenPpi) {
  ChartDevice device;
  device.mode = ChartMode::Screen;
  device.width = size.width();
  device.height = size.height();
  device.screenPpi = screenPpi;
  return device;
}

}  // namespace

QImage drawChartPicture(const ChartDrawer& draw, QSize size, int screenPpi) {
  QImage picture(size, QImage::Format_RGB32);
  if (picture.isNull()) return picture;
  // The drawing fills every pixel; a drawing that does not run leaves white rather than whatever
  // the memory held.
  picture.fill(Qt::white);
  QPainter painter(&picture);
  QPainterCanvas canvas(painter);
  draw(canvas, screenDevice(size, screenPpi));
  return picture;
}

std::optional<ChartFileFormat> chartFileFormatOf(const QString& fileName) {
  const QString suffix = QFileInfo(fileName).suffix().toLower();
  if (suffix == QLatin1String("bmp")) return ChartFileFormat::Bitmap;
  if (suffix == QLatin1String("png")) return ChartFileFormat::Png;
  if (suffix == QLatin1String("svg")) return ChartFileFormat::Svg;
  if (suffix == QLatin1String("pdf")) return ChartFileFormat::Pdf;
  return std::nullopt;
}

QString writeChartPicture(const QImage& picture, ChartFileFormat format, const QString& path) {
  if (format == ChartFileFormat::Bitmap) return writeBitmapFile(picture, path);
  if (format != ChartFileFormat::Png) return QStringLiteral("A picture is written as a bitmap or a PNG image only.");
  if (picture.isNull()) return QStringLiteral("There is no picture to write.");
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!picture.save(&buffer, "PNG")) return QStringLiteral("The PNG image could not be made.");
  return writeFileWhole(bytes, path);
}

QString writeChartSvg(const ChartDrawer& draw, QSize size, int screenPpi, const QString& title, const QString& path) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(size);
  generator.setViewBox(QRect(QPoint(0, 0), size));
  generator.setResolution(SvgResolution);
  generator.setTitle(title);
  {
    QPainter painter;
    if (!painter.begin(&generator)) return QStringLiteral("The SVG drawing could not be started.");
    QPainterCanvas canvas(painter);
    draw(canvas, screenDevice(size, screenPpi));
    if (!painter.end()) return QStringLiteral("The SVG drawing could not be finished.");
  }
  return writeFileWhole(svgForViewers(bytes, size), path);
}

QString writeChartPdf(const ChartDrawer& draw, QPrinter& printer, int screenPpi, const QString& title,
                      const QString& path) {
  // QPrinter writes only to a file name, so the document is made in the temporary folder and
  // then saved like any other file.
  QTemporaryFile document(QDir::tempPath() + QStringLiteral("/lunasoma-chart-XXXXXX.pdf"));
  if (!document.open()) return QStringLiteral("no temporary file: ") + document.errorString();
  document.close();

  // A printer's own format hands its paper and margins on to the PDF file.
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(document.fileName());
  printer.setResolution(PrintResolution);
  printer.setColorMode(QPrinter::Color);
  printer.setCopyCount(1);
  printer.setDocName(title);
  {
    QPainter painter;
    if (!painter.begin(&printer)) return QStringLiteral("the PDF could not be started");
    QPainterCanvas canvas(painter);
    draw(canvas, printerChartDevice(printer, screenPpi));
    if (!painter.end()) return QStringLiteral("the PDF could not be finished");
  }

  if (!document.open()) return QStringLiteral("the PDF could not be read back: ") + document.errorString();
  const QByteArray bytes = document.readAll();
  // The printer does not report a write that failed, so a document cut short by a full temporary
  // folder is known only by its missing end-of-file mark.
  if (!bytes.trimmed().endsWith("%%EOF")) {
    return QStringLiteral("the PDF could not be written whole in %1 (is the disk full?)")
        .arg(QDir::toNativeSeparators(QDir::tempPath()));
  }
  return writeFileWhole(bytes, path);
}

}  // namespace lunasoma
