// Pixel probes on QImages drawn through the QPainter canvas.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPrinter>

#include "chart/ChartDrawing.h"
#include "chart/qt/PrinterChartDevice.h"
#include "chart/qt/QPainterCanvas.h"
#include "model/Biorhythm.h"

namespace lunasoma {
namespace {

constexpr std::uint32_t Black = 0x000000;
constexpr std::uint32_t Red = 0x0000FF;
constexpr std::uint32_t Blue = 0xFF0000;
constexpr std::uint32_t Lime = 0x00FF00;

QRgb rgb(std::uint32_t color) { return QPainterCanvas::toQColor(color).rgb(); }

QImage blackImage(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::black);
  return image;
}

struct Probe {
  const char* what;
  int x;
  int y;
  std::uint32_t color;
};

TEST(QPainterCanvas, LinesAndRectanglesFollowTheRasterRules) {
  QImage image = blackImage(100, 100);
  {
    QPainter painter(&image);
    QPainterCanvas canvas(painter);
    canvas.setPen(Red, 1, PenStyle::Solid);
    canvas.moveTo(10, 10);
    canvas.lineTo(20, 10);
    canvas.lineTo(20, 20);
    canvas.setPen(Red, 0, PenStyle::Solid);
    canvas.moveTo(10, 30);
    canvas.lineTo(20, 30);
    canvas.setPen(Lime, 3, PenStyle::Solid);
    canvas.moveTo(10, 50);
    canvas.lineTo(20, 50);
    canvas.moveTo(30, 50);
    canvas.lineTo(30, 50);
    canvas.setBrush(Blue);
    canvas.fillRect(40, 10, 50, 20);
    canvas.frameRect(60, 10, 70, 20);
    canvas.fillRect(80, 10, 80, 20);
  }
  const std::vector<Probe> probes{
      {"start of a thin line", 10, 10, Red},
      {"inside a thin line", 19, 10, Red},
      {"its end point continues the next line", 20, 10, Red},
      {"end point of the last thin line", 20, 20, Black},
      {"the pixel before it", 20, 19, Red},
      {"width 0 draws like width 1", 15, 30, Red},
      {"one pixel wide only", 15, 31, Black},
      {"width 0 leaves the end out too", 20, 30, Black},
      {"a wide line covers its end point", 20, 50, Lime},
      {"with a round end beyond it", 21, 50, Lime},
      {"and as far before its start", 9, 50, Lime},
      {"centred on its pixels", 15, 49, Lime},
      {"a wide line of no length leaves a dot", 30, 50, Lime},
      {"and its width", 15, 51, Lime},
      {"no square corner on the round end", 22, 52, Black},
      {"fill, top left", 40, 10, Blue},
      {"fill, bottom right inside", 49, 19, Blue},
      {"fill, right exclusive", 50, 15, Black},
      {"fill, bottom exclusive", 45, 20, Black},
      {"frame, top left", 60, 10, Blue},
      {"frame, right side", 69, 15, Blue},
      {"frame, bottom side", 65, 19, Blue},
      {"frame, hollow", 65, 15, Black},
      {"frame, right exclusive", 70, 15, Black},
      {"an empty fill draws nothing", 80, 15, Black},
  };
  for (const Probe& probe : probes) {
    EXPECT_EQ(image.pixel(probe.x, probe.y), rgb(probe.color)) << probe.what;
  }
}

TEST(QPainterCanvas, DottedLineLeavesGaps) {
  QImage image = blackImage(60, 10);
  {
    QPainter painter(&image);
    QPainterCanvas canvas(painter);
    canvas.setPen(Red, 1, PenStyle::Dot);
    canvas.moveTo(0, 5);
    canvas.lineTo(50, 5);
  }
  int painted = 0;
  for (int x = 0; x < 50; ++x) painted += image.pixel(x, 5) == rgb(Red) ? 1 : 0;
  EXPECT_GT(painted, 5);
  EXPECT_LT(painted, 45);
}

struct CellCase {
  const char* name;
  const char* face;
  int cellHeight;
  bool bold;
};

class FontCells : public testing::TestWithParam<CellCase> {};

TEST_P(FontCells, AscentPlusDescentFillsTheCell) {
  const CellCase& c = GetParam();
  QImage image = blackImage(400, 100);
  CellFontCache fonts;
  const CellFontCache::ResolvedFont& resolved = fonts.resolve({c.face, c.cellHeight, c.bold, 0}, &image);
  EXPECT_EQ(resolved.font.family(), QStringLiteral("Liberation Sans"));
  EXPECT_EQ(resolved.metrics.ascent() + resolved.metrics.descent(), c.cellHeight);
  EXPECT_EQ(&fonts.resolve({c.face, c.cellHeight, c.bold, Red}, &image), &resolved) << "the colour plays no part";

  // The text's cell is filled with the brush, its bottom row included, and nothing below it.
  {
    QPainter painter(&image);
    QPainterCanvas canvas(painter, fonts);
    canvas.setBrush(Blue);
    canvas.setFont({c.face, c.cellHeight, c.bold, Lime});
    const int width = canvas.textWidth("Mental");
    canvas.textOut(10, 5, "Mental");
    EXPECT_EQ(image.pixel(10, 5), rgb(Blue));
    EXPECT_EQ(image.pixel(10 + width - 1, 5 + c.cellHeight - 1), rgb(Blue));
    EXPECT_EQ(image.pixel(10, 5 + c.cellHeight), rgb(Black));
    EXPECT_EQ(image.pixel(10 + width, 5), rgb(Black));
    int ink = 0;
    for (int x = 10; x < 10 + width; ++x) {
      for (int y = 5; y < 5 + c.cellHeight; ++y) ink += qGreen(image.pixel(x, y)) > 128 ? 1 : 0;
    }
    EXPECT_GT(ink, c.cellHeight) << "the text is drawn in the font's colour";
  }
}

INSTANTIATE_TEST_SUITE_P(QPainterCanvas, FontCells,
                         testing::Values(CellCase{"ScreenSmall", "MS Sans Serif", 14, false},
                                         CellCase{"ScreenMediumBold", "MS Sans Serif", 16, true},
                                         CellCase{"ScreenLargeBold", "MS Sans Serif", 20, true},
                                         CellCase{"InvalidNotice", "MS Sans Serif", 15, false},
                                         CellCase{"PaperLarge", "Arial", 62, true}),
                         [](const testing::TestParamInfo<CellCase>& row) { return std::string(row.param.name); });

// The chart itself in a 640 x 400 bitmap: the box's top is at 51, its bottom edge at 346 and its
// zero line at 198, whatever the font; the left side depends on the width of a bold "-".
TEST(QPainterCanvas, ChartPixels) {
  BiorhythmSettings settings;
  settings.Birth = *encodeDate(1990, 5, 10);
  settings.Start = *encodeDate(2026, 12, 1);
  settings.WidthPhysical = 1;
  settings.ShowMental = settings.ShowEmotional = settings.ShowOverall = false;
  QImage image = blackImage(640, 400);
  CellFontCache fonts;
  int left = 0;
  int right = 0;
  {
    QPainter painter(&image);
    QPainterCanvas canvas(painter, fonts);
    ChartDevice device;
    device.width = 640;
    device.height = 400;
    ASSERT_EQ(drawChart(canvas, settings, device, DateLocale{}), ChartOutcome::Drawn);
    canvas.setFont({"MS Sans Serif", 16, true, 0});
    left = 10 + canvas.textWidth("-") + 10;
    const float dx = static_cast<float>((620.0 - (left - 20) - 20) / 20);
    right = left + static_cast<int>(20 * static_cast<double>(dx));
  }
  const QRgb teal = rgb(Palette[6]);
  const QRgb white = rgb(Palette[15]);
  const QRgb lime = rgb(Palette[10]);
  const int physical0 = 198 - cycleOffset(Physical, 13354, 137);
  EXPECT_EQ(image.pixel(3, 3), teal) << "background";
  EXPECT_EQ(image.pixel(639, 399), teal) << "background to the last pixel";
  EXPECT_EQ(image.pixel(320, 51), white) << "frame top";
  EXPECT_EQ(image.pixel(320, 345), white) << "frame bottom";
  EXPECT_EQ(image.pixel(right, 100), white) << "frame right side on the last column";
  EXPECT_EQ(image.pixel(right + 1, 100), teal) << "nothing right of the frame";
  EXPECT_EQ(image.pixel(right, 198), white) << "zero line's last pixel";
  EXPECT_EQ(image.pixel(right + 1, 198), teal) << "zero line's end point left out";
  EXPECT_EQ(image.pixel(left, physical0), lime) << "the physical curve starts on the first column";
  EXPECT_EQ(image.pixel(left - 1, physical0), teal) << "a width-1 curve is one pixel wide";
}

TEST(PrinterChartDevice, GreyScaleCountsAsMonochrome) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setResolution(300);
  printer.setColorMode(QPrinter::Color);
  const ChartDevice colour = printerChartDevice(printer, 120);
  EXPECT_EQ(colour.mode, ChartMode::Printer);
  EXPECT_EQ(colour.printerDpiX, 300);
  EXPECT_EQ(colour.screenPpi, 120);
  EXPECT_GT(colour.pageWidth, 2000) << "A4 at 300 dpi is about 2480 pixels wide";
  EXPECT_GT(colour.colorCount, 2);
  printer.setColorMode(QPrinter::GrayScale);
  EXPECT_EQ(printerChartDevice(printer, 120).colorCount, 2);
}

}  // namespace
}  // namespace lunasoma
