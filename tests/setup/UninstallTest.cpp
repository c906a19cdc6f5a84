#include "setup/Uninstall.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include "app/ProductInfo.h"
#include "setup/InstallActions.h"
#include "setup/InstallLayout.h"
#include "tests/setup/InstallFixture.h"

namespace lunasoma {
namespace {

using test::contentsOf;
using test::InstallFixture;
using test::productFileNames;

const QString Question = "Are you sure you want to uninstall Lunasoma?";
const QString Done = "Lunasoma has been uninstalled.";
const QByteArray CleanupBytes = QByteArray(
                                    "\x7f"
                                    "ELF cleanup stand-in\n",
                                    21) +
                                QByteArray(20000, '\x01');

// Every entry below a folder, links not followed, with its kind and size: two snapshots differ
// when anything was added, removed, replaced or changed in length.
QStringList treeOf(const QString& root) {
  QStringList entries;
  QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QFileInfo info(it.next());
    const QString kind = info.isSymLink() ? "link" : info.isDir() ? "dir" : "file";
    entries << info.filePath() + " " + kind + " " + QString::number(info.isDir() ? 0 : info.size());
  }
  entries.sort();
  return entries;
}

using test::writeFile;

// An installation into temporary folders, made with the real installation actions.
struct Scene : InstallFixture {
  Scene() { makeDistribution(); }

  void installWith(InstallOptions options = {}) {
    const InstallRequest r = requestFor(options);
    const InstallEnvironment environment{services, nullptr, [](int) {}, [] {}};
    ASSERT_EQ(finishInstall(r, environment).outcome, InstallOutcome::Complete);
    host.userHive.writeString(std::string(SettingsKeyPath), "Version", "1.0");
    host.journal.clear();
    host.messages.clear();
    host.shell.clear();
  }

  // The program as started from its uninstall entry: the installed Lunasoma.exe.
  UninstallResult runUninstall(const QByteArray& cleanup = CleanupBytes) {
    const UninstallRequest request{installFolder() + "/Lunasoma.exe",
                                   installFolder() + "/",
                                   context.windowsFolder,
                                   context.systemFolder,
                                   cleanup,
                                   {},
                                   {}};
    const UninstallEnvironment environment{services, nullptr, [this] { ++eventRounds; }, {}};
    return uninstall(request, environment);
  }

  QString shortcutFile(const QString& link) { return host.shortcuts.shortcutFileFor(link); }
  QStringList allShortcutFiles() {
    const QString programs = host.folders.programsFolder();
    return {shortcutFile(startMenuProgramLink(programs)), shortcutFile(startMenuHelpLink(programs)),
            shortcutFile(startMenuUninstallLink(programs)), shortcutFile(folderLink(host.folders.startupFolder())),
            shortcutFile(folderLink(host.folders.desktopFolder()))};
  }
  QString tempCleanup() { return host.folders.tempFolder() + "CorvantiUninstall.exe"; }
  // Where the uninstall writes it without a runtime folder: the user's own folder under the temporary one.
  QString privateCleanup() { return cleanupProgramFolder({}, host.folders.tempFolder()) + "CorvantiUninstall.exe"; }

  int eventRounds = 0;
};

// A path survives when it, or something below it, was meant to stay.
bool kept(const QStringList& survivors, const QString& path) {
  for (const QString& survivor : survivors) {
    if (survivor == path || survivor.startsWith(path + "/")) return true;
  }
  return false;
}

TEST(Uninstall, RemovesEverythingTheInstallationMadeAndStartsTheCleanupOnTheProgram) {
  Scene t;
  t.installWith();
  for (const QString& file : t.allShortcutFiles()) ASSERT_TRUE(QFileInfo::exists(file)) << file.toStdString();
  writeFile(t.installFolder() + "/Lunasoma.gid", "help index");
  writeFile(t.installFolder() + "/my notes.txt", "the user's own");
  t.host.userHive.writeString("Software\\Corvanti\\Other", "Kept", "yes");
  t.host.messages.queueAnswers({MessageButton::Yes});

  const UninstallResult result = t.runUninstall();

  EXPECT_EQ(result.outcome, UninstallOutcome::Uninstalled);
  EXPECT_FALSE(t.host.userHive.keyExists(std::string(SettingsKeyPath)));
  EXPECT_EQ(t.host.userHive.readString("Software\\Corvanti\\Other", "Kept"), "yes");
  EXPECT_FALSE(t.host.machineHive.keyExists(uninstallEntryKey()));
  EXPECT_TRUE(t.host.machineHive.keyExists(UninstallKeyPath));
  for (const QString& file : t.allShortcutFiles()) EXPECT_FALSE(QFileInfo::exists(file)) << file.toStdString();
  EXPECT_FALSE(QFileInfo::exists(startMenuGroupFolder(t.host.folders.programsFolder())));
  EXPECT_TRUE(QFileInfo::exists(t.host.folders.programsFolder()));

  // Only the running program and the user's own file are left; the cleanup program deletes the
  // one, and the folder stays for the other.
  const QDir installed(t.installFolder());
  EXPECT_EQ(installed.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name),
            (QStringList{"Lunasoma.exe", "my notes.txt"}));

  EXPECT_EQ(result.cleanupFile, t.privateCleanup());
  EXPECT_EQ(contentsOf(t.privateCleanup()), CleanupBytes);
  EXPECT_TRUE(QFileInfo(t.privateCleanup()).isExecutable());
  ASSERT_EQ(t.host.shell.calls().size(), 1u);
  EXPECT_EQ(t.host.shell.calls()[0].kind, test::FakeShell::Kind::Program);
  EXPECT_EQ(t.host.shell.calls()[0].target, t.privateCleanup());
  // One argument, blanks ("Program Files") and all.
  EXPECT_EQ(t.host.shell.calls()[0].arguments, QStringList{t.installFolder() + "/Lunasoma.exe"});
  EXPECT_TRUE(result.cleanupStarted);

  // No beep before the question; the default sound before the closing message.
  EXPECT_EQ(t.host.journal, (QStringList{"confirm " + Question, "beep Default", "information " + Done}));
  EXPECT_EQ(t.eventRounds, 1);
}

TEST(Uninstall, CancelChangesNothing) {
  Scene t;
  t.installWith();
  writeFile(t.installFolder() + "/Lunasoma.gid", "help index");
  const QStringList before = treeOf(t.host.root.path()) + treeOf(t.work.path());
  t.host.messages.queueAnswers({MessageButton::Cancel});

  const UninstallResult result = t.runUninstall();

  EXPECT_EQ(result.outcome, UninstallOutcome::Cancelled);
  EXPECT_EQ(treeOf(t.host.root.path()) + treeOf(t.work.path()), before);
  EXPECT_TRUE(t.host.userHive.keyExists(std::string(SettingsKeyPath)));
  EXPECT_TRUE(t.host.machineHive.keyExists(uninstallEntryKey()));
  EXPECT_EQ(t.host.journal, QStringList{"confirm " + Question});
  EXPECT_TRUE(t.host.shell.calls().empty());
  EXPECT_EQ(t.eventRounds, 0);
}

// What the user or the machine left in the way: the uninstall removes the program's own items
// around it, silently, and never a folder that still holds something.
TEST(Uninstall, LeavesWhatIsNotTheProgramsAndSkipsWhatIsAlreadyGone) {
  struct Row {
    const char* name;
    InstallOptions options;
    std::function<QStringList(Scene&)> arrange;  // returns what must survive
  };
  const Row rows[] = {
      {"a user's own shortcut keeps the group folder",
       {},
       [](Scene& t) {
         const QString mine = startMenuGroupFolder(t.host.folders.programsFolder()) + "/Mine.desktop";
         writeFile(mine, "x");
         return QStringList{mine};
       }},
      {"no shortcuts were made", {false, false, false}, [](Scene&) { return QStringList{}; }},
      {"shortcuts deleted by the user",
       {},
       [](Scene& t) {
         for (const QString& file : t.allShortcutFiles()) QFile::remove(file);
         QDir().rmdir(startMenuGroupFolder(t.host.folders.programsFolder()));
         return QStringList{};
       }},
      {"shell folders no longer known",
       {},
       [](Scene& t) {
         const QStringList shortcuts = t.allShortcutFiles();
         t.host.folders.setProgramsFolder({});
         t.host.folders.setStartupFolder({});
         t.host.folders.setDesktopFolder({});
         return shortcuts;
       }},
      {"folders under the product's names hold files",
       {},
       [](Scene& t) {
         const QString desktopEntry = t.allShortcutFiles().last();
         QFile::remove(t.installFolder() + "/Readme.txt");
         QFile::remove(desktopEntry);
         const QStringList inside{t.installFolder() + "/Readme.txt/inside.txt",
                                  t.installFolder() + "/Lunasoma.gid/inside.txt", desktopEntry + "/inside.txt"};
         for (const QString& file : inside) writeFile(file, "x");
         return inside;
       }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Scene t;
    t.installWith(row.options);
    const QStringList programItems = t.allShortcutFiles();
    const QStringList survivors = row.arrange(t);
    t.host.messages.queueAnswers({MessageButton::Yes});

    EXPECT_EQ(t.runUninstall().outcome, UninstallOutcome::Uninstalled);

    for (const QString& file : survivors) EXPECT_TRUE(QFileInfo::exists(file)) << file.toStdString();
    QStringList removable = programItems;
    for (const QString& name : productFileNames().mid(1)) removable << t.installFolder() + "/" + name;
    for (const QString& file : removable) {
      if (!kept(survivors, file)) {
        EXPECT_FALSE(QFileInfo::exists(file)) << file.toStdString();
      }
    }
    // A folder standing under a product file's name is named as left behind; nothing else is.
    const QStringList texts = t.host.messages.texts();
    ASSERT_EQ(texts.size(), 2);
    EXPECT_EQ(texts[0], Question);
    EXPECT_TRUE(texts[1].startsWith(Done));
    EXPECT_EQ(texts[1].contains("Readme.txt"), kept(survivors, t.installFolder() + "/Readme.txt"));
  }
}

TEST(Uninstall, WhenTheCleanupCannotRunTheProgramFileGoesAtOnceAndOnlyAFailureIsReported) {
  const QString note =
      "The program file and the folder\n\n%1\n\ncould not be removed automatically. "
      "Please delete them by hand.";
  struct Row {
    const char* name;
    bool tempFolderMissing;
    QByteArray cleanup;
    bool startSucceeds;
    bool removalSucceeds;
    QStringList journal;  // %1 is the installation folder
  };
  const Row rows[] = {
      {"temporary folder missing",
       true,
       CleanupBytes,
       true,
       true,
       {"confirm " + Question, "beep Default", "information " + Done}},
      {"no cleanup program built in",
       false,
       QByteArray(),
       true,
       true,
       {"confirm " + Question, "beep Default", "information " + Done}},
      {"the cleanup program does not start",
       false,
       CleanupBytes,
       false,
       true,
       {"confirm " + Question, "beep Default", "information " + Done}},
      {"no cleanup program and the file stays",
       false,
       QByteArray(),
       true,
       false,
       {"confirm " + Question, "beep Default", "information " + Done + "\n\n" + note}},
      {"the cleanup program does not start and the file stays",
       false,
       CleanupBytes,
       false,
       false,
       {"confirm " + Question, "beep Default", "information " + Done, "beep Exclamation", "error " + note}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Scene t;
    t.installWith();
    if (row.tempFolderMissing) t.host.folders.setTempFolder(t.host.root.path() + "/no such folder/");
    t.host.shell.setResult(row.startSucceeds);
    t.host.messages.queueAnswers({MessageButton::Yes});

    const UninstallRequest request{t.installFolder() + "/Lunasoma.exe",
                                   t.installFolder() + "/",
                                   t.context.windowsFolder,
                                   t.context.systemFolder,
                                   row.cleanup,
                                   {},
                                   {}};
    const UninstallEnvironment environment{
        t.services, nullptr, [] {}, [&row](const QString& file) { return row.removalSucceeds && QFile::remove(file); }};
    const UninstallResult result = uninstall(request, environment);

    EXPECT_EQ(result.outcome, UninstallOutcome::Uninstalled);
    EXPECT_FALSE(result.cleanupStarted);
    EXPECT_EQ(result.removedDirectly, row.removalSucceeds);
    EXPECT_EQ(QFileInfo::exists(t.installFolder()), !row.removalSucceeds);
    QStringList expected;
    for (const QString& line : row.journal) expected << QString(line).replace("%1", t.installFolder());
    EXPECT_EQ(t.host.journal, expected);
    EXPECT_EQ(t.host.shell.calls().size(), row.startSucceeds ? 0u : 1u);
    EXPECT_FALSE(t.host.machineHive.keyExists(uninstallEntryKey()));
  }
}

TEST(Uninstall, TheCleanupProgramReplacesWhateverWasPlantedUnderItsName) {
  Scene t;
  // A shared temporary folder may hold a link under the cleanup program's name; writing through
  // it would overwrite the file it points to.
  const QString victim = t.work.file("victim.txt");
  writeFile(victim, "precious");
  QDir().mkpath(t.host.folders.tempFolder());
  ASSERT_TRUE(QFile::link(victim, t.tempCleanup()));

  EXPECT_EQ(writeCleanupProgram(CleanupBytes, t.host.folders.tempFolder()), t.tempCleanup());

  EXPECT_EQ(contentsOf(victim), QByteArray("precious"));
  EXPECT_FALSE(QFileInfo(t.tempCleanup()).isSymLink());
  EXPECT_EQ(contentsOf(t.tempCleanup()), CleanupBytes);
  EXPECT_TRUE(QFileInfo(t.tempCleanup()).isExecutable());

  // An older cleanup program is replaced as a whole, not overwritten in part.
  EXPECT_EQ(writeCleanupProgram("short", t.host.folders.tempFolder()), t.tempCleanup());
  EXPECT_EQ(contentsOf(t.tempCleanup()), QByteArray("short"));
}

}  // namespace
}  // namespace lunasoma
