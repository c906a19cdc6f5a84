// The chart's file formats below the window: which format a name asks for, and that a file that
// cannot be written whole leaves the old one as it was and nothing beside it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPrinter>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <map>
#include <optional>
#include <set>

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

// A format is added by its line in the table alone: its ending finds it, in any case, and its own
// writer makes a file of that kind.
TEST(ChartFile, EveryFormatIsFoundByItsEndingAndWrittenByItsOwnWriter) {
  // What a file of each format begins with; a format added to the table is added here too.
  const std::map<ChartFileFormat, QByteArray> signatures = {{ChartFileFormat::Bitmap, "BM"},
                                                            {ChartFileFormat::Png, "\x89PNG"},
                                                            {ChartFileFormat::Svg, "<?xml"},
                                                            {ChartFileFormat::Pdf, "%PDF"},
                                                            {ChartFileFormat::Csv, "Date,"}};
  test::TempFolder folder;
  ChartFileSource source;
  source.draw = drawSomething;
  source.size = {200, 100};
  source.title = QStringLiteral("t");
  source.paper = QPageSize(QPageSize::A4);
  source.table = [] { return std::string("Date,Physical,Emotional,Mental,Overall\n2026-12-01,1,2,3,2\n"); };
  std::set<QString> endings;
  for (const ChartFileType& type : chartFileTypes()) {
    SCOPED_TRACE(type.noun);
    const QString extension = QString::fromLatin1(type.extension);
    EXPECT_TRUE(endings.insert(extension.toLower()).second) << "an ending names one format";
    EXPECT_EQ(&chartFileType(type.format), &type);
    for (const QString& name : {"chart." + extension.toLower(), "/a/CHART." + extension.toUpper()})
      EXPECT_EQ(chartFileFormatOf(name), type.format) << name.toStdString();
    EXPECT_TRUE(chartFileEndings().contains("." + extension.toLower())) << chartFileEndings().toStdString();

    const QString path = folder.file("chart." + extension);
    ASSERT_EQ(writeChartFile(type.format, source, path), QString());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    ASSERT_TRUE(signatures.contains(type.format)) << "what does a file of this format begin with?";
    EXPECT_TRUE(file.read(8).startsWith(signatures.at(type.format)));
  }
}

// Each writer's own failure names the file by its format's noun, in one pattern, and leaves no file.
TEST(ChartFile, AWritersOwnFailureNamesItsFormat) {
  test::TempFolder folder;
  struct Row {
    ChartFileFormat format;
    QSize size;
    rlim_t diskRoom;  // 0: no limit
  };
  const Row rows[] = {
      // Wider than any picture Qt makes, so the picture is refused without memory being taken.
      {ChartFileFormat::Bitmap, {100'000'000, 1}, 0},
      {ChartFileFormat::Png, {100'000'000, 1}, 0},
      {ChartFileFormat::Pdf, {200, 100}, 200},
  };
  for (const Row& row : rows) {
    const QString noun = QLatin1String(chartFileType(row.format).noun);
    SCOPED_TRACE(noun.toStdString());
    ChartFileSource source;
    source.draw = drawSomething;
    source.size = row.size;
    const QString path = folder.file("chart." + QLatin1String(chartFileType(row.format).extension));
    QString reason;
    {
      std::optional<test::FileSizeLimit> fullDisk;
      if (row.diskRoom != 0) fullDisk.emplace(row.diskRoom);
      reason = writeChartFile(row.format, source, path);
    }
    EXPECT_TRUE(reason.startsWith("The " + noun + " could not be ")) << reason.toStdString();
    EXPECT_TRUE(reason.endsWith('.')) << reason.toStdString();
    EXPECT_FALSE(QFileInfo::exists(path));
  }
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
