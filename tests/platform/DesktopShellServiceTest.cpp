#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include "platform/DesktopShellService.h"
#include "tests/support/TempFolder.h"

namespace lunasoma {
namespace {

struct AddressRow {
  const char* name;
  QString address;
  QString expected;  // empty for an invalid URL
};

class AddressUrl : public ::testing::TestWithParam<AddressRow> {};

TEST_P(AddressUrl, BecomesTheUrlTheDesktopOpens) {
  const QUrl url = DesktopShellService::urlForAddress(GetParam().address);
  if (GetParam().expected.isEmpty()) {
    EXPECT_FALSE(url.isValid()) << url.toString().toStdString();
  } else {
    EXPECT_EQ(url.toString(), GetParam().expected);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AddressUrl,
    ::testing::Values(AddressRow{"bareHost", "www.corvanti.example", "http://www.corvanti.example"},
                      AddressRow{"webAddress", "https://corvanti.example/x", "https://corvanti.example/x"},
                      AddressRow{"mail", "mailto:support@corvanti.example", "mailto:support@corvanti.example"},
                      AddressRow{"surroundingBlanks", " www.a.example ", "http://www.a.example"},
                      AddressRow{"empty", "", ""}, AddressRow{"blank", "   ", ""}),
    [](const auto& row) { return std::string(row.param.name); });

// An argument full of shell syntax reaches the program as one argument, character for character:
// touch creates a file of exactly that name, and the command after the semicolon never runs (it
// would create "injected" in the current folder, which the child process shares with the test).
TEST(DesktopShell, ProgramArgumentsAreNeverInterpretedByAShell) {
  test::TempFolder temp;
  const QString name = temp.path() + "/a b; touch injected $(touch injected) 'q' `x`";
  // Watched before the start, so that the file's creation cannot slip past unseen.
  QFileSystemWatcher watcher({temp.path()});
  QSignalSpy changed(&watcher, &QFileSystemWatcher::directoryChanged);
  DesktopShellService shell;
  ASSERT_TRUE(shell.startProgram("touch", {name}));
  while (!QFileInfo::exists(name)) ASSERT_TRUE(changed.wait(30000)) << "touch created nothing";
  EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files).size(), 1);
  EXPECT_FALSE(QFileInfo::exists(QDir::current().filePath("injected")));
}

TEST(DesktopShell, RefusesWhatCannotBeOpened) {
  DesktopShellService shell;
  EXPECT_FALSE(shell.openUrl(""));
  EXPECT_FALSE(shell.openFolder("/no/such/folder/anywhere"));
  EXPECT_FALSE(shell.startProgram("", {}));
  EXPECT_FALSE(shell.startProgram("/no/such/program", {"x"}));
}

}  // namespace
}  // namespace lunasoma
