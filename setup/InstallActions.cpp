#include "setup/InstallActions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

#include "app/InstallFileTable.h"
#include "app/OverrideCursorGuard.h"
#include "app/ProductInfo.h"
#include "app/StartMode.h"
#include "platform/Registry.h"
#include "setup/FileCopy.h"
#include "setup/InstallLayout.h"
#include "setup/InstallRecord.h"
#include "setup/InstallText.h"
#include "setup/ShortcutFile.h"

namespace lunasoma {

namespace {

QString fileNameAt(std::size_t entry) { return toQString(InstallFiles.fileNames[entry]); }
bool hasShortcuts(std::size_t entry) { return InstallFiles.shortcutFlags[entry] == '1'; }
bool isProgram(const QString& fileName) { return QFileInfo(fileName).suffix().toUpper() == QStringLiteral("EXE"); }

enum class FolderReady { Created, Existing, Declined, Failed };

// The installation folder after the first step: ready to receive the files, or not, and which
// folders this installation made (deepest last), so that a failed copy can take them back.
struct PreparedFolder {
  FolderReady state = FolderReady::Failed;
  std::vector<std::filesystem::path> created;
};

std::filesystem::path nativePath(const QString& path) {
  return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// Removes the folders an installation made, deepest first, each only when it is empty.
void removeCreatedFolders(const std::vector<std::filesystem::path>& created) {
  for (auto folder = created.rbegin(); folder != created.rend(); ++folder) {
    std::error_code ignored;
    std::filesystem::remove(*folder, ignored);  // an empty folder only: remove() leaves one that holds files
  }
}

void reportFolderNotCreated(const QString& installFolder, const std::error_code& reason,
                            const InstallEnvironment& environment) {
  environment.services.beeper.beep(Beep::Exclamation);
  environment.services.messages.error(environment.parent,
                                      fillPercentS(QStringLiteral("The folder\n\n%s\n\ncould not be created: %s.\n\n"
                                                                  "Please select a different folder to install to."),
                                                   {installFolder, QString::fromLocal8Bit(reason.message())}));
}

// Creates the installation folder (and a missing default parent such as ~/.local/opt, which the
// wizard does not create before Finish), or asks whether to install over the folder that is
// there. A folder that cannot be created is reported with the system's reason.
PreparedFolder prepareInstallFolder(const QString& installFolder, const InstallEnvironment& environment) {
  PreparedFolder prepared;
  if (QFileInfo(installFolder).isDir()) {
    environment.services.beeper.beep(Beep::Exclamation);
    const QString question = fillPercentS(
        QStringLiteral("The folder\n\n%s\n\napparently already exists. Do you want to overwrite existing files?"),
        {installFolder});
    const MessageButton answer =
        environment.services.messages.confirm(environment.parent, question, MessageButton::Yes | MessageButton::Cancel);
    if (answer == MessageButton::Yes) {
      prepared.state = FolderReady::Existing;
      return prepared;
    }
    environment.services.messages.information(
        environment.parent,
        QStringLiteral("No changes have been made. Please select a different folder to install to."));
    prepared.state = FolderReady::Declined;
    return prepared;
  }

  std::vector<std::filesystem::path> missing;
  std::error_code error;
  for (std::filesystem::path folder = nativePath(QDir::cleanPath(installFolder));
       !folder.empty() && !std::filesystem::exists(std::filesystem::symlink_status(folder, error));
       folder = folder.parent_path()) {
    missing.push_back(folder);
    if (folder == folder.parent_path()) break;
  }
  for (auto folder = missing.rbegin(); folder != missing.rend(); ++folder) {
    if (!std::filesystem::create_directory(*folder, error) || error) {
      if (!error) error = std::make_error_code(std::errc::file_exists);
      removeCreatedFolders(prepared.created);
      reportFolderNotCreated(installFolder, error, environment);
      prepared.created.clear();
      return prepared;
    }
    prepared.created.push_back(*folder);
  }
  if (missing.empty()) {
    // The path exists but is no folder (a file, or a link to one): nothing can be installed there.
    reportFolderNotCreated(installFolder, std::make_error_code(std::errc::file_exists), environment);
    return prepared;
  }
  prepared.state = FolderReady::Created;
  return prepared;
}

// Whether a file outside the installation folder should be replaced: only a target older than
// the source needs the user's consent.
bool mayReplace(const QString& target, const QString& source, const QString& installFolder,
                const InstallEnvironment& environment) {
  if (QFileInfo(target).path() == installFolder) return true;
  const QFileInfo targetInfo(target);
  const QFileInfo sourceInfo(source);
  if (!targetInfo.exists() || !sourceInfo.exists() || targetInfo.lastModified() >= sourceInfo.lastModified()) {
    return true;
  }
  const QString question =
      fillPercentS(QStringLiteral("The file \"%s\" already exists, but %s has a newer version of this file.\n\n"
                                  "Would you like to install this file?"),
                   {target, installProductName()});
  return environment.services.messages.confirm(environment.parent, question, MessageButton::Yes | MessageButton::No) ==
         MessageButton::Yes;
}

// What the copying did: whether every file arrived, the files it copied (and of those, the ones
// that were not there before), and the system's reason for the first copy that failed.
struct CopyReport {
  bool complete = true;
  QStringList copied;
  QStringList added;
  QString firstError;
};

CopyReport copyFiles(const InstallRequest& request, const InstallEnvironment& environment) {
  CopyReport report;
  for (std::size_t entry = 0; entry < InstallFiles.fileNames.size(); ++entry) {
    const QString target = request.targets.value(static_cast<qsizetype>(entry));
    const QString source = joinPath(request.sourceFolder, fileNameAt(entry));
    if (target.isEmpty()) {
      report.complete = false;
      continue;
    }
    try {
      if (!mayReplace(target, source, request.installFolder, environment)) continue;
      if (!QFileInfo::exists(source)) {
        report.complete = false;
        continue;
      }
      const bool existed = QFileInfo(target).exists() || QFileInfo(target).isSymLink();
      copyFileKeepingDate(source, target);
      report.copied << target;
      if (!existed) report.added << target;
    } catch (const FileIoError& error) {
      report.complete = false;
      if (report.firstError.isEmpty()) report.firstError = QString::fromStdString(error.what());
    } catch (const EMissingFile&) {
      report.complete = false;
    }
  }
  return report;
}

// Takes back what a failed installation added: the files it copied that were not there before
// (a file it replaced belongs to the installation that put it there, whose entry still names it).
void removeAddedFiles(const QStringList& added) {
  for (const QString& file : added) QFile::remove(file);
}

// Whether the installation now in the folder made it: this one did, or the one it replaces did.
bool folderMadeByInstallation(const InstallRequest& request, const PreparedFolder& folder, Registry& machine) {
  if (folder.state == FolderReady::Created) return true;
  try {
    const std::optional<std::string> command = machine.readString(uninstallEntryKey(), UninstallStringValue);
    if (!command) return false;
    const QString earlier = QFileInfo(programOfCommand(QString::fromStdString(*command))).absolutePath();
    if (QDir::cleanPath(earlier) != QDir::cleanPath(request.installFolder)) return false;
  } catch (const RegistryError&) {
    return false;
  }
  const std::optional<InstallRecord> earlier = readInstallRecord(machine);
  return earlier && earlier->createdFolder;
}

// Writes the uninstall entry, with the record of what was installed, when the machine keeps a list
// of installed programs. A machine hive gets that list when it is first made; one that holds no key
// at all could not be made, and writing the entry then says why. Returns the reason when the entry
// could not be written, so the result page can say so.
QString writeUninstallEntry(const InstallRequest& request, const InstallRecord& record, Registry& machine) {
  try {
    if (!machine.keyExists(UninstallKeyPath) && !machine.subkeyNames({}).empty()) return {};
    std::vector<NamedRegistryValue> values{
        {UninstallDisplayNameValue, RegistryValue{std::string(Product.productName)}},
        {UninstallStringValue,
         RegistryValue{uninstallCommand(request.installFolder, request.programFileName).toStdString()}}};
    for (NamedRegistryValue& value : installRecordValues(record)) values.push_back(std::move(value));
    machine.writeValues(uninstallEntryKey(), values);
    return {};
  } catch (const RegistryError& error) {
    const QString reason = QString::fromStdString(error.what());
    return reason.isEmpty() ? QStringLiteral("the registry could not be written") : reason;
  }
}

bool isHelpFile(const QString& fileName) { return QFileInfo(fileName).suffix().toUpper() == QStringLiteral("HLP"); }

// No desktop opens a help file of this kind, so the help shortcut starts the installed program
// with the word that opens its own help viewer; every other shortcut starts its file.
bool makeShortcut(ShortcutService& shortcuts, const InstallRequest& request, const QString& fileName,
                  const QString& linkFile) {
  const QString& folder = request.installFolder;
  const QString icon = installedIconFile(folder);
  if (isHelpFile(fileName)) {
    return createShortcutFile(shortcuts, withProductName(QStringLiteral("Read the %s help")),
                              joinPath(folder, request.programFileName), folder, QString::fromLatin1(HelpArgument),
                              icon, linkFile, 0, 0);
  }
  return createShortcutFile(shortcuts, QStringLiteral("Biorhythm charts for the days ahead"),
                            joinPath(folder, fileName), folder, QString(), icon, linkFile, 0, 0);
}

// The program's icon beside it, from the program's own resources; the desktop entries name it.
// A missing icon costs the entries their picture only, so a failure here is not reported.
void installIcons(const QString& installFolder) {
  const std::pair<QString, QString> icons[] = {
      {QStringLiteral(":/icons/lunasoma.svg"), installedIconFile(installFolder)},
      {QStringLiteral(":/icons/lunasoma-128.png"), installedIconBitmap(installFolder)},
  };
  for (const auto& [resource, target] : icons) {
    QFile::remove(target);
    if (QFile::copy(resource, target)) {
      QFile::setPermissions(
          target, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    }
  }
}

bool makeShortcuts(const InstallRequest& request, const InstallEnvironment& environment) {
  const InstallOptions& options = request.options;
  if (!options.startMenu && !options.onStartup && !options.desktop) return true;
  FolderService& folders = environment.services.folders;
  ShortcutService& shortcuts = environment.services.shortcuts;
  const QString programs = folders.programsFolder();
  const QString startup = folders.startupFolder();
  const QString desktop = folders.desktopFolder();

  bool complete = true;
  if (options.startMenu && !programs.isEmpty()) {
    // The shell folders are only looked up, so the menu folder itself may be missing yet. An
    // existing group is fine, and a group that cannot be made shows up as failed shortcuts.
    QDir().mkpath(startMenuGroupFolder(programs));
    for (std::size_t entry = 0; entry < InstallFiles.fileNames.size(); ++entry) {
      if (!hasShortcuts(entry)) continue;
      const QString fileName = fileNameAt(entry);
      complete &= makeShortcut(shortcuts, request, fileName, startMenuLinkFor(programs, fileName));
    }
    // Nothing on a Linux desktop reads the uninstall list, so the group offers the uninstall.
    const QString& folder = request.installFolder;
    complete &=
        createShortcutFile(shortcuts, withProductName(QStringLiteral("Remove %s from this computer")),
                           joinPath(folder, request.programFileName), folder, QString::fromLatin1(UninstallArgument),
                           installedIconFile(folder), startMenuUninstallLink(programs), 0, 0);
    environment.services.shell.openFolder(startMenuGroupFolder(programs));
  }
  const auto programShortcutsIn = [&](bool wanted, const QString& folder) {
    if (!wanted || folder.isEmpty()) return;
    QDir().mkpath(folder);
    for (std::size_t entry = 0; entry < InstallFiles.fileNames.size(); ++entry) {
      const QString fileName = fileNameAt(entry);
      if (!hasShortcuts(entry) || !isProgram(fileName)) continue;
      complete &= makeShortcut(shortcuts, request, fileName, folderLink(folder));
    }
  };
  programShortcutsIn(options.onStartup, startup);
  programShortcutsIn(options.desktop, desktop);
  return complete;
}

}  // namespace

QStringList finishListFor(const QString& installFolder, const QString& windowsFolder, const QString& systemFolder) {
  QStringList targets;
  for (std::size_t entry = 0; entry < InstallFiles.fileNames.size(); ++entry)
    targets << installedFilePath(entry, installFolder, windowsFolder, systemFolder);
  return targets;
}

InstallResult finishInstall(const InstallRequest& request, const InstallEnvironment& environment) {
  InstallResult result;
  const PreparedFolder folder = prepareInstallFolder(request.installFolder, environment);
  if (folder.state == FolderReady::Declined || folder.state == FolderReady::Failed) {
    result.outcome =
        folder.state == FolderReady::Declined ? InstallOutcome::FolderDeclined : InstallOutcome::FolderNotCreated;
    return result;
  }
  {
    const OverrideCursorGuard hourglass;
    const CopyReport copy = copyFiles(request, environment);
    result.filesComplete = copy.complete;
    result.copyError = copy.firstError;
    if (result.filesComplete) {
      installIcons(request.installFolder);
      QStringList names;
      for (const QString& target : copy.copied) {
        if (QFileInfo(target).path() == request.installFolder) names << QFileInfo(target).fileName();
      }
      names << QFileInfo(installedIconFile(request.installFolder)).fileName()
            << QFileInfo(installedIconBitmap(request.installFolder)).fileName();
      Registry& machine = environment.services.machineHive;
      const InstallRecord record{installedFilesIn(request.installFolder, names),
                                 folderMadeByInstallation(request, folder, machine)};
      result.uninstallEntryError = writeUninstallEntry(request, record, machine);
      result.shortcutsComplete = makeShortcuts(request, environment);
    } else {
      // Without an entry nothing could ever remove them, and entries for a program that is not
      // there would start nothing: what this run added goes again.
      removeAddedFiles(copy.added);
      removeCreatedFolders(folder.created);
    }
    if (environment.wait) environment.wait(3);
    if (environment.bringToFront) environment.bringToFront();
    environment.services.beeper.beep(Beep::Default);
  }
  const bool complete = result.filesComplete && result.shortcutsComplete && result.uninstallEntryError.isEmpty();
  result.outcome = complete ? InstallOutcome::Complete : InstallOutcome::Incomplete;
  return result;
}

QString incompleteResultText(const InstallResult& result, const QString& uninstallCommandText) {
  QStringList paragraphs;
  if (!result.filesComplete) {
    // The system's reason comes first: the advice below it is about missing files, and a folder
    // that cannot be written or a full disk needs another remedy.
    if (!result.copyError.isEmpty()) paragraphs << result.copyError;
    paragraphs << QStringLiteral(
        "Could not find or copy one or more files to the target folder. This installation is incomplete.\n\n"
        "Please download another complete copy from the following web site:");
  } else if (!result.shortcutsComplete) {
    paragraphs << QStringLiteral(
        "Could not create one or more of the shortcuts you specified. Please do so manually or run Setup again.");
  }
  if (!result.uninstallEntryError.isEmpty()) {
    const QString entry =
        fillPercentS(QStringLiteral("Could not write the uninstall entry: %s\n\nTo remove %s later, run %s"),
                     {result.uninstallEntryError, installProductName(), uninstallCommandText});
    // The web address belongs right under the text that asks for it, so the entry's note goes first.
    if (!result.filesComplete) {
      paragraphs.prepend(entry);
    } else {
      paragraphs << entry;
    }
  }
  return paragraphs.join(QStringLiteral("\n\n"));
}

bool incompleteResultShowsWebAddress(const InstallResult& result) { return !result.filesComplete; }

}  // namespace lunasoma
