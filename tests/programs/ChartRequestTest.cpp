// The command-line renderer's arguments, the settings they make, and the files it writes.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include "chart/qt/ChartFile.h"
#include "programs/lunasoma-chart/ChartFileWriter.h"
#include "programs/lunasoma-chart/ChartRequest.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TempFolder.h"

namespace lunasoma {
namespace {

struct ArgumentCase {
  const char* name;
  std::vector<std::string> arguments;
  std::string errorNames;  // empty when the arguments are good
};

class ChartArguments : public testing::TestWithParam<ArgumentCase> {};

TEST_P(ChartArguments, BadArgumentsAreNamed) {
  const ArgumentCase& c = GetParam();
  const ChartRequestParse parsed = parseChartRequest(c.arguments);
  if (c.errorNames.empty()) {
    EXPECT_TRUE(parsed.request.has_value()) << parsed.error;
  } else {
    EXPECT_FALSE(parsed.request.has_value());
    EXPECT_NE(parsed.error.find(c.errorNames), std::string::npos) << parsed.error;
    EXPECT_EQ(parsed.error.find('\n'), std::string::npos);
  }
}

INSTANTIATE_TEST_SUITE_P(
    ChartRequest, ChartArguments,
    testing::Values(ArgumentCase{"Minimal", {"--birth", "1990-05-10", "--ops"}, ""},
                    ArgumentCase{"Everything",
                                 {"--birth", "1990-05-10", "--start", "2026-12-01", "--weeks", "8", "--style",
                                  "highlow", "--lines", "--size", "1280x800", "--stored", "--out", "c.PNG"},
                                 ""},
                    ArgumentCase{"NoBirth", {"--ops"}, "--birth"},
                    ArgumentCase{"NoSuchDay", {"--birth", "1990-02-30", "--ops"}, "--birth"},
                    ArgumentCase{"BadStart", {"--birth", "1990-05-10", "--start", "2026-1-1", "--ops"}, "--start"},
                    ArgumentCase{"NineWeeks", {"--birth", "1990-05-10", "--weeks", "9", "--ops"}, "--weeks"},
                    ArgumentCase{"UnknownStyle", {"--birth", "1990-05-10", "--style", "bars", "--ops"}, "--style"},
                    ArgumentCase{"SizeWithoutHeight", {"--birth", "1990-05-10", "--size", "640", "--ops"}, "--size"},
                    ArgumentCase{"HugeSize", {"--birth", "1990-05-10", "--size", "8193x400", "--ops"}, "--size"},
                    ArgumentCase{"UnknownFileKind", {"--birth", "1990-05-10", "--out", "chart.jpg"}, "--out"},
                    ArgumentCase{"NeitherOutNorOps", {"--birth", "1990-05-10"}, "--ops"},
                    ArgumentCase{"BothOutAndOps", {"--birth", "1990-05-10", "--out", "c.png", "--ops"}, "--ops"},
                    ArgumentCase{"UnknownArgument", {"--birth", "1990-05-10", "--colour", "--ops"}, "--colour"}),
    [](const testing::TestParamInfo<ArgumentCase>& row) { return std::string(row.param.name); });

TEST(ChartRequest, CommandLineOverridesTheBaseSettings) {
  const DayNumber today = *encodeDate(2026, 3, 4);
  BiorhythmSettings stored;
  stored.Range = 5;
  stored.Style = ChartStyle::HighLow;
  stored.ShowLines = true;
  stored.WidthMental = 0;
  stored.ShowMental = true;  // as a hand-edited store might hold it
  stored.ColorBack = 3;

  const auto plain = parseChartRequest({"--birth", "1990-05-10", "--ops"});
  ASSERT_TRUE(plain.request);
  const BiorhythmSettings fromStore = settingsForRequest(*plain.request, stored, today);
  EXPECT_EQ(fromStore.Birth, *encodeDate(1990, 5, 10));
  EXPECT_EQ(fromStore.Start, today);
  EXPECT_EQ(fromStore.Range, 5);
  EXPECT_EQ(fromStore.Style, ChartStyle::HighLow);
  EXPECT_TRUE(fromStore.ShowLines);
  EXPECT_FALSE(fromStore.ShowMental) << "a curve of width 0 is not shown";
  EXPECT_TRUE(fromStore.ShowPhysical);
  EXPECT_EQ(fromStore.ColorBack, 3);

  const auto given = parseChartRequest(
      {"--birth", "1990-05-10", "--start", "2026-12-01", "--weeks", "1", "--style", "line", "--lines", "--ops"});
  ASSERT_TRUE(given.request);
  const BiorhythmSettings overridden = settingsForRequest(*given.request, BiorhythmSettings{}, today);
  EXPECT_EQ(overridden.Start, *encodeDate(2026, 12, 1));
  EXPECT_EQ(overridden.Range, 0);
  EXPECT_EQ(overridden.Style, ChartStyle::Line);
  EXPECT_TRUE(overridden.ShowLines);
}

BiorhythmSettings sampleSettings() {
  BiorhythmSettings settings;
  settings.Birth = *encodeDate(1990, 5, 10);
  settings.Start = *encodeDate(2026, 12, 1);
  return settings;
}

// The command line asks for every format the chart is written in by its ending, in any case, and
// gets a file of it.
TEST(ChartFileWriter, WritesEveryChartFormatTheCommandLineAsksFor) {
  test::TempFolder folder;
  const ChartFileWriter writer(sampleSettings(), DateLocale(), 320, 200);
  for (const ChartFileType& type : chartFileTypes()) {
    for (const QString& extension :
         {QString::fromLatin1(type.extension).toLower(), QString::fromLatin1(type.extension).toUpper()}) {
      const std::string name = "chart." + extension.toStdString();
      SCOPED_TRACE(name);
      const ChartRequestParse parsed = parseChartRequest({"--birth", "1990-05-10", "--out", name});
      ASSERT_TRUE(parsed.request) << parsed.error;
      const QString path = folder.file(QString::fromStdString(parsed.request->outFile));
      const ChartFileResult result = writer.write(path);
      EXPECT_TRUE(result.written) << result.error.toStdString();
      EXPECT_GT(QFileInfo(path).size(), 0);
      QFile::remove(path);
    }
  }
}

TEST(ChartFileWriter, WritesBitmapsOfTheAskedSize) {
  test::TempFolder folder;
  const BiorhythmSettings settings = sampleSettings();
  const DateLocale locale;
  const ChartFileWriter writer(settings, locale, 320, 200);
  for (const char* name : {"chart.png", "chart.BMP"}) {
    const QString path = folder.file(QString::fromLatin1(name));
    const ChartFileResult result = writer.write(path);
    ASSERT_TRUE(result.written) << result.error.toStdString();
    const QImage image(path);
    EXPECT_EQ(image.size(), QSize(320, 200)) << name;
    EXPECT_EQ(image.pixel(2, 2), QColor(0, 128, 128).rgb()) << name;
  }
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 2) << "no temporary file left";
}

TEST(ChartFileWriter, WritesAOnePagePdf) {
  test::TempFolder folder;
  const BiorhythmSettings settings = sampleSettings();
  const DateLocale locale;
  const QString path = folder.file(QStringLiteral("chart.pdf"));
  const ChartFileResult result = ChartFileWriter(settings, locale, 640, 400).write(path);
  ASSERT_TRUE(result.written) << result.error.toStdString();
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray pdf = file.readAll();
  EXPECT_TRUE(pdf.startsWith("%PDF-"));
  EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 1) << "one page";
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1) << "no temporary file left";
}

TEST(ChartFileWriter, UnwritableTargetsLeaveNothingBehind) {
  test::TempFolder folder;
  const BiorhythmSettings settings = sampleSettings();
  const DateLocale locale;
  const ChartFileWriter writer(settings, locale, 64, 64);
  // A folder that does not exist, and names already taken by folders (the rename must fail).
  QDir(folder.path()).mkdir(QStringLiteral("taken.png"));
  QDir(folder.path()).mkdir(QStringLiteral("taken.pdf"));
  for (const QString& name : {QStringLiteral("missing/chart.png"), QStringLiteral("missing/chart.pdf"),
                              QStringLiteral("taken.png"), QStringLiteral("taken.pdf")}) {
    const ChartFileResult result = writer.write(folder.path() + QLatin1Char('/') + name);
    EXPECT_FALSE(result.written) << name.toStdString();
    EXPECT_FALSE(result.error.isEmpty()) << name.toStdString();
  }
  EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
  EXPECT_TRUE(QDir(folder.path() + QStringLiteral("/taken.png")).isEmpty());
}

// A disk that fills while the file is written must not leave a file cut short behind a success,
// for a bitmap small enough to sit in a write buffer as for a whole PDF page.
TEST(ChartFileWriter, AFullDiskIsReportedAndKeepsTheOldFile) {
  const BiorhythmSettings settings = sampleSettings();
  const DateLocale locale;
  const ChartFileWriter writer(settings, locale, 32, 32);
  const std::string diskFull = std::strerror(EFBIG);
  for (const QString& name : {QStringLiteral("chart.png"), QStringLiteral("chart.bmp"), QStringLiteral("chart.pdf")}) {
    SCOPED_TRACE(name.toStdString());
    test::TempFolder folder;
    const QString target = folder.file(name);
    test::writeFile(target, "old chart");
    ChartFileResult result;
    {
      test::FileSizeLimit fullDisk(100);
      result = writer.write(target);
    }
    EXPECT_FALSE(result.written);
    // A PDF is made in the temporary folder first, so there the disk fills before the target is
    // touched; a bitmap carries the system's reason from the target's own write.
    if (!name.endsWith(QLatin1String(".pdf"))) {
      EXPECT_NE(result.error.toStdString().find(diskFull), std::string::npos) << result.error.toStdString();
    }
    EXPECT_FALSE(result.error.isEmpty());
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "old chart");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{name}) << "no temporary file left";
  }
}

}  // namespace
}  // namespace lunasoma
