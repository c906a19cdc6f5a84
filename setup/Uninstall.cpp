#include "setup/Uninstall.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <filesystem>
#include <string>
#include <system_error>

#include "app/InstallFileTable.h"
#include "app/ProductInfo.h"
#include "platform/Registry.h"
#include "setup/InstallLayout.h"
#include "setup/InstallText.h"

namespace lunasoma {

namespace {

// The entry of the table that holds the help file; its index file sits beside it.
constexpr std::size_t HelpFileEntry = 2;

// Deletes one file and nothing else: a folder of that name stays, whatever it holds, and a link
// is removed as a link without touching what it points to. Failures are ignored, because a file
// that is already gone is what the uninstall wants anyway.
void removeFileOnly(const QString& path) {
  const QFileInfo info(path);
  if (info.isDir() && !info.isSymLink()) return;
  QFile::remove(path);
}

// Removes a folder only when it is empty, so that whatever the user put there survives.
void removeEmptyFolder(const QString& path) {
  const QFileInfo info(path);
  if (!info.isDir() || info.isSymLink()) return;
  QDir().rmdir(path);
}

void deleteKeyQuietly(Registry& hive, std::string_view key) {
  try {
    if (hive.keyExists(key)) hive.deleteKey(key);
  } catch (const RegistryError&) {
    // The uninstall goes on: there is no way back after the user's Yes, and a key left behind
    // harms nothing.
  }
}

bool sameFile(const QString& a, const QString& b) {
  const QString canonicalA = QFileInfo(a).canonicalFilePath();
  if (!canonicalA.isEmpty()) return canonicalA == QFileInfo(b).canonicalFilePath();
  return QDir::cleanPath(a) == QDir::cleanPath(b);
}

QString helpIndexFile(const QString& programFolder) {
  const QString helpFile = fromProductText(InstallFiles.fileNames[HelpFileEntry]);
  return joinPath(programFolder, QFileInfo(helpFile).completeBaseName() + QStringLiteral(".gid"));
}

void removeShortcuts(const UninstallEnvironment& environment) {
  FolderService& folders = environment.services.folders;
  ShortcutService& shortcuts = environment.services.shortcuts;
  const QString programs = folders.programsFolder();
  const QString startup = folders.startupFolder();
  const QString desktop = folders.desktopFolder();

  if (!programs.isEmpty()) {
    removeFileOnly(shortcuts.shortcutFileFor(startMenuProgramLink(programs)));
    removeFileOnly(shortcuts.shortcutFileFor(startMenuHelpLink(programs)));
    removeEmptyFolder(startMenuGroupFolder(programs));
  }
  for (const QString& folder : {startup, desktop}) {
    if (!folder.isEmpty()) removeFileOnly(shortcuts.shortcutFileFor(folderLink(folder)));
  }
}

void removeProductFiles(const UninstallRequest& request, const UninstallEnvironment& environment,
                        const QString& programFolder) {
  for (std::size_t entry = 0; entry < InstallFiles.fileNames.size(); ++entry) {
    const QString fileName = fromProductText(InstallFiles.fileNames[entry]);
    const char code = InstallFiles.locationCodes[entry];
    if (code == '0') {
      const QString path = joinPath(programFolder, fileName);
      // The running program is the cleanup program's to delete, once this process has ended.
      if (!sameFile(path, request.programFile)) removeFileOnly(path);
      continue;
    }
    const QString question = fillPercentS(
        QStringLiteral("The file\n\n%s\n\nmay be used by another application. Do you want to delete it?"), {fileName});
    const MessageButton answer = environment.services.messages.confirm(
        environment.parent, question, static_cast<int>(MessageButton::Yes) | static_cast<int>(MessageButton::No));
    if (answer != MessageButton::Yes) continue;
    if (code == '1') removeFileOnly(request.windowsFolder + fileName);
    if (code == '2') removeFileOnly(request.systemFolder + fileName);
  }
}

QString manualRemovalNote(const QString& programFolder) {
  return fillPercentS(QStringLiteral("The program file and the folder\n\n%s\n\ncould not be removed automatically. "
                                     "Please delete them by hand."),
                      {programFolder});
}

}  // namespace

QString writeCleanupProgram(const QByteArray& program, const QString& tempFolder) {
  if (program.isEmpty() || tempFolder.isEmpty()) return {};
  const QString path = joinPath(tempFolder, QString::fromLatin1(CleanupProgramName));
  // The bytes go into a fresh file of a unique name that is then renamed over the final name. A
  // rename replaces a link planted under that name in a shared temporary folder instead of
  // following it, and fails on a file owned by someone else there, rather than leaving their
  // program to be started. The unfinished file removes itself on every failure.
  QTemporaryFile file(joinPath(tempFolder, QStringLiteral(".") + QString::fromLatin1(CleanupProgramName) +
                                               QStringLiteral(".XXXXXX")));
  if (!file.open() || file.write(program) != program.size() || !file.flush()) return {};
  const QFileDevice::Permissions executable = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                              QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
  if (!file.setPermissions(executable)) return {};
  file.close();
  std::error_code error;
  std::filesystem::rename(QFile::encodeName(file.fileName()).toStdString(), QFile::encodeName(path).toStdString(),
                          error);
  if (error) return {};
  file.setAutoRemove(false);
  return path;
}

UninstallResult uninstall(const UninstallRequest& request, const UninstallEnvironment& environment) {
  HostServices& services = environment.services;
  UninstallResult result;
  const QString question = withProductName(QStringLiteral("Are you sure you want to uninstall %s?"));
  if (services.messages.confirm(environment.parent, question,
                                static_cast<int>(MessageButton::Yes) | static_cast<int>(MessageButton::Cancel)) !=
      MessageButton::Yes) {
    return result;
  }
  result.outcome = UninstallOutcome::Uninstalled;

  deleteKeyQuietly(services.userHive, SettingsKeyPath);
  deleteKeyQuietly(services.machineHive, uninstallEntryKey());

  const QString programFolder = QDir::cleanPath(request.programFolder);
  removeShortcuts(environment);
  removeFileOnly(helpIndexFile(programFolder));
  removeProductFiles(request, environment, programFolder);

  result.cleanupFile = writeCleanupProgram(request.cleanupProgram, services.folders.tempFolder());

  services.beeper.beep(Beep::Default);
  QString done = withProductName(QStringLiteral("%s has been uninstalled."));
  if (result.cleanupFile.isEmpty()) done += QStringLiteral("\n\n") + manualRemovalNote(programFolder);
  services.messages.information(environment.parent, done);
  if (environment.processEvents) environment.processEvents();

  if (result.cleanupFile.isEmpty()) return result;
  // The path travels as one element of the argument list, so blanks in it need no short form.
  const QString canonicalProgram = QFileInfo(request.programFile).canonicalFilePath();
  const QString program = canonicalProgram.isEmpty() ? request.programFile : canonicalProgram;
  result.cleanupStarted = services.shell.startProgram(result.cleanupFile, {program});
  if (!result.cleanupStarted) {
    services.beeper.beep(Beep::Exclamation);
    services.messages.error(environment.parent, manualRemovalNote(programFolder));
  }
  return result;
}

}  // namespace lunasoma
