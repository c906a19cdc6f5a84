// The installation on a Linux desktop: folders that cannot be made, copies that fail, and the
// desktop entries that must work there (help, icon, menu section, quoting).
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include "app/StartMode.h"
#include "platform/LinuxFolderService.h"
#include "platform/RegistryHives.h"
#include "setup/InstallActions.h"
#include "setup/InstallLayout.h"
#include "setup/Uninstall.h"
#include "tests/setup/InstallFixture.h"

namespace lunasoma {
namespace {

using test::contentsOf;
using test::InstallFixture;
using test::writeFile;

// The arguments of an Exec value as the desktop-entry format reads them: words split at blanks,
// double-quoted words with \", \`, \$ and \\ escaped inside, and "%%" for a literal '%'.
QStringList execArguments(const QString& exec) {
  QStringList words;
  QString word;
  bool inWord = false;
  for (qsizetype i = 0; i < exec.size(); ++i) {
    const QChar c = exec[i];
    if (c == ' ') {
      if (inWord) words << word;
      word.clear();
      inWord = false;
    } else if (c == '"') {
      inWord = true;
      for (++i; i < exec.size() && exec[i] != '"'; ++i) {
        if ((exec[i] == '\\' || (exec[i] == '%' && exec.mid(i, 2) == "%%")) && i + 1 < exec.size()) ++i;
        word += exec[i];
      }
    } else if (c == '%' && i + 1 < exec.size() && exec[i + 1] == '%') {
      inWord = true;
      word += '%';
      ++i;
    } else {
      inWord = true;
      word += c;
    }
  }
  if (inWord) words << word;
  return words;
}

class InstallOnLinux : public ::testing::Test, protected InstallFixture {
 protected:
  InstallResult install(const InstallRequest& r) {
    const InstallEnvironment environment{services, nullptr, [](int) {}, [] {}};
    return finishInstall(r, environment);
  }
  InstallRequest requestInto(const QString& folder) {
    InstallRequest r = requestFor();
    r.installFolder = folder;
    r.targets = finishListFor(folder, context.windowsFolder, context.systemFolder);
    return r;
  }
  QStringList entryFiles() {
    const QString programs = host.folders.programsFolder();
    return {host.shortcuts.shortcutFileFor(startMenuProgramLink(programs)),
            host.shortcuts.shortcutFileFor(startMenuHelpLink(programs)),
            host.shortcuts.shortcutFileFor(folderLink(host.folders.startupFolder())),
            host.shortcuts.shortcutFileFor(folderLink(host.folders.desktopFolder()))};
  }
  // The value of a key in a desktop entry file, unescaped as far as these tests need.
  QString entryValue(const QString& file, const QString& key) {
    for (const QString& line : QString::fromUtf8(contentsOf(file)).split('\n')) {
      if (line.startsWith(key + "=")) return line.mid(key.size() + 1).replace("\\\\", "\\");
    }
    return {};
  }
  bool anyEntryExists() {
    for (const QString& file : entryFiles()) {
      if (QFileInfo::exists(file)) return true;
    }
    return false;
  }
};

TEST_F(InstallOnLinux, AFolderThatCannotBeCreatedIsReportedWithItsReasonAndChangesNothing) {
  struct Row {
    const char* name;
    QString parentFile;  // a plain file standing where a folder is needed
    QString folder;
    QString reason;
  };
  makeDistribution();
  const QString blocker = work.path() + "/not a folder";
  writeFile(blocker, "a file");
  const Row rows[] = {
      {"the parent is a file", blocker, blocker + "/Lunasoma", "Not a directory"},
      {"the folder itself is a file", blocker, blocker, "File exists"},
      {"a missing parent below a file", blocker, blocker + "/deeper/Lunasoma", "Not a directory"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    host.journal.clear();
    host.messages.clear();
    const InstallResult result = install(requestInto(row.folder));

    EXPECT_EQ(result.outcome, InstallOutcome::FolderNotCreated);
    ASSERT_EQ(host.journal.size(), 2);
    EXPECT_EQ(host.journal[0], "beep Exclamation");
    EXPECT_TRUE(
        host.journal[1].startsWith("error The folder\n\n" + row.folder + "\n\ncould not be created: " + row.reason))
        << host.journal[1].toStdString();
    EXPECT_FALSE(host.machineHive.keyExists(uninstallEntryKey()));
    EXPECT_FALSE(anyEntryExists());
    EXPECT_EQ(contentsOf(blocker), QByteArray("a file"));
  }
}

TEST_F(InstallOnLinux, AMissingDefaultParentIsCreatedOnlyAtFinish) {
  makeDistribution();
  const QString parent = work.path() + "/home/.local/opt";
  const InstallResult result = install(requestInto(parent + "/Lunasoma"));
  EXPECT_EQ(result.outcome, InstallOutcome::Complete);
  EXPECT_TRUE(QFileInfo::exists(parent + "/Lunasoma/Lunasoma.exe"));
}

TEST_F(InstallOnLinux, FilesThatCouldNotBeCopiedLeaveNoEntriesAndNoEmptyFolder) {
  struct Row {
    const char* name;
    QStringList leaveOut;
    bool folderExistedBefore;
    bool folderStays;
  };
  const Row rows[] = {
      {"nothing copied into a new folder", test::productFileNames(), false, false},
      {"some copied into a new folder", {"Readme.txt"}, false, false},
      {"nothing copied into an existing folder", test::productFileNames(), true, true},
      {"some copied into an existing folder", {"Readme.txt"}, true, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    QDir(work.path()).removeRecursively();
    QDir(installFolder()).removeRecursively();
    makeDistribution(row.leaveOut);
    if (row.folderExistedBefore) {
      // An earlier installation's file there is replaced, and stays: that installation's entry
      // still names it. Only what this run added is taken back.
      writeFile(installFolder() + "/Setup.exe", "an earlier Setup.exe");
      host.messages.queueAnswers({MessageButton::Yes});
    }
    const InstallResult result = install(requestFor());

    EXPECT_EQ(result.outcome, InstallOutcome::Incomplete);
    EXPECT_FALSE(result.filesComplete);
    EXPECT_FALSE(host.machineHive.keyExists(uninstallEntryKey()));
    EXPECT_FALSE(anyEntryExists());
    EXPECT_EQ(QFileInfo::exists(installFolder()), row.folderStays);
    if (row.folderStays) {
      EXPECT_EQ(QDir(installFolder()).entryList(QDir::Files | QDir::Hidden), QStringList{"Setup.exe"});
    }
  }
}

// The wizard seeds a new machine hive on Finish and swallows a failure there; the entry's own write
// must then bring the reason to the result page instead of a success with nothing registered.
TEST_F(InstallOnLinux, AMachineHiveThatCannotBeMadeFailsTheInstallationWithTheReason) {
  makeDistribution();
  const QString blocker = work.path() + "/settings";
  writeFile(blocker, "a file where the settings folder belongs");
  RegistryHives hives = openRegistryHives((blocker + "/registry").toStdString(), MachineHiveSeeding::OnRequest);
  seedMachineHive(*hives.machine);
  HostServices withMachine{services.userHive, *hives.machine,     services.messages,  services.beeper,
                           services.shell,    services.shortcuts, services.wallpaper, services.folders,
                           services.drives,   services.system,    services.help};
  const InstallEnvironment environment{withMachine, nullptr, [](int) {}, [] {}};

  const InstallResult result = finishInstall(requestFor(), environment);

  EXPECT_EQ(result.outcome, InstallOutcome::Incomplete);
  EXPECT_TRUE(result.filesComplete);
  EXPECT_TRUE(result.uninstallEntryError.contains("Not a directory")) << result.uninstallEntryError.toStdString();
  const QString page = incompleteResultText(result, "the command");
  EXPECT_TRUE(page.startsWith("Could not write the uninstall entry: ")) << page.toStdString();
}

// A target that cannot be written (here a folder stands under a file's name) is not a missing
// file: the page keeps its text but says first what the system said.
TEST_F(InstallOnLinux, ACopyThatFailsShowsTheSystemsReasonAboveThePagesText) {
  makeDistribution();
  QDir().mkpath(installFolder() + "/Setup.exe");
  host.messages.queueAnswers({MessageButton::Yes});

  const InstallResult result = install(requestFor());

  EXPECT_EQ(result.outcome, InstallOutcome::Incomplete);
  EXPECT_TRUE(result.copyError.startsWith("Cannot write " + installFolder() + "/Setup.exe: "))
      << result.copyError.toStdString();
  const QString page = incompleteResultText(result, QString());
  EXPECT_TRUE(page.startsWith(result.copyError + "\n\nCould not find or copy one or more files")) << page.toStdString();
  EXPECT_TRUE(page.endsWith("Please download another complete copy from the following web site:"));
  EXPECT_TRUE(incompleteResultShowsWebAddress(result));

  // A missing source has no system's reason: the page is the plain text.
  QDir(installFolder()).removeRecursively();
  QFile::remove(dist + "/Readme.txt");
  const InstallResult missing = install(requestFor());
  EXPECT_TRUE(missing.copyError.isEmpty());
  EXPECT_TRUE(incompleteResultText(missing, QString()).startsWith("Could not find or copy"));
}

// Only the folders an entry is written into come into being: a home without a desktop or an
// autostart folder keeps it that way, through the installation and the uninstall.
TEST_F(InstallOnLinux, ShellFoldersAreCreatedOnlyToHoldAnEntry) {
  makeDistribution();
  const QString home = work.path() + "/home";
  LinuxFolderService folders(
      host.userHive, host.machineHive,
      {home + "/.local/share", home + "/.config", home + "/Desktop", home, work.path() + "/tmp"});
  HostServices withFolders{services.userHive, services.machineHive, services.messages,  services.beeper,
                           services.shell,    services.shortcuts,   services.wallpaper, folders,
                           services.drives,   services.system,      services.help};
  const InstallEnvironment environment{withFolders, nullptr, [](int) {}, [] {}};

  EXPECT_EQ(finishInstall(requestFor({true, false, false}), environment).outcome, InstallOutcome::Complete);

  EXPECT_TRUE(QFileInfo::exists(home + "/.local/share/applications/Lunasoma/Lunasoma.desktop"));
  EXPECT_FALSE(QFileInfo::exists(home + "/Desktop"));
  EXPECT_FALSE(QFileInfo::exists(home + "/.config"));

  host.messages.queueAnswers({MessageButton::Yes});
  const UninstallRequest request{installFolder() + "/Lunasoma.exe",
                                 installFolder() + "/",
                                 context.windowsFolder,
                                 context.systemFolder,
                                 QByteArray(),
                                 {},
                                 {}};
  EXPECT_EQ(uninstall(request, UninstallEnvironment{withFolders, nullptr, [] {}, {}}).outcome,
            UninstallOutcome::Uninstalled);
  EXPECT_FALSE(QFileInfo::exists(home + "/.local/share/applications/Lunasoma"));
  EXPECT_FALSE(QFileInfo::exists(home + "/Desktop"));
  EXPECT_FALSE(QFileInfo::exists(home + "/.config"));
}

TEST_F(InstallOnLinux, EveryEntryHasTheIconACommentAMenuSectionAndTheHelpEntryOpensTheViewer) {
  makeDistribution();
  ASSERT_EQ(install(requestFor()).outcome, InstallOutcome::Complete);
  const QString icon = installedIconFile(installFolder());
  EXPECT_TRUE(contentsOf(icon).contains("<svg"));
  EXPECT_FALSE(contentsOf(installedIconBitmap(installFolder())).isEmpty());

  for (const QString& file : entryFiles()) {
    SCOPED_TRACE(file.toStdString());
    EXPECT_EQ(entryValue(file, "Icon"), icon);
    EXPECT_FALSE(entryValue(file, "Comment").isEmpty());
    EXPECT_TRUE(entryValue(file, "Categories").endsWith(";"));
  }

  // The help entry starts the installed program with the word the start-up passes to the viewer.
  const QString helpEntry = entryFiles()[1];
  const QStringList command = execArguments(entryValue(helpEntry, "Exec"));
  ASSERT_EQ(command.size(), 2);
  EXPECT_EQ(command[0], installFolder() + "/Lunasoma.exe");
  EXPECT_EQ(startModeFor(command), StartMode::Help);
  EXPECT_FALSE(entryValue(helpEntry, "Exec").contains("xdg-open"));
  // The program's entry starts the chart.
  EXPECT_EQ(startModeFor(execArguments(entryValue(entryFiles()[0], "Exec"))), StartMode::Chart);
}

// A folder name with everything a shell or the desktop-entry format acts on.
const QString AwkwardFolder = "Tools $HOME `id` \"q\" 'a' back\\slash 100% #1;&|<>*?";

TEST_F(InstallOnLinux, TheUninstallCommandSurvivesAPosixShellForAnyFolderName) {
  const QString folders[] = {"/opt/Lunasoma", "/home/u/Program Files/Lunasoma", "/home/u/" + AwkwardFolder,
                             "/home/u/it's/Lunasoma", "/home/u/~tilde/-dash"};
  for (const QString& folder : folders) {
    SCOPED_TRACE(folder.toStdString());
    const QString command = uninstallCommand(folder, "Lunasoma.exe");
    EXPECT_EQ(programOfCommand(command), folder + "/Lunasoma.exe");
    // What a real shell makes of it: the program and the single word Uninstall.
    QProcess shell;
    shell.start("/bin/sh", {"-c", "printf '%s\\n' " + command});
    ASSERT_TRUE(shell.waitForFinished());
    EXPECT_EQ(QString::fromUtf8(shell.readAllStandardOutput()), folder + "/Lunasoma.exe\nUninstall\n");
  }
  // Entries written by earlier versions quoted blanks with double quotes; they still name the program.
  EXPECT_EQ(programOfCommand("\"/home/u/Program Files/Lunasoma/Lunasoma.exe\" Uninstall"),
            "/home/u/Program Files/Lunasoma/Lunasoma.exe");
  EXPECT_EQ(programOfCommand("'/unclosed Uninstall"), QString());
  EXPECT_EQ(programOfCommand("   "), QString());
}

TEST_F(InstallOnLinux, EveryEntryWrittenPassesTheDesktopEntryValidator) {
  const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
  if (validator.isEmpty()) GTEST_SKIP() << "desktop-file-validate is not installed (tools/install-deps.sh)";
  makeDistribution();
  for (const QString& parent : {host.folders.programFilesFolder(), work.path() + "/" + AwkwardFolder}) {
    SCOPED_TRACE(parent.toStdString());
    QDir().mkpath(parent);
    QDir(parent + "/Lunasoma").removeRecursively();
    ASSERT_EQ(install(requestInto(parent + "/Lunasoma")).outcome, InstallOutcome::Complete);
    for (const QString& file : entryFiles()) {
      QProcess check;
      check.start(validator, {file});
      ASSERT_TRUE(check.waitForFinished());
      const QString output = QString::fromUtf8(check.readAllStandardOutput() + check.readAllStandardError());
      EXPECT_EQ(check.exitCode(), 0) << file.toStdString() << "\n" << output.toStdString();
      EXPECT_TRUE(output.isEmpty()) << output.toStdString();
    }
    // The Exec line names the program in that folder, quoted as the format requires.
    const QString exec = entryValue(entryFiles()[0], "Exec");
    EXPECT_EQ(execArguments(exec), QStringList{parent + "/Lunasoma/Lunasoma.exe"}) << exec.toStdString();
  }
}

}  // namespace
}  // namespace lunasoma
