// The set-up of the "Save As Bitmap" dialog: its title, filters and the file remembered from the
// last export.
#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include <cstdint>
#include <string>

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
  EXPECT_EQ(setup.nameFilters, (QStringList{"Bitmap Image (*.BMP)", "All Files (*)"}));
  EXPECT_EQ(setup.defaultSuffix, "BMP");
}

}  // namespace
}  // namespace lunasoma
