#include "setup/InstallActions.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <optional>

#include "setup/InstallLayout.h"
#include "tests/setup/InstallFixture.h"

namespace lunasoma {
namespace {

using test::contentsOf;
using test::FakeMessageService;
using test::InstallFixture;
using test::productFileNames;

const char* const FolderQuestion =
    "The folder\n\n%1\n\napparently already exists. Do you want to overwrite existing files?";

class InstallActions : public ::testing::Test, protected InstallFixture {
 protected:
  InstallRequest request(InstallOptions options = {}) { return requestFor(options); }

  InstallResult install(const InstallRequest& r) {
    const InstallEnvironment environment{services, nullptr,
                                         [this](int seconds) {
                                           waits << seconds;
                                           cursorDuringWait = QApplication::overrideCursor() != nullptr;
                                         },
                                         [this] { ++raised; }};
    return finishInstall(r, environment);
  }

  // The desktop entry written for a link path, as "key=value" lines.
  QStringList entryLines(const QString& linkPath) {
    return QString::fromUtf8(contentsOf(host.shortcuts.shortcutFileFor(linkPath))).split('\n', Qt::SkipEmptyParts);
  }

  QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
  }

  QList<int> waits;
  bool cursorDuringWait = false;
  int raised = 0;
};

TEST_F(InstallActions, AFreshInstallationCopiesRegistersAndMakesTheFourShortcuts) {
  makeDistribution();
  const InstallResult result = install(request());

  EXPECT_EQ(result.outcome, InstallOutcome::Complete);
  EXPECT_TRUE(host.messages.boxes().empty()) << host.messages.texts().join('|').toStdString();
  for (const QString& name : productFileNames()) {
    SCOPED_TRACE(name.toStdString());
    const QString installed = installFolder() + "/" + name;
    EXPECT_EQ(contentsOf(installed), contentsOf(dist + "/" + name));
    EXPECT_EQ(QFileInfo(installed).lastModified(), QFileInfo(dist + "/" + name).lastModified());
  }
  EXPECT_TRUE(QFileInfo(installFolder() + "/Lunasoma.exe").isExecutable());

  // The folder holds a blank ("Program Files"), so the program's path is quoted for a shell.
  const std::string key = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Lunasoma";
  EXPECT_EQ(host.machineHive.readString(key, "DisplayName"), "Lunasoma");
  EXPECT_EQ(host.machineHive.readString(key, "UninstallString"),
            ("'" + installFolder() + "/Lunasoma.exe' Uninstall").toStdString());

  const QString programs = host.folders.programsFolder();
  const QString exec = "Exec=\"" + installFolder() + "/Lunasoma.exe\"";
  const QString path = "Path=" + installFolder();
  struct Entry {
    QString folder;
    QString file;
    QString exec;
  };
  const Entry entries[] = {
      {programs + "/Lunasoma", "Lunasoma.desktop", exec},
      {programs + "/Lunasoma", "Lunasoma Help.desktop", exec + " HELP"},
      {programs + "/Lunasoma", "Uninstall Lunasoma.desktop", exec + " UNINSTALL"},
      {host.folders.startupFolder(), "Lunasoma.desktop", exec},
      {host.folders.desktopFolder(), "Lunasoma.desktop", exec},
  };
  for (const Entry& entry : entries) {
    SCOPED_TRACE((entry.folder + "/" + entry.file).toStdString());
    const QStringList lines = entryLines(entry.folder + "/" + entry.file);
    EXPECT_TRUE(lines.contains(entry.exec)) << lines.join('|').toStdString();
    EXPECT_TRUE(lines.contains(path)) << lines.join('|').toStdString();
  }
  // The help file gets no startup or desktop shortcut.
  EXPECT_EQ(filesIn(host.folders.startupFolder()), QStringList{"Lunasoma.desktop"});
  EXPECT_EQ(filesIn(host.folders.desktopFolder()), QStringList{"Lunasoma.desktop"});
  EXPECT_EQ(filesIn(programs + "/Lunasoma"),
            (QStringList{"Lunasoma Help.desktop", "Lunasoma.desktop", "Uninstall Lunasoma.desktop"}));

  ASSERT_EQ(host.shell.calls().size(), 1u);
  EXPECT_EQ(host.shell.calls()[0].kind, test::FakeShell::Kind::Folder);
  EXPECT_EQ(host.shell.calls()[0].target, programs + "/Lunasoma");

  EXPECT_EQ(waits, QList<int>{3});
  EXPECT_TRUE(cursorDuringWait);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(raised, 1);
  EXPECT_EQ(host.journal, QStringList{"beep Default"});
}

TEST_F(InstallActions, ASecondInstallationAsksOnceAndOverwritesOnYes) {
  makeDistribution();
  install(request());
  QFile changed(installFolder() + "/Readme.txt");
  ASSERT_TRUE(changed.open(QIODevice::WriteOnly | QIODevice::Truncate));
  changed.write("from an older version");
  changed.close();
  // Older than the file being installed: inside the installation folder that still asks nothing.
  ASSERT_TRUE(test::setModified(installFolder() + "/Readme.txt", QDateTime(QDate(2020, 5, 1), QTime(8, 0))));
  host.journal.clear();
  host.messages.clear();
  host.messages.queueAnswers({MessageButton::Yes});

  const InstallResult result = install(request());

  EXPECT_EQ(result.outcome, InstallOutcome::Complete);
  EXPECT_EQ(host.journal, (QStringList{"beep Exclamation", "confirm " + QString(FolderQuestion).arg(installFolder()),
                                       "beep Default"}));
  EXPECT_EQ(contentsOf(installFolder() + "/Readme.txt"), contentsOf(dist + "/Readme.txt"));
}

TEST_F(InstallActions, DecliningAnExistingFolderChangesNothing) {
  makeDistribution();
  QDir().mkpath(installFolder());
  host.messages.queueAnswers({MessageButton::Cancel});

  const InstallResult result = install(request());

  EXPECT_EQ(result.outcome, InstallOutcome::FolderDeclined);
  EXPECT_EQ(host.messages.texts(),
            (QStringList{QString(FolderQuestion).arg(installFolder()),
                         "No changes have been made. Please select a different folder to install to."}));
  EXPECT_TRUE(filesIn(installFolder()).isEmpty());
  EXPECT_FALSE(host.machineHive.keyExists(uninstallEntryKey()));
  EXPECT_EQ(host.folders.shellFolderReads(), 0);
  EXPECT_TRUE(waits.isEmpty());
}

TEST_F(InstallActions, AMissingFileTakesBackTheOthersAndMakesNoShortcuts) {
  makeDistribution({"Readme.txt"});
  const InstallResult result = install(request());

  EXPECT_EQ(result.outcome, InstallOutcome::Incomplete);
  EXPECT_FALSE(result.filesComplete);
  // Nothing could ever remove the six copied files without an entry, so they go again, and the
  // folder this installation made with them.
  EXPECT_FALSE(QFileInfo::exists(installFolder()));
  // An incomplete program gets no entries that would start it or could not remove it.
  EXPECT_FALSE(QFileInfo::exists(host.shortcuts.shortcutFileFor(folderLink(host.folders.desktopFolder()))));
  EXPECT_TRUE(incompleteResultShowsWebAddress(result));
  EXPECT_TRUE(incompleteResultText(result, QString())
                  .startsWith("Could not find or copy one or more files to the target folder."));
}

TEST_F(InstallActions, WithEveryOptionClearedNoShellFolderIsReadButThePauseStays) {
  makeDistribution();
  const InstallResult result = install(request(InstallOptions{false, false, false}));

  EXPECT_EQ(result.outcome, InstallOutcome::Complete);
  EXPECT_EQ(host.folders.shellFolderReads(), 0);
  EXPECT_TRUE(host.shell.calls().empty());
  EXPECT_EQ(waits, QList<int>{3});
}

TEST_F(InstallActions, AShortcutThatCannotBeWrittenGivesTheShortcutMessage) {
  makeDistribution();
  // A Programs folder below a file can hold no group, so both group shortcuts fail.
  host.folders.setProgramsFolder(dist + "/Readme.txt/Programs");

  const InstallResult result = install(request());

  EXPECT_EQ(result.outcome, InstallOutcome::Incomplete);
  EXPECT_TRUE(result.filesComplete);
  EXPECT_FALSE(result.shortcutsComplete);
  EXPECT_FALSE(incompleteResultShowsWebAddress(result));
  EXPECT_EQ(incompleteResultText(result, QString()),
            "Could not create one or more of the shortcuts you specified. Please do so manually or run Setup again.");
  // The shortcuts elsewhere are still made.
  EXPECT_TRUE(QFileInfo::exists(host.shortcuts.shortcutFileFor(folderLink(host.folders.startupFolder()))));
}

TEST_F(InstallActions, TheUninstallEntryDependsOnTheMachinesListOfPrograms) {
  struct Case {
    const char* name;
    bool listExists;
    bool writeFails;
    InstallOutcome outcome;
    bool entryWritten;
  };
  const Case cases[] = {
      {"Written", true, false, InstallOutcome::Complete, true},
      {"NoListNoEntryNoMessage", false, false, InstallOutcome::Complete, false},
      // A machine hive without any key is one that could not be made with its list: the entry is
      // written, and its failure would be reported.
      {"AnEmptyHiveGetsTheEntry", false, false, InstallOutcome::Complete, true},
      {"WriteFailsAndTheRestGoesOn", true, true, InstallOutcome::Incomplete, false},
  };
  makeDistribution();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QDir(installFolder()).removeRecursively();
    test::MemoryRegistry machine;
    if (c.listExists) machine.createKey(UninstallKeyPath);
    if (!c.listExists && !c.entryWritten) machine.createKey("Software\\Corvanti");
    if (c.writeFails) machine.failWritesOf("UninstallString");
    HostServices withMachine{
        services.userHive,  machine,          services.messages, services.beeper, services.shell, services.shortcuts,
        services.wallpaper, services.folders, services.drives,   services.system, services.help};
    const InstallEnvironment environment{withMachine, nullptr, [](int) {}, [] {}};

    const InstallResult result = finishInstall(request(), environment);

    EXPECT_EQ(result.outcome, c.outcome);
    EXPECT_EQ(machine.readString(uninstallEntryKey(), "DisplayName").has_value(), c.entryWritten);
    EXPECT_EQ(machine.keyExists(UninstallKeyPath), c.listExists || c.entryWritten);
    EXPECT_EQ(result.uninstallEntryError.isEmpty(), !c.writeFails);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(QFileInfo::exists(host.shortcuts.shortcutFileFor(folderLink(host.folders.desktopFolder()))));
    if (c.writeFails) {
      const QString text = incompleteResultText(result, "lunasoma-uninstall-command");
      EXPECT_TRUE(text.startsWith("Could not write the uninstall entry: ")) << text.toStdString();
      EXPECT_TRUE(text.endsWith("To remove Lunasoma later, run lunasoma-uninstall-command")) << text.toStdString();
    }
  }
}

// Files bound for a folder other than the installation folder are shared with other programs:
// only an older one is replaced, and only when the user agrees.
TEST_F(InstallActions, AFileOutsideTheInstallationFolderIsReplacedOnlyWhenOlderAndAgreed) {
  struct Case {
    const char* name;
    QDateTime targetTime;
    std::optional<MessageButton> answer;  // none: no question expected
    bool replaced;
  };
  const QDateTime sourceTime(QDate(2024, 1, 6), QTime(10, 11, 12));  // VendInfo.diz in the distribution
  const Case cases[] = {
      {"OlderAndDeclined", sourceTime.addDays(-1), MessageButton::No, false},
      {"OlderAndAgreed", sourceTime.addDays(-1), MessageButton::Yes, true},
      {"AsNewIsReplacedWithoutAQuestion", sourceTime, std::nullopt, true},
  };
  makeDistribution();
  const QString shared = context.windowsFolder + "VendInfo.diz";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QDir(installFolder()).removeRecursively();
    host.messages.clear();
    QFile old(shared);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly | QIODevice::Truncate));
    old.write("an older vendor file");
    old.close();
    ASSERT_TRUE(test::setModified(shared, c.targetTime));
    if (c.answer) host.messages.queueAnswers({*c.answer});
    InstallRequest r = request();
    r.targets[4] = shared;

    const InstallResult result = install(r);

    EXPECT_EQ(result.outcome, InstallOutcome::Complete);
    const QStringList expectedBoxes =
        c.answer ? QStringList{"The file \"" + shared +
                               "\" already exists, but Lunasoma has a newer version of this file.\n\n"
                               "Would you like to install this file?"}
                 : QStringList{};
    EXPECT_EQ(host.messages.texts(), expectedBoxes);
    EXPECT_EQ(contentsOf(shared) == contentsOf(dist + "/VendInfo.diz"), c.replaced);
  }
}

}  // namespace
}  // namespace lunasoma
