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

bool copyFiles(const InstallRequest& request, const InstallEnvironment& environment) {
  bool complete = true;
  for (std::size_t entry = 0; entry < InstallFiles.fileNames.size(); ++entry) {
    const QString target = request.targets.value(static_cast<qsizetype>(entry));
    const QString source = joinPath(request.sourceFolder, fileNameAt(entry));
    if (target.isEmpty()) {
      complete = false;
      continue;
    }
    try {
      if (!mayReplace(target, source, request.installFolder, environment)) continue;
      if (!QFileInfo::exists(source)) {
        complete = false;
        continue;
      }
      copyFileKeepingDate(source, target);
    } catch (const FileIoError&) {
      complete = false;
    } catch (const EMissingFile&) {
      complete = false;
    }
  }
  return complete;
}

// Writes the uninstall entry when the machine keeps a list of installed programs. Returns the
// reason when the entry could not be written, so the result page can say so.
QString writeUninstallEntry(const InstallRequest& request, Registry& machine) {
  try {
    if (!machine.keyExists(UninstallKeyPath)) return {};
    machine.writeValues(
        uninstallEntryKey(),
        {{UninstallDisplayNameValue, RegistryValue{std::string(Product.productName)}},
         {UninstallStringValue,
          RegistryValue{uninstallCommand(request.installFolder, request.programFileName).toStdString()}}});
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
    // An existing group is fine, and a group that cannot be made shows up as failed shortcuts.
    QDir(programs).mkdir(installProductName());
    for (std::size_t entry = 0; entry < InstallFiles.fileNames.size(); ++entry) {
      if (!hasShortcuts(entry)) continue;
      const QString fileName = fileNameAt(entry);
      complete &= makeShortcut(shortcuts, request, fileName, startMenuLinkFor(programs, fileName));
    }
    environment.services.shell.openFolder(startMenuGroupFolder(programs));
  }
  const auto programShortcutsIn = [&](bool wanted, const QString& folder) {
    if (!wanted || folder.isEmpty()) return;
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
    result.filesComplete = copyFiles(request, environment);
    if (result.filesComplete) {
      installIcons(request.installFolder);
      result.uninstallEntryError = writeUninstallEntry(request, environment.services.machineHive);
      result.shortcutsComplete = makeShortcuts(request, environment);
    } else {
      // Entries for a program that is not there would start nothing and could not be removed.
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
