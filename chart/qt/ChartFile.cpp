#include "chart/qt/ChartFile.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QStringList>
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

// Every writer's message follows one pattern: "The PDF document could not be finished.", with the
// system's reason or what went wrong after a colon where there is one.
QString couldNot(ChartFileFormat format, const QString& what, const QString& reason = QString()) {
  QString text = QStringLiteral("The %1 could not be %2").arg(QLatin1String(chartFileType(format).noun), what);
  if (!reason.isEmpty()) text += QStringLiteral(": ") + reason;
  return text + QLatin1Char('.');
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

QString writeChartPicture(const QImage& picture, ChartFileFormat format, const QString& path) {
  if (format == ChartFileFormat::Bitmap) return writeBitmapFile(picture, path);
  if (format != ChartFileFormat::Png) return QStringLiteral("A picture is written as a bitmap or a PNG image only.");
  if (picture.isNull()) return QStringLiteral("There is no picture to write.");
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!picture.save(&buffer, "PNG")) return couldNot(ChartFileFormat::Png, QStringLiteral("made"));
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
    if (!painter.begin(&generator)) return couldNot(ChartFileFormat::Svg, QStringLiteral("started"));
    QPainterCanvas canvas(painter);
    draw(canvas, screenDevice(size, screenPpi));
    if (!painter.end()) return couldNot(ChartFileFormat::Svg, QStringLiteral("finished"));
  }
  return writeFileWhole(svgForViewers(bytes, size), path);
}

QString writeChartPdf(const ChartDrawer& draw, QPrinter& printer, int screenPpi, const QString& title,
                      const QString& path) {
  // QPrinter writes only to a file name, so the document is made in the temporary folder and
  // then saved like any other file.
  QTemporaryFile document(QDir::tempPath() + QStringLiteral("/lunasoma-chart-XXXXXX.pdf"));
  if (!document.open()) {
    return couldNot(ChartFileFormat::Pdf, QStringLiteral("made in %1").arg(QDir::toNativeSeparators(QDir::tempPath())),
                    document.errorString());
  }
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
    if (!painter.begin(&printer)) return couldNot(ChartFileFormat::Pdf, QStringLiteral("started"));
    QPainterCanvas canvas(painter);
    draw(canvas, printerChartDevice(printer, screenPpi));
    if (!painter.end()) return couldNot(ChartFileFormat::Pdf, QStringLiteral("finished"));
  }

  if (!document.open()) return couldNot(ChartFileFormat::Pdf, QStringLiteral("read back"), document.errorString());
  const QByteArray bytes = document.readAll();
  // The printer does not report a write that failed, so a document cut short by a full temporary
  // folder is known only by its missing end-of-file mark.
  if (!bytes.trimmed().endsWith("%%EOF")) {
    return couldNot(ChartFileFormat::Pdf,
                    QStringLiteral("written whole in %1").arg(QDir::toNativeSeparators(QDir::tempPath())),
                    QStringLiteral("the disk may be full"));
  }
  return writeFileWhole(bytes, path);
}

namespace {

// A bitmap or PNG file holds the chart drawn into a picture of the source's size.
QString writePicture(ChartFileFormat format, const ChartFileSource& source, const QString& path) {
  const QImage picture = drawChartPicture(source.draw, source.size, source.screenPpi);
  // A chart of no size has no picture, which the picture's writer says; any other is short of memory.
  if (picture.isNull() && !source.size.isEmpty()) {
    return couldNot(format, QStringLiteral("made"),
                    QStringLiteral("no memory for %1 x %2 pixels").arg(source.size.width()).arg(source.size.height()));
  }
  return writeChartPicture(picture, format, path);
}

QString writeSvg(ChartFileFormat, const ChartFileSource& source, const QString& path) {
  return writeChartSvg(source.draw, source.size, source.screenPpi, source.title, path);
}

QString writePdf(ChartFileFormat, const ChartFileSource& source, const QString& path) {
  QPrinter printer(QPrinter::HighResolution);
  if (source.paper) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(*source.paper);
  }
  return writeChartPdf(source.draw, printer, source.screenPpi, source.title, path);
}

QString writeTable(ChartFileFormat format, const ChartFileSource& source, const QString& path) {
  const std::string text = source.table ? source.table() : std::string();
  if (text.empty()) return couldNot(format, QStringLiteral("made"), QStringLiteral("the dates are not valid"));
  return writeFileWhole(QByteArray::fromStdString(text), path);
}

// Qt reads the text in brackets as the patterns, and matches them regardless of case, as the
// desktop the product comes from does. The bitmap's filter and extension are spelt as that
// desktop's dialog spelt them. The filters and nouns are translated where they are shown.
constexpr ChartFileType Types[] = {
    {ChartFileFormat::Bitmap, "BMP", QT_TRANSLATE_NOOP("ChartFile", "Bitmap Image (*.BMP)"),
     QT_TRANSLATE_NOOP("ChartFile", "bitmap file"), false, writePicture},
    {ChartFileFormat::Png, "png", QT_TRANSLATE_NOOP("ChartFile", "PNG image (*.png)"),
     QT_TRANSLATE_NOOP("ChartFile", "PNG image"), false, writePicture},
    {ChartFileFormat::Svg, "svg", QT_TRANSLATE_NOOP("ChartFile", "SVG drawing (*.svg)"),
     QT_TRANSLATE_NOOP("ChartFile", "SVG drawing"), false, writeSvg},
    {ChartFileFormat::Pdf, "pdf", QT_TRANSLATE_NOOP("ChartFile", "PDF document (*.pdf)"),
     QT_TRANSLATE_NOOP("ChartFile", "PDF document"), true, writePdf},
    {ChartFileFormat::Csv, "csv", QT_TRANSLATE_NOOP("ChartFile", "CSV table (*.csv)"),
     QT_TRANSLATE_NOOP("ChartFile", "CSV table"), false, writeTable},
};

}  // namespace

std::span<const ChartFileType> chartFileTypes() { return Types; }

const ChartFileType& chartFileType(ChartFileFormat format) {
  for (const ChartFileType& type : Types) {
    if (type.format == format) return type;
  }
  return Types[0];
}

std::optional<ChartFileFormat> chartFileFormatOf(const QString& fileName) {
  const QString suffix = QFileInfo(fileName).suffix();
  for (const ChartFileType& type : Types) {
    if (suffix.compare(QLatin1String(type.extension), Qt::CaseInsensitive) == 0) return type.format;
  }
  return std::nullopt;
}

QString chartFileEndings() {
  QStringList endings;
  for (const ChartFileType& type : Types)
    endings.append(QLatin1Char('.') + QString::fromLatin1(type.extension).toLower());
  const QString last = endings.takeLast();
  return endings.isEmpty() ? last : endings.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}

QString writeChartFile(ChartFileFormat format, const ChartFileSource& source, const QString& path) {
  return chartFileType(format).write(format, source, path);
}

}  // namespace lunasoma
