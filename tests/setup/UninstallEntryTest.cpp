// The UNINSTALL start: the answer to the question decides whether the program ends, and a confirmed
// uninstall writes out the cleanup program that the build compiled into the resources.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>

#include <gtest/gtest.h>

#include "setup/InstallLayout.h"
#include "setup/InstallRecord.h"
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
    // The running program is the registered installation, and the cleanup program goes into the
    // user's runtime folder (a temporary one here).
    t.host.machineHive.writeString(uninstallEntryKey(), UninstallStringValue,
                                   uninstallCommand(t.dist, "Lunasoma.exe").toStdString());
    t.host.machineHive.writeValues(uninstallEntryKey(),
                                   installRecordValues({installedFilesIn(t.dist, test::productFileNames()), true}));
    const QString runtime = t.work.path() + "/runtime";
    QDir().mkpath(runtime);
    const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    const auto restore = qScopeGuard([&oldRuntime] {
      if (oldRuntime.isNull()) {
        qunsetenv("XDG_RUNTIME_DIR");
      } else {
        qputenv("XDG_RUNTIME_DIR", oldRuntime);
      }
    });
    t.host.messages.queueAnswers({row.answer});
    const QString cleanup = runtime + "/CorvantiUninstall.exe";

    EXPECT_EQ(runUninstall(t.context), row.ends);

    EXPECT_EQ(QFileInfo::exists(t.dist + "/Readme.txt"), !row.ends);
    EXPECT_TRUE(QFileInfo::exists(t.dist + "/Lunasoma.exe"));
    ASSERT_EQ(QFileInfo::exists(cleanup), row.ends);
    ASSERT_EQ(t.host.shell.calls().size(), row.ends ? 1u : 0u);
    if (!row.ends) continue;
    QFile embedded(":/cleanup/CorvantiUninstall.exe");
    ASSERT_TRUE(embedded.open(QIODevice::ReadOnly));
    const QByteArray program = embedded.readAll();
    EXPECT_TRUE(
        program.startsWith("\x7f"
                           "ELF"));
    EXPECT_EQ(contentsOf(cleanup), program);
    EXPECT_EQ(t.host.shell.calls()[0].target, cleanup);
    EXPECT_EQ(t.host.shell.calls()[0].arguments, QStringList{t.dist + "/Lunasoma.exe"});
  }
}

}  // namespace
}  // namespace lunasoma
