// The UNINSTALL start: the answer to the question decides whether the program ends, and a confirmed
// uninstall writes out the cleanup program that the build compiled into the resources.

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include "setup/SetupEntry.h"
#include "tests/setup/InstallFixture.h"

namespace lunasoma {
namespace {

using test::contentsOf;
using test::InstallFixture;

TEST(UninstallEntry, YesEndsTheProgramWithTheEmbeddedCleanupProgramStartedAndCancelGoesOn) {
  struct Row {
    const char* name;
    MessageButton answer;
    bool ends;
  };
  const Row rows[] = {{"Yes", MessageButton::Yes, true}, {"Cancel", MessageButton::Cancel, false}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    InstallFixture t;
    t.makeDistribution();
    t.host.messages.queueAnswers({row.answer});
    const QString cleanup = t.host.folders.tempFolder() + "CorvantiUninstall.exe";

    EXPECT_EQ(runUninstall(t.context), row.ends);

    EXPECT_EQ(QFileInfo::exists(t.dist + "/Readme.txt"), !row.ends);
    EXPECT_TRUE(QFileInfo::exists(t.dist + "/Lunasoma.exe"));
    ASSERT_EQ(QFileInfo::exists(cleanup), row.ends);
    ASSERT_EQ(t.host.shell.calls().size(), row.ends ? 1u : 0u);
    if (!row.ends) continue;
    QFile embedded(":/cleanup/CorvantiUninstall.exe");
    ASSERT_TRUE(embedded.open(QIODevice::ReadOnly));
    const QByteArray program = embedded.readAll();
    EXPECT_TRUE(program.startsWith("\x7f" "ELF"));
    EXPECT_EQ(contentsOf(cleanup), program);
    EXPECT_EQ(t.host.shell.calls()[0].target, cleanup);
    EXPECT_EQ(t.host.shell.calls()[0].arguments, QStringList{t.dist + "/Lunasoma.exe"});
  }
}

}  // namespace
}  // namespace lunasoma
