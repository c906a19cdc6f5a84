#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>

#include "platform/LinuxFolderService.h"
#include "tests/support/MemoryRegistry.h"
#include "tests/support/TempFolder.h"

namespace lunasoma {
namespace {

class FolderTest : public ::testing::Test {
 protected:
  LinuxFolderService::XdgFolders xdg() const {
    return {m_temp.path() + "/data", m_temp.path() + "/config", m_temp.path() + "/Desktop", m_temp.path() + "/home",
            m_temp.path() + "/tmp"};
  }
  void setShellFolder(const char* name, const std::string& value) {
    m_user.writeString(LinuxFolderService::shellFoldersKey, name, value);
  }

  test::TempFolder m_temp;
  test::MemoryRegistry m_user;
  test::MemoryRegistry m_machine;
};

struct ShellFolderRow {
  const char* name;
  const char* valueName;
  std::function<QString(FolderService&)> read;
  QString xdgFallback;  // relative to the temporary folder
};

class ShellFolders : public FolderTest, public ::testing::WithParamInterface<ShellFolderRow> {};

TEST_P(ShellFolders, XdgFolderWhenTheHiveHasNoValueLookedUpWithoutCreatingIt) {
  LinuxFolderService folders(m_user, m_machine, xdg());
  const QString expected = m_temp.path() + GetParam().xdgFallback;
  EXPECT_EQ(GetParam().read(folders), expected);
  EXPECT_FALSE(QFileInfo::exists(expected));
}

TEST_P(ShellFolders, HiveValueWinsWithoutTrailingSeparator) {
  setShellFolder(GetParam().valueName, "/srv/shell folders/x//");
  LinuxFolderService folders(m_user, m_machine, xdg());
  EXPECT_EQ(GetParam().read(folders), "/srv/shell folders/x");
}

TEST_P(ShellFolders, EmptyHiveValueMeansNoFolder) {
  setShellFolder(GetParam().valueName, "");
  LinuxFolderService folders(m_user, m_machine, xdg());
  EXPECT_EQ(GetParam().read(folders), "");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ShellFolders,
    ::testing::Values(
        ShellFolderRow{"programs", "Programs", [](FolderService& f) { return f.programsFolder(); },
                       "/data/applications"},
        ShellFolderRow{"startup", "Startup", [](FolderService& f) { return f.startupFolder(); }, "/config/autostart"},
        ShellFolderRow{"desktop", "Desktop", [](FolderService& f) { return f.desktopFolder(); }, "/Desktop"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(FolderTest, ShellFolderValuesAreReadCaseInsensitivelyFromTheUserHiveOnly) {
  m_user.writeString("software\\microsoft\\windows\\currentversion\\explorer\\shell folders", "PROGRAMS", "/p");
  m_machine.writeString(LinuxFolderService::shellFoldersKey, "Startup", "/machine");
  LinuxFolderService folders(m_user, m_machine, xdg());
  EXPECT_EQ(folders.programsFolder(), "/p");
  EXPECT_EQ(folders.startupFolder(), m_temp.path() + "/config/autostart");
}

TEST_F(FolderTest, ProgramFilesFromMachineHiveElseLocalOpt) {
  LinuxFolderService folders(m_user, m_machine, xdg());
  EXPECT_EQ(folders.programFilesFolder(), m_temp.path() + "/home/.local/opt");
  // Only the installation's Finish may create it: setup left behind must leave nothing.
  EXPECT_FALSE(QFileInfo::exists(m_temp.path() + "/home/.local/opt"));

  m_user.writeString(LinuxFolderService::currentVersionKey, "ProgramFilesDir", "/user/only");
  EXPECT_EQ(folders.programFilesFolder(), m_temp.path() + "/home/.local/opt");

  m_machine.writeString(LinuxFolderService::currentVersionKey, "ProgramFilesDir", "/opt/");
  EXPECT_EQ(folders.programFilesFolder(), "/opt");
  m_machine.writeString(LinuxFolderService::currentVersionKey, "ProgramFilesDir", "/");
  EXPECT_EQ(folders.programFilesFolder(), "/");
}

TEST_F(FolderTest, WindowsSystemAndTempAreUnderOurFoldersWithSeparator) {
  LinuxFolderService folders(m_user, m_machine, xdg());
  EXPECT_EQ(folders.windowsFolder(), m_temp.path() + "/data/Corvanti/Windows/");
  EXPECT_EQ(folders.systemFolder(), m_temp.path() + "/data/Corvanti/System/");
  EXPECT_EQ(folders.tempFolder(), m_temp.path() + "/tmp/");
}

TEST(XdgFolders, FromEnvironmentFollowsXdgVariables) {
  // The test main points both variables into a temporary folder.
  const auto xdg = LinuxFolderService::XdgFolders::fromEnvironment();
  EXPECT_EQ(xdg.dataHome, qEnvironmentVariable("XDG_DATA_HOME"));
  EXPECT_EQ(xdg.configHome, qEnvironmentVariable("XDG_CONFIG_HOME"));
  EXPECT_EQ(xdg.temp, QDir::tempPath());
}

}  // namespace
}  // namespace lunasoma
