#pragma once
// The chart as a file in the formats people exchange pictures in: a Windows bitmap or a PNG image
// of a picture already drawn, an SVG drawing of the chart drawn once more at screen size with its
// texts kept as text, and a one-page PDF document drawn in printer mode at the print resolution;
// and the shown days' values as a CSV table for a spreadsheet.
// Every file appears whole or not at all, as the bitmap does: the old file, if any, survives every
// failure and no temporary file is left behind. The formats stand in one table, which the window,
// its Save As dialog and the command-line renderer all read; every message of a writer names its
// format by the table's noun. It neither captures the screen nor decides which format the user
// asked for beyond what a file name's ending says.

#include <QPageSize>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>
#include <span>
#include <string>

#include "chart/ChartDrawing.h"

class QImage;
class QPrinter;

namespace lunasoma {

class Canvas;

enum class ChartFileFormat { Bitmap, Png, Svg, Pdf, Csv };

// Draws the chart onto the canvas for the device; the caller's own drawing, so that every file
// shows what the screen and the printer show.
using ChartDrawer = std::function<void(Canvas& canvas, const ChartDevice& device)>;

// The chart drawn in screen mode into a picture of exactly `size` pixels, whatever the scale of
// the screen: the picture a bitmap or PNG file of the chart holds. A null picture when there is no
// memory for it.
QImage drawChartPicture(const ChartDrawer& draw, QSize size, int screenPpi);

// What every writer draws the chart from.
struct ChartFileSource {
  ChartDrawer draw;
  QSize size;  // of the screen drawing in pixels: the bitmap's, the PNG image's, the SVG drawing's
  int screenPpi = 96;
  QString title;                   // the SVG drawing's and the PDF document's
  std::optional<QPageSize> paper;  // the PDF document's paper; without one, the default printer's
  // The shown days as the CSV table's text (UTF-8); empty text when the dates make no chart.
  std::function<std::string()> table;
};

// Each writer returns an empty text when the file is written, else the reason it is not.
using ChartFileWrite = QString (*)(ChartFileFormat format, const ChartFileSource& source, const QString& path);

// One format the chart is saved in. The Save As dialog lists the formats in this order after the
// bitmap's own "All Files", and remembers the choice by its place, so a format is added at the end.
struct ChartFileType {
  ChartFileFormat format;
  const char* extension;  // as the Save As dialog gives it to a name without one; a name's in any case
  const char* filter;     // the Save As dialog's filter
  const char* noun;       // what the messages call such a file: "The PNG image could not be made."
  bool onPaper;           // drawn in printer mode on the printer's page rather than at screen size
  ChartFileWrite write;
};

// Every format, the bitmap first.
std::span<const ChartFileType> chartFileTypes();

const ChartFileType& chartFileType(ChartFileFormat format);

// The format a file name ends in, in any case; nothing for any other ending.
std::optional<ChartFileFormat> chartFileFormatOf(const QString& fileName);

// The endings a chart file's name may have, for a message: ".bmp, .png, .svg, .pdf or .csv".
QString chartFileEndings();

// The chart written in the format, by the format's own writer.
QString writeChartFile(ChartFileFormat format, const ChartFileSource& source, const QString& path);

// A picture as a bitmap (24 bits per pixel) or PNG file; the SVG and PDF formats are refused.
QString writeChartPicture(const QImage& picture, ChartFileFormat format, const QString& path);

// The chart drawn in screen mode at `size` pixels as an SVG drawing whose units are those pixels.
QString writeChartSvg(const ChartDrawer& draw, QSize size, int screenPpi, const QString& title, const QString& path);

// The chart drawn in printer mode on one page of `printer` as a PDF document. The printer brings
// the paper and its margins; it is switched to a PDF file at PrintResolution in colour.
QString writeChartPdf(const ChartDrawer& draw, QPrinter& printer, int screenPpi, const QString& title,
                      const QString& path);

}  // namespace lunasoma
