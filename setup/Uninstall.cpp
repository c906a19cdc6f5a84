#include "setup/Uninstall.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "app/InstallFileTable.h"
#include "app/ProductInfo.h"
#include "app/ProgramFolders.h"
#include "platform/Registry.h"
#include "setup/InstallLayout.h"
#include "setup/InstallRecord.h"
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
  const QString helpFile = toQString(InstallFiles.fileNames[HelpFileEntry]);
  return joinPath(programFolder, QFileInfo(helpFile).completeBaseName() + QStringLiteral(".gid"));
}

// True when no part of the path below the base folder is a symbolic link: a link in the Start Menu
// group path would steer the deletion into the folder it points to.
bool noLinkBelow(const QString& base, const QString& path) {
  const QString cleanBase = QDir::cleanPath(base);
  QString current = QDir::cleanPath(path);
  if (!current.startsWith(cleanBase + QLatin1Char('/'))) return false;
  while (current.size() > cleanBase.size()) {
    if (QFileInfo(current).isSymLink()) return false;
    current = QFileInfo(current).path();
  }
  return true;
}

void removeShortcutFile(const QString& shellFolder, const QString& file) {
  if (noLinkBelow(shellFolder, file)) removeFileOnly(file);
}

void removeShortcuts(const UninstallEnvironment& environment) {
  FolderService& folders = environment.services.folders;
  ShortcutService& shortcuts = environment.services.shortcuts;
  const QString programs = folders.programsFolder();
  const QString startup = folders.startupFolder();
  const QString desktop = folders.desktopFolder();

  if (!programs.isEmpty()) {
    removeShortcutFile(programs, shortcuts.shortcutFileFor(startMenuProgramLink(programs)));
    removeShortcutFile(programs, shortcuts.shortcutFileFor(startMenuHelpLink(programs)));
    removeShortcutFile(programs, shortcuts.shortcutFileFor(startMenuUninstallLink(programs)));
    removeEmptyFolder(startMenuGroupFolder(programs));
  }
  for (const QString& folder : {startup, desktop}) {
    if (!folder.isEmpty()) removeShortcutFile(folder, shortcuts.shortcutFileFor(folderLink(folder)));
  }
}

// The wallpaper bitmap the program writes beside itself is removed with the program's files when
// it is a bitmap at all, so that a file of that name the program did not write stays.
bool isBitmapFile(const QString& path) {
  if (!isPlainFile(QFileInfo(path))) return false;
  QFile file(path);
  return file.open(QIODevice::ReadOnly) && file.read(2) == "BM";
}

// Whether a file beside the program may go: with a record, when it is a recorded file as it was
// installed; without one, when its contents are the ones this build ships.
struct RemovalRule {
  const std::optional<InstallRecord>& record;
  const std::map<QString, QByteArray>& shipped;

  bool allows(const QString& folder, const QString& name) const {
    const QString path = joinPath(folder, name);
    if (record) {
      for (const InstalledFile& file : record->files) {
        if (file.name == name) return stillAsInstalled(path, file.size);
      }
      return false;
    }
    const auto digest = shipped.find(name);
    return digest != shipped.end() && isPlainFile(QFileInfo(path)) && fileDigest(path) == digest->second;
  }
};

// Removes the product's files and says which of them, lying beside the program, were left because
// they are not the ones installed (by name, in table order).
QStringList removeProductFiles(const UninstallRequest& request, const UninstallEnvironment& environment,
                               const QString& programFolder, const RemovalRule& rule) {
  QStringList leftBehind;
  const auto removeIfAllowed = [&](const QString& name) {
    const QString path = joinPath(programFolder, name);
    if (rule.allows(programFolder, name)) {
      removeFileOnly(path);
    } else if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) {
      leftBehind << name;
    }
  };
  for (std::size_t entry = 0; entry < InstallFiles.fileNames.size(); ++entry) {
    const QString fileName = toQString(InstallFiles.fileNames[entry]);
    const QString path = installedFilePath(entry, programFolder, request.windowsFolder, request.systemFolder);
    if (InstallFiles.locationCodes[entry] == '0') {
      // The running program is the cleanup program's to delete, once this process has ended.
      if (!sameFile(path, request.programFile)) removeIfAllowed(fileName);
      continue;
    }
    const QString question = fillPercentS(
        QCoreApplication::translate("Uninstall",
                                    "The file\n\n%s\n\nmay be used by another application. Do you want to delete it?"),
        {fileName});
    const MessageButton answer =
        environment.services.messages.confirm(environment.parent, question, MessageButton::Yes | MessageButton::No);
    if (answer != MessageButton::Yes) continue;
    removeFileOnly(path);
  }
  removeIfAllowed(QFileInfo(installedIconFile(programFolder)).fileName());
  removeIfAllowed(QFileInfo(installedIconBitmap(programFolder)).fileName());
  const QString bitmap = joinPath(programFolder, QString::fromLatin1(WallpaperBitmapName));
  if (isBitmapFile(bitmap)) removeFileOnly(bitmap);
  return leftBehind;
}

// The digests of what the build ships beside the program, with the icons it installs, which the
// program carries itself.
std::map<QString, QByteArray> shippedWithIcons(const UninstallRequest& request, const QString& programFolder) {
  std::map<QString, QByteArray> shipped = request.shippedDigests;
  shipped[QFileInfo(installedIconFile(programFolder)).fileName()] = fileDigest(QStringLiteral(":/icons/lunasoma.svg"));
  shipped[QFileInfo(installedIconBitmap(programFolder)).fileName()] =
      fileDigest(QStringLiteral(":/icons/lunasoma-128.png"));
  return shipped;
}

// Whether the folder goes once it is empty: only when the installation made it. Without a record
// that is known only of a folder named after the product, as every installation names its folder.
bool folderMadeByInstallation(const std::optional<InstallRecord>& record, const QString& programFolder) {
  if (record) return record->createdFolder;
  return QFileInfo(programFolder).fileName() == installProductName();
}

QString leftBehindNote(const QString& programFolder, const QStringList& names) {
  return fillPercentS(
      QCoreApplication::translate("Uninstall",
                                  "These files in\n\n%s\n\nwere left where they are, because they are not the "
                                  "ones %s installed:\n\n%s"),
      {programFolder, installProductName(), names.join(QLatin1Char('\n'))});
}

// The installation the uninstall entry names: its program file, or empty when there is no entry.
QString registeredProgram(Registry& machine) {
  try {
    const std::optional<std::string> command = machine.readString(uninstallEntryKey(), UninstallStringValue);
    return command ? programOfCommand(QString::fromStdString(*command)) : QString();
  } catch (const RegistryError&) {
    return {};
  }
}

QString notInstalledText(const QString& registered, const QString& programFile) {
  if (registered.isEmpty()) {
    return fillPercentS(QCoreApplication::translate("Uninstall",
                                                    "No installation of %s is registered, so the copy in\n\n%s\n\n"
                                                    "cannot be uninstalled. Nothing has been changed."),
                        {installProductName(), QFileInfo(programFile).absolutePath()});
  }
  return fillPercentS(
      QCoreApplication::translate(
          "Uninstall",
          "The copy of %s in\n\n%s\n\nis not the installed one. The uninstall entry names "
          "the installation in\n\n%s\n\nRun the uninstall from there. Nothing has been changed."),
      {installProductName(), QFileInfo(programFile).absolutePath(), QFileInfo(registered).absolutePath()});
}

// When the cleanup program cannot do it, or must not take the folder: a running program may delete
// its own file on Linux. The folder goes too when the installation made it and nothing else is left
// in it. True when the program file is gone.
bool removeProgramDirectly(const UninstallRequest& request, const UninstallEnvironment& environment,
                           const QString& programFolder, bool removeFolder) {
  const bool removed = environment.removeProgramFile ? environment.removeProgramFile(request.programFile)
                                                     : QFile::remove(request.programFile);
  if (!removed && QFileInfo::exists(request.programFile)) return false;
  if (removeFolder) removeEmptyFolder(programFolder);
  return true;
}

QString manualRemovalNote(const UninstallRequest& request, const QString& programFolder, bool folderToo) {
  if (!folderToo) {
    return fillPercentS(
        QCoreApplication::translate(
            "Uninstall", "The program file\n\n%s\n\ncould not be removed automatically. Please delete it by hand."),
        {request.programFile});
  }
  return fillPercentS(
      QCoreApplication::translate("Uninstall",
                                  "The program file and the folder\n\n%s\n\ncould not be removed automatically. "
                                  "Please delete them by hand."),
      {programFolder});
}

}  // namespace

QString cleanupProgramFolder(const QString& runtimeFolder, const QString& tempFolder) {
  if (!runtimeFolder.isEmpty() && QDir::isAbsolutePath(runtimeFolder) && QFileInfo(runtimeFolder).isDir()) {
    return runtimeFolder.endsWith(QLatin1Char('/')) ? runtimeFolder : runtimeFolder + QLatin1Char('/');
  }
  if (tempFolder.isEmpty()) return {};
  const QString folder = joinPath(tempFolder, QStringLiteral("lunasoma-%1").arg(::getuid())) + QLatin1Char('/');
  // Without the trailing separator, so that lstat looks at a link itself rather than its target.
  const QByteArray native = QFile::encodeName(folder.chopped(1));
  if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST) return {};
  struct stat info {};
  // Someone else may have made it first, to catch what is written there: only a real folder of
  // this user's that no one else may enter will do.
  if (::lstat(native.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid() ||
      (info.st_mode & 077) != 0) {
    return {};
  }
  return folder;
}

QString writeCleanupProgram(const QByteArray& program, const QString& folder) {
  if (program.isEmpty() || folder.isEmpty()) return {};
  const QString path = joinPath(folder, QString::fromLatin1(CleanupProgramName));
  // The bytes go into a fresh file of a unique name that is then renamed over the final name. A
  // rename replaces a link planted under that name in a shared temporary folder instead of
  // following it, and fails on a file owned by someone else there, rather than leaving their
  // program to be started. The unfinished file removes itself on every failure.
  QTemporaryFile file(
      joinPath(folder, QStringLiteral(".") + QString::fromLatin1(CleanupProgramName) + QStringLiteral(".XXXXXX")));
  if (!file.open() || file.write(program) != program.size() || !file.flush()) return {};
  const QFileDevice::Permissions executable = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                              QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                              QFileDevice::ExeOther;
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
  // Any copy of the program can be started with the uninstall word; only the installation the
  // entry names may take the entry, the shortcuts and the product's files with it.
  const QString registered = registeredProgram(services.machineHive);
  if (registered.isEmpty() || !sameFile(registered, request.programFile)) {
    services.beeper.beep(Beep::Exclamation);
    services.messages.error(environment.parent, notInstalledText(registered, request.programFile));
    result.outcome = UninstallOutcome::NotInstalled;
    return result;
  }
  const QString question =
      withProductName(QCoreApplication::translate("Uninstall", "Are you sure you want to uninstall %s?"));
  if (services.messages.confirm(environment.parent, question, MessageButton::Yes | MessageButton::Cancel) !=
      MessageButton::Yes) {
    return result;
  }
  result.outcome = UninstallOutcome::Uninstalled;

  // What the installation put there is read before its entry goes.
  const std::optional<InstallRecord> record = readInstallRecord(services.machineHive);
  deleteKeyQuietly(services.userHive, SettingsKeyPath);
  deleteKeyQuietly(services.machineHive, uninstallEntryKey());

  const QString programFolder = QDir::cleanPath(request.programFolder);
  removeShortcuts(environment);
  removeFileOnly(helpIndexFile(programFolder));
  const std::map<QString, QByteArray> shipped = shippedWithIcons(request, programFolder);
  const QStringList leftBehind = removeProductFiles(request, environment, programFolder, RemovalRule{record, shipped});
  const bool removeFolder = folderMadeByInstallation(record, programFolder);

  // The cleanup program takes the folder with the program file; a folder the installation did not
  // make stays, so the program file goes now and the cleanup program is not needed.
  if (removeFolder) {
    result.cleanupFile = writeCleanupProgram(
        request.cleanupProgram, cleanupProgramFolder(request.runtimeFolder, services.folders.tempFolder()));
  }
  bool removedByHandNeeded = false;
  if (result.cleanupFile.isEmpty()) {
    result.removedDirectly = removeProgramDirectly(request, environment, programFolder, removeFolder);
    removedByHandNeeded = !result.removedDirectly;
  }

  services.beeper.beep(Beep::Default);
  QString done = withProductName(QCoreApplication::translate("Uninstall", "%s has been uninstalled."));
  if (!leftBehind.isEmpty()) done += QStringLiteral("\n\n") + leftBehindNote(programFolder, leftBehind);
  if (removedByHandNeeded) done += QStringLiteral("\n\n") + manualRemovalNote(request, programFolder, removeFolder);
  services.messages.information(environment.parent, done);
  if (environment.processEvents) environment.processEvents();

  if (result.cleanupFile.isEmpty()) return result;
  // The path travels as one element of the argument list, so blanks in it need no short form.
  const QString canonicalProgram = QFileInfo(request.programFile).canonicalFilePath();
  const QString program = canonicalProgram.isEmpty() ? request.programFile : canonicalProgram;
  result.cleanupStarted = services.shell.startProgram(result.cleanupFile, {program});
  if (!result.cleanupStarted) {
    QFile::remove(result.cleanupFile);
    result.removedDirectly = removeProgramDirectly(request, environment, programFolder, removeFolder);
    if (!result.removedDirectly) {
      services.beeper.beep(Beep::Exclamation);
      services.messages.error(environment.parent, manualRemovalNote(request, programFolder, removeFolder));
    }
  }
  return result;
}

}  // namespace lunasoma
