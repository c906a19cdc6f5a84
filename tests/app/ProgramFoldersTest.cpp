#include <QDir>
#include <QFileInfo>

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
  settings.Birth = 30000;
  EXPECT_EQ(context.settings.Birth, 30000) << "start-up loads the settings after it makes the context";
  EXPECT_EQ(localToday(host.system), encodeDate(2024, 3, 15).value());
  EXPECT_EQ(dayNumberOf(QDate()), 0);
}

}  // namespace
}  // namespace lunasoma

namespace lunasoma {
namespace {

// Installed into a prefix, the program finds its help under share/lunasoma and writes the user's
// files into the user's data folder; anywhere else everything stays beside the program.
TEST(ProgramFolders, AnInstallationIntoAPrefixUsesItsSharedAndTheUsersFolders) {
  struct Row {
    const char* name;
    QString helpAt;  // relative to the root; empty for none
    QString filesFolder;
    bool userData;
  };
  const Row rows[] = {
      {"help beside the program", "usr/bin/Lunasoma.hlp", "usr/bin/", false},
      {"help in the prefix's share folder", "usr/share/lunasoma/Lunasoma.hlp", "usr/share/lunasoma/", true},
      {"no help anywhere", "", "usr/bin/", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    test::FakeHostServices host;
    const QString root = host.root.path() + "/";
    QDir().mkpath(root + "usr/bin");
    if (!row.helpAt.isEmpty()) test::writeFile(root + row.helpAt, "help");
    HostServices services = host.services();
    BiorhythmSettings settings;
    const ProgramContext context = makeProgramContext(services, settings, root + "usr/bin/lunasoma");

    EXPECT_EQ(context.programFolder, root + row.filesFolder);
    const QString dataHome = root + "home/.local/share";
    const QString userFiles = userFilesFolder(context, dataHome);
    EXPECT_EQ(userFiles, row.userData ? dataHome + "/Lunasoma/" : context.programFolder);
    EXPECT_TRUE(QFileInfo(userFiles).isDir());
  }
}

}  // namespace
}  // namespace lunasoma
