#include <gtest/gtest.h>

#include "app/ProgramFolders.h"
#include "tests/support/FakeHostServices.h"

namespace lunasoma {
namespace {

TEST(ProgramFolders, FoldersEndInExactlyOneSeparator) {
  struct Row {
    const char* name;
    QString folder;
    QString expected;
  };
  const Row rows[] = {
      {"plain", "/opt/lunasoma", "/opt/lunasoma/"},
      {"already ending in one", "/opt/lunasoma/", "/opt/lunasoma/"},
      {"ending in several", "/opt/lunasoma//", "/opt/lunasoma/"},
      {"root", "/", "/"},
      {"empty", "", ""},
  };
  for (const Row& row : rows) EXPECT_EQ(withTrailingSeparator(row.folder), row.expected) << row.name;
  EXPECT_EQ(programFolderOf("/opt/lunasoma/Lunasoma.exe"), "/opt/lunasoma/");
}

TEST(ProgramFolders, ContextHoldsTheStartConstants) {
  test::FakeHostServices host;
  host.folders.setWindowsFolder(host.root.path() + "/windows");  // without its separator
  DateLocale german;
  german.shortDatePattern = "dd.MM.yy";
  german.dateSeparator = '.';
  host.system.setDateLocale(german);
  HostServices services = host.services();
  BiorhythmSettings settings;

  const ProgramContext context = makeProgramContext(services, settings, "/opt/lunasoma/Lunasoma.exe");

  EXPECT_EQ(context.programFolder, "/opt/lunasoma/");
  EXPECT_EQ(context.windowsFolder, host.root.path() + "/windows/");
  EXPECT_EQ(context.displayPattern, "dd.MM.yyyy");
  EXPECT_EQ(context.startLocale.dateSeparator, '.');
  EXPECT_EQ(&context.settings, &settings);
  EXPECT_EQ(localToday(host.system), encodeDate(2024, 3, 15).value());
  EXPECT_EQ(dayNumberOf(QDate()), 0);
}

}  // namespace
}  // namespace lunasoma
