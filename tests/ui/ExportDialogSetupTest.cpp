// The set-up of the "Save As Bitmap" dialog: its title, filters and the file remembered from the
// last export.
#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include <cstdint>
#include <string>
#include <utility>

#include "ui/ExportDialogSetup.h"

namespace lunasoma {
namespace {

TEST(ExportDialogSetup, TitleFiltersAndTheRememberedFile) {
  struct Row {
    const char* name;
    std::string remembered;
    std::uint8_t index;
    QString folder;
    QString fileName;
    int selectedFilter;
  };
  const Row rows[] = {
      {"full path", "/home/ann/charts/ann.BMP", 1, "/home/ann/charts/", "ann.BMP", 0},
      {"nothing remembered gives no folder and no file", "", 1, "", "", 0},
      {"a bare name has no folder", "Bio.BMP", 2, "", "Bio.BMP", 1},
      {"a file in the root", "/chart.bmp", 2, "/", "chart.bmp", 1},
      {"index past the filters", "/tmp/a.bmp", 9, "/tmp/", "a.bmp", 0},
  };
  for (const Row& row : rows) {
    const ExportDialogSetup setup = exportDialogSetup(QStringLiteral("Lunasoma"), row.remembered, row.index);
    EXPECT_EQ(setup.folder, row.folder) << row.name;
    EXPECT_EQ(setup.fileName, row.fileName) << row.name;
    EXPECT_EQ(setup.selectedFilter, row.selectedFilter) << row.name;
  }
  const ExportDialogSetup setup = exportDialogSetup(QStringLiteral("Lunasoma"), "", 1);
  EXPECT_EQ(setup.title, "Save Lunasoma Bitmap");
  // The settings keep the filter by its place, so the first two keep theirs.
  EXPECT_EQ(setup.nameFilters, (QStringList{"Bitmap Image (*.BMP)", "All Files (*)", "PNG image (*.png)",
                                            "SVG drawing (*.svg)", "PDF document (*.pdf)", "CSV table (*.csv)"}));
  EXPECT_EQ(setup.defaultSuffix, "BMP");
  EXPECT_EQ(exportDialogSetup(QStringLiteral("Lunasoma"), "", 4).defaultSuffix, "svg")
      << "the remembered filter's suffix for a name typed without one";
}

// Every format the chart is written in has its filter, which names a file without an ending so
// that it is written in that format; "All Files" is the one filter more.
TEST(ExportDialogSetup, EveryChartFormatHasAFilterThatWritesIt) {
  const ExportDialogSetup setup = exportDialogSetup(QStringLiteral("Lunasoma"), "", 1);
  EXPECT_EQ(setup.nameFilters.size(), static_cast<qsizetype>(chartFileTypes().size()) + 1);
  for (const ChartFileType& type : chartFileTypes()) {
    SCOPED_TRACE(type.filter);
    const qsizetype place = setup.nameFilters.indexOf(QLatin1String(type.filter));
    ASSERT_GE(place, 0);
    const ExportChoice choice{QStringLiteral("/c/chart"), static_cast<int>(place) + 1};
    EXPECT_EQ(exportFileFormat(choice), type.format);
    EXPECT_EQ(exportFilePath(choice), QStringLiteral("/c/chart.") + QLatin1String(type.extension));
    EXPECT_EQ(setup.defaultSuffixes.value(place), QLatin1String(type.extension));
  }
}

// Filter indexes as the settings keep them.
constexpr int BitmapFilter = 1;
constexpr int AllFiles = 2;
constexpr int PngFilter = 3;
constexpr int SvgFilter = 4;
constexpr int PdfFilter = 5;

TEST(ExportDialogSetup, TheNamesEndingDecidesTheFormatBeforeTheFilter) {
  struct Row {
    const char* name;
    QString chosen;
    int filter;
    QString path;  // what is written
    ChartFileFormat format;
  };
  const Row rows[] = {
      {"bitmap filter, bitmap name", "/c/chart.BMP", BitmapFilter, "/c/chart.BMP", ChartFileFormat::Bitmap},
      {"an svg name under the bitmap filter", "/c/chart.svg", BitmapFilter, "/c/chart.svg", ChartFileFormat::Svg},
      {"a pdf name in capitals under All Files", "/c/chart.PDF", AllFiles, "/c/chart.PDF", ChartFileFormat::Pdf},
      {"a bitmap name under the PNG filter", "/c/chart.Bmp", PngFilter, "/c/chart.Bmp", ChartFileFormat::Bitmap},
      {"a png name under the PDF filter", "/c/chart.png", PdfFilter, "/c/chart.png", ChartFileFormat::Png},
      {"another ending takes the filter's format", "/c/chart.jpg", PngFilter, "/c/chart.jpg", ChartFileFormat::Png},
      {"another ending under All Files is a bitmap", "/c/chart.dat", AllFiles, "/c/chart.dat", ChartFileFormat::Bitmap},
      {"no ending gets the SVG filter's", "/c/chart", SvgFilter, "/c/chart.svg", ChartFileFormat::Svg},
      {"no ending gets the PDF filter's", "/c/chart", PdfFilter, "/c/chart.pdf", ChartFileFormat::Pdf},
      {"no ending under All Files is a bitmap", "/c/chart", AllFiles, "/c/chart.BMP", ChartFileFormat::Bitmap},
      {"a dot in the folder is no ending", "/c.d/chart", PngFilter, "/c.d/chart.png", ChartFileFormat::Png},
      {"an ending only in the folder", "/c.svg/chart", BitmapFilter, "/c.svg/chart.BMP", ChartFileFormat::Bitmap},
      {"an index the filters do not have", "/c/chart", 9, "/c/chart.BMP", ChartFileFormat::Bitmap},
  };
  for (const Row& row : rows) {
    const ExportChoice choice{row.chosen, row.filter};
    EXPECT_EQ(exportFilePath(choice), row.path) << row.name;
    EXPECT_EQ(exportFileFormat(choice), row.format) << row.name;
  }
}

// A print to a file is named after the document, with no folder made of a date's slashes.
TEST(ExportDialogSetup, APrintFileIsNamedAfterTheDocumentWithoutFolders) {
  const std::pair<QString, QString> rows[] = {
      {QStringLiteral("Lunasoma 5/17/1990"), QStringLiteral("Lunasoma 5-17-1990.pdf")},
      {QStringLiteral("Lunasoma 1990\\05\\17"), QStringLiteral("Lunasoma 1990-05-17.pdf")},
      {QStringLiteral("chart.PDF"), QStringLiteral("chart.PDF")},
      {QStringLiteral("  "), QStringLiteral("print.pdf")},
  };
  for (const auto& [docName, fileName] : rows) EXPECT_EQ(printFileName(docName), fileName) << qPrintable(docName);
}

}  // namespace
}  // namespace lunasoma
