// The uninstall on a shared Linux machine: only the registered installation is removed, nothing is
// deleted through a link, and the program file goes even when the cleanup program cannot run.
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include "app/ProductInfo.h"
#include "setup/InstallActions.h"
#include "setup/InstallLayout.h"
#include "setup/Uninstall.h"
#include "tests/setup/InstallFixture.h"

namespace lunasoma {
namespace {

using test::contentsOf;
using test::InstallFixture;
using test::writeFile;

const QByteArray Cleanup = QByteArray(
    "\x7f"
    "ELF stand-in",
    13);

struct Installed : InstallFixture {
  Installed() {
    makeDistribution();
    const InstallEnvironment environment{services, nullptr, [](int) {}, [] {}};
    EXPECT_EQ(finishInstall(requestFor(), environment).outcome, InstallOutcome::Complete);
    host.journal.clear();
    host.messages.clear();
    host.shell.clear();
  }
  UninstallResult uninstallAs(const QString& programFile, const QString& runtimeFolder = {},
                              std::function<bool(const QString&)> removeProgram = {}) {
    const UninstallRequest request{programFile,
                                   QFileInfo(programFile).absolutePath() + "/",
                                   context.windowsFolder,
                                   context.systemFolder,
                                   Cleanup,
                                   runtimeFolder,
                                   {}};
    const UninstallEnvironment environment{services, nullptr, [] {}, std::move(removeProgram)};
    return uninstall(request, environment);
  }
  QString installedProgram() { return installFolder() + "/Lunasoma.exe"; }
  QString programsEntry() {
    return host.shortcuts.shortcutFileFor(startMenuProgramLink(host.folders.programsFolder()));
  }
};

TEST(UninstallSafety, OnlyTheInstallationTheEntryNamesIsRemoved) {
  struct Row {
    const char* name;
    bool entryPresent;
    QString expectedStart;  // the start of the error text; %1 the copy's folder, %2 the installation's
  };
  const Row rows[] = {
      {"a copy elsewhere", true,
       "The copy of Lunasoma in\n\n%1\n\nis not the installed one. The uninstall entry names the installation "
       "in\n\n%2\n\n"},
      {"no entry at all", false, "No installation of Lunasoma is registered, so the copy in\n\n%1\n\n"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Installed t;
    // A copy of the program among the user's own files, beside a read-me of the user's.
    const QString copyFolder = t.work.path() + "/Documents/tools";
    QDir().mkpath(copyFolder);
    ASSERT_TRUE(QFile::copy(t.installedProgram(), copyFolder + "/Lunasoma.exe"));
    writeFile(copyFolder + "/Readme.txt", "the user's own notes");
    if (!row.entryPresent) t.host.machineHive.deleteKey(uninstallEntryKey());
    t.host.messages.queueAnswers({MessageButton::Yes});

    const UninstallResult result = t.uninstallAs(copyFolder + "/Lunasoma.exe");

    EXPECT_EQ(result.outcome, UninstallOutcome::NotInstalled);
    ASSERT_EQ(t.host.messages.texts().size(), 1);
    const QString expected = QString(row.expectedStart).replace("%1", copyFolder).replace("%2", t.installFolder());
    EXPECT_TRUE(t.host.messages.texts()[0].startsWith(expected)) << t.host.messages.texts()[0].toStdString();
    EXPECT_EQ(contentsOf(copyFolder + "/Readme.txt"), QByteArray("the user's own notes"));
    EXPECT_TRUE(QFileInfo::exists(t.installFolder() + "/Readme.txt"));
    EXPECT_TRUE(QFileInfo::exists(t.programsEntry()));
    EXPECT_EQ(t.host.machineHive.keyExists(uninstallEntryKey()), row.entryPresent);
    EXPECT_TRUE(t.host.shell.calls().empty());
  }
}

TEST(UninstallSafety, NothingIsDeletedThroughALinkBelowTheShellFolder) {
  Installed t;
  // The user's Start Menu group is a link to a folder holding entries of the same names.
  const QString elsewhere = t.work.path() + "/shared entries";
  QDir().mkpath(elsewhere);
  const QString group = startMenuGroupFolder(t.host.folders.programsFolder());
  for (const QString& name : {QString("Lunasoma.desktop"), QString("Lunasoma Help.desktop")}) {
    ASSERT_TRUE(QFile::rename(group + "/" + name, elsewhere + "/" + name));
  }
  ASSERT_TRUE(QDir(group).removeRecursively());
  ASSERT_TRUE(QFile::link(elsewhere, group));
  t.host.messages.queueAnswers({MessageButton::Yes});

  EXPECT_EQ(t.uninstallAs(t.installedProgram(), t.work.path()).outcome, UninstallOutcome::Uninstalled);

  EXPECT_TRUE(QFileInfo::exists(elsewhere + "/Lunasoma.desktop"));
  EXPECT_TRUE(QFileInfo::exists(elsewhere + "/Lunasoma Help.desktop"));
  EXPECT_TRUE(QFileInfo(group).isSymLink());
  // The entries that are not behind a link are still removed.
  EXPECT_FALSE(QFileInfo::exists(t.host.shortcuts.shortcutFileFor(folderLink(t.host.folders.desktopFolder()))));
}

TEST(UninstallSafety, TheCleanupProgramGoesToAPlaceOfTheUsersOwn) {
  test::TempFolder temp;
  const QString runtime = temp.path() + "/run";
  QDir().mkpath(runtime);
  const QString privateFolder = temp.path() + QString("/lunasoma-%1/").arg(::getuid());

  EXPECT_EQ(cleanupProgramFolder(runtime, temp.path() + "/"), runtime + "/");
  EXPECT_EQ(cleanupProgramFolder({}, temp.path() + "/"), privateFolder);
  struct stat info {};
  ASSERT_EQ(::lstat(QFile::encodeName(privateFolder).constData(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);
  // Another user's cleanup program in the shared temporary folder is not in the way.
  writeFile(temp.path() + "/CorvantiUninstall.exe", "another user's");
  EXPECT_EQ(writeCleanupProgram(Cleanup, cleanupProgramFolder({}, temp.path() + "/")),
            privateFolder + "CorvantiUninstall.exe");

  // A folder of that name that others may enter, or a link, is not the user's own.
  test::TempFolder shared;
  const QString planted = shared.path() + QString("/lunasoma-%1").arg(::getuid());
  QDir().mkpath(planted);
  ::chmod(QFile::encodeName(planted).constData(), 0777);
  EXPECT_EQ(cleanupProgramFolder({}, shared.path() + "/"), QString());
  QDir(planted).removeRecursively();
  ASSERT_TRUE(QFile::link(temp.path(), planted));
  EXPECT_EQ(cleanupProgramFolder({}, shared.path() + "/"), QString());
  EXPECT_EQ(cleanupProgramFolder({}, QString()), QString());
}

TEST(UninstallSafety, WithoutTheCleanupProgramTheProgramFileIsRemovedAtOnce) {
  struct Row {
    const char* name;
    bool startSucceeds;
    bool removalSucceeds;
    bool noteShown;
  };
  const Row rows[] = {
      {"the cleanup program does not start", false, true, false},
      {"neither works", false, false, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Installed t;
    t.host.shell.setResult(row.startSucceeds);
    t.host.messages.queueAnswers({MessageButton::Yes});
    const auto remove = [&row](const QString& file) { return row.removalSucceeds && QFile::remove(file); };

    const UninstallResult result = t.uninstallAs(t.installedProgram(), t.work.path(), remove);

    EXPECT_EQ(result.removedDirectly, row.removalSucceeds);
    EXPECT_EQ(QFileInfo::exists(t.installFolder()), !row.removalSucceeds);
    EXPECT_EQ(t.host.journal.last().startsWith("error The program file and the folder"), row.noteShown);
    EXPECT_FALSE(QFileInfo::exists(t.work.path() + "/CorvantiUninstall.exe"));
  }
}

}  // namespace
}  // namespace lunasoma
