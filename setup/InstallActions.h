#pragma once
// What Finish does: creates the installation folder, copies the product's files into it, writes
// the uninstall entry and the chosen shortcuts, and says how complete the result is. It asks its
// questions through the host's message service and shows no page itself; the wizard turns the
// result into a page.

#include <QString>
#include <QStringList>

#include <functional>

#include "platform/HostServices.h"

class QWidget;

namespace lunasoma {

struct InstallOptions {
  bool startMenu = true;
  bool onStartup = true;
  bool desktop = true;
};

struct InstallRequest {
  QString sourceFolder;     // where the running program lies, without a trailing separator
  QString programFileName;  // the running program's file name, for the uninstall command
  QString installFolder;    // parent folder + product name
  QStringList targets;      // the target path of each table entry, in table order
  InstallOptions options;
};

enum class InstallOutcome {
  FolderDeclined,    // the folder existed and the user chose another one; nothing was changed
  FolderNotCreated,  // the folder could not be made and the user was told why; nothing was changed
  Complete,
  Incomplete,
};

struct InstallResult {
  InstallOutcome outcome = InstallOutcome::Complete;
  bool filesComplete = true;
  bool shortcutsComplete = true;
  QString uninstallEntryError;  // why the uninstall entry could not be written; empty otherwise
  QString copyError;            // the system's reason for the first copy that failed; empty otherwise
};

// What the installation needs from its surroundings besides the request.
struct InstallEnvironment {
  HostServices& services;
  QWidget* parent = nullptr;           // owner of the message boxes
  std::function<void(int)> wait;       // the pause before the result, in seconds
  std::function<void()> bringToFront;  // raises the wizard above the opened group folder
};

// The target path of each table entry: the installation folder for location code 0, the Windows
// folder for 1, the system folder for any other code. Both of those end in a separator.
QStringList finishListFor(const QString& installFolder, const QString& windowsFolder, const QString& systemFolder);

InstallResult finishInstall(const InstallRequest& request, const InstallEnvironment& environment);

// The message of the failure page for an incomplete result, and whether the page shows the
// maker's web address under it (only when files are missing: a new copy is the remedy).
QString incompleteResultText(const InstallResult& result, const QString& uninstallCommandText);
bool incompleteResultShowsWebAddress(const InstallResult& result);

}  // namespace lunasoma
