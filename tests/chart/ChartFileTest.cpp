// The chart's file formats below the window: which format a name asks for, and that a file that
// cannot be written whole leaves the old one as it was and nothing beside it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include "chart/Canvas.h"
#include "chart/qt/CellFontCache.h"
#include "chart/qt/ChartFile.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TempFolder.h"

namespace lunasoma {
namespace {

TEST(ChartFile, TheFormatOfAName) {
  struct Row {
    const char* name;
    std::optional<ChartFileFormat> format;
  };
  const Row rows[] = {
      {"chart.bmp", ChartFileFormat::Bitmap},
      {"CHART.BMP", ChartFileFormat::Bitmap},
      {"chart.Png", ChartFileFormat::Png},
      {"/a.pdf/chart.tar.svg", ChartFileFormat::Svg},
      {"chart.PDF", ChartFileFormat::Pdf},
      {"chart.svg.txt", std::nullopt},
      {"/charts.svg/chart", std::nullopt},
      {"chart.jpeg", std::nullopt},
      {"chart", std::nullopt},
      {"chart.svgz", std::nullopt},
  };
  for (const Row& row : rows) EXPECT_EQ(chartFileFormatOf(QString::fromLatin1(row.name)), row.format) << row.name;
}

// A drawing with a text, a line and a filled rectangle, enough to make each file larger than the
// full disk below lets it grow.
void drawSomething(Canvas& canvas, const ChartDevice& device) {
  canvas.setBrush(0xFFFFFF);
  canvas.fillRect(0, 0, device.width, device.height);
  canvas.setPen(0x000000, 3, PenStyle::Solid);
  canvas.moveTo(0, 0);
  canvas.lineTo(device.width - 1, device.height - 1);
  canvas.setFont(FontSpec{"Arial", 20, false, 0x000000});
  for (int row = 0; row < 10; ++row) canvas.textOut(10, 10 + 20 * row, "Physical Emotional Mental Overall");
}

TEST(ChartFile, AFullDiskKeepsTheOldFileWholeAndLeavesNothingBeside) {
  test::TempFolder folder;
  QImage picture(400, 300, QImage::Format_RGB32);
  picture.fill(Qt::darkCyan);
  struct Row {
    const char* name;
    std::function<QString(const QString& path)> write;
  };
  const Row rows[] = {
      {"chart.bmp", [&](const QString& path) { return writeChartPicture(picture, ChartFileFormat::Bitmap, path); }},
      {"chart.png", [&](const QString& path) { return writeChartPicture(picture, ChartFileFormat::Png, path); }},
      {"chart.svg",
       [](const QString& path) {
         return writeChartSvg(drawSomething, {400, 300}, 96, "t", path);
       }},
      {"chart.pdf",
       [](const QString& path) {
         QPrinter printer(QPrinter::HighResolution);
         return writeChartPdf(drawSomething, printer, 96, "t", path);
       }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const QString path = folder.path() + QLatin1Char('/') + QLatin1String(row.name);
    test::writeFile(path, "last week's chart");
    QString reason;
    {
      test::FileSizeLimit fullDisk(200);
      reason = row.write(path);
    }
    EXPECT_FALSE(reason.isEmpty());
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "last week's chart");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QLatin1String(row.name)});

    EXPECT_EQ(row.write(path), QString()) << "written once there is room";
    QFile::remove(path);
  }
  EXPECT_FALSE(writeChartPicture(picture, ChartFileFormat::Svg, folder.path() + "/chart.svg").isEmpty())
      << "a picture is no drawing";
}

// Read back as a viewer reads it: the drawing opens at the chart's pixel size, and every text
// names a generic family after its own, so that it stays sans-serif without that font.
TEST(ChartFile, AnSvgOpensAtItsPixelSizeAndFallsBackToSansSerif) {
  test::TempFolder folder;
  const QString path = folder.path() + QStringLiteral("/chart.svg");
  const auto draw = [](Canvas& canvas, const ChartDevice& device) {
    drawSomething(canvas, device);
    canvas.setFont(FontSpec{"MS Sans Serif", 14, true, 0x000000});
    canvas.textOut(10, 250, "12");
  };
  ASSERT_EQ(writeChartSvg(draw, {490, 300}, 96, "t", path), QString());

  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QXmlStreamReader reader(&file);
  QStringList families;
  while (!reader.atEnd()) {
    if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == QLatin1String("text"))
      families.append(reader.attributes().value("font-family").toString());
  }
  ASSERT_FALSE(reader.hasError()) << reader.errorString().toStdString();
  EXPECT_EQ(QSvgRenderer(path).defaultSize(), QSize(490, 300));

  ASSERT_EQ(families.size(), 11);
  for (const QString& family : families) {
    QStringList names = family.split(QLatin1Char(','));
    for (QString& name : names) name = name.trimmed().remove(QLatin1Char('\'')).remove(QLatin1Char('"'));
    ASSERT_EQ(names.size(), 2) << family.toStdString();
    EXPECT_EQ(names.back(), QStringLiteral("sans-serif")) << family.toStdString();
    EXPECT_TRUE(names.front() == CellFontCache::familyFor("Arial") ||
                names.front() == CellFontCache::familyFor("MS Sans Serif"))
        << family.toStdString();
  }
}

}  // namespace
}  // namespace lunasoma
