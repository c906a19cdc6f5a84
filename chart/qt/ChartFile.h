#pragma once
// The chart as a file in the formats people exchange pictures in: a Windows bitmap or a PNG image
// of a picture already drawn, an SVG drawing of the chart drawn once more at screen size with its
// texts kept as text, and a one-page PDF document drawn in printer mode at the print resolution.
// Every file appears whole or not at all, as the bitmap does: the old file, if any, survives every
// failure and no temporary file is left behind. It neither captures the screen nor decides which
// format the user asked for beyond what a file name's ending says.

#include <QSize>
#include <QString>

#include <functional>
#include <optional>

#include "chart/ChartDrawing.h"

class QImage;
class QPrinter;

namespace lunasoma {

class Canvas;

enum class ChartFileFormat { Bitmap, Png, Svg, Pdf };

// The format a file name ends in: .bmp, .png, .svg or .pdf, in any case; nothing for any other.
std::optional<ChartFileFormat> chartFileFormatOf(const QString& fileName);

// Draws the chart onto the canvas for the device; the caller's own drawing, so that every file
// shows what the screen and the printer show.
using ChartDrawer = std::function<void(Canvas& canvas, const ChartDevice& device)>;

// The chart drawn in screen mode into a picture of exactly `size` pixels, whatever the scale of
// the screen: the picture a bitmap or PNG file of the chart holds. A null picture when there is no
// memory for it.
QImage drawChartPicture(const ChartDrawer& draw, QSize size, int screenPpi);

// Each writer returns an empty text when the file is written, else the reason it is not.

// A picture as a bitmap (24 bits per pixel) or PNG file; the SVG and PDF formats are refused.
QString writeChartPicture(const QImage& picture, ChartFileFormat format, const QString& path);

// The chart drawn in screen mode at `size` pixels as an SVG drawing whose units are those pixels.
QString writeChartSvg(const ChartDrawer& draw, QSize size, int screenPpi, const QString& title, const QString& path);

// The chart drawn in printer mode on one page of `printer` as a PDF document. The printer brings
// the paper and its margins; it is switched to a PDF file at PrintResolution in colour.
QString writeChartPdf(const ChartDrawer& draw, QPrinter& printer, int screenPpi, const QString& title,
                      const QString& path);

}  // namespace lunasoma
