#pragma once
// Removes an installation: after the user's Yes it deletes the settings key, the uninstall entry,
// the shortcuts and the Start Menu group, the help index, the wallpaper bitmap and the product's
// files, writes the cleanup program to the user's own runtime folder and starts it on the running
// program's file. It removes only the files the installation recorded, as they were installed (or,
// for an entry without a record, files with the contents this build ships), and names the product's
// files it left; it removes the folder only when the installation made it, never a folder that still
// holds anything, nothing reached through a symbolic link, and nothing at all unless the running
// program is the one the uninstall entry names. It does not end the process; the caller does that.

#include <QByteArray>
#include <QString>

#include <functional>
#include <map>

#include "platform/HostServices.h"

class QWidget;

namespace lunasoma {

struct UninstallRequest {
  QString programFile;        // full path of the running program; the cleanup program deletes it
  QString programFolder;      // the installation folder, with or without a trailing separator
  QString windowsFolder;      // ending in a separator
  QString systemFolder;       // ending in a separator
  QByteArray cleanupProgram;  // the cleanup program's bytes; empty when the program has none
  QString runtimeFolder;      // $XDG_RUNTIME_DIR, the user's own folder for it; empty when unset
  // The digests of the files this build ships, by name (see parseShippedDigests). Without a record
  // of the installation, only a file with these contents is deleted; empty, none is.
  std::map<QString, QByteArray> shippedDigests;
};

struct UninstallEnvironment {
  HostServices& services;
  QWidget* parent = nullptr;            // owner of the message boxes
  std::function<void()> processEvents;  // lets the closed message box disappear before the start
  // Deletes the running program's file when the cleanup program cannot; QFile::remove when unset.
  std::function<bool(const QString&)> removeProgramFile;
};

enum class UninstallOutcome {
  Cancelled,     // the user declined; nothing was changed
  Uninstalled,   // the program must end now
  NotInstalled,  // the running program is not the installation the uninstall entry names; the
                 // user was told which one it names, nothing was changed, the program ends
};

struct UninstallResult {
  UninstallOutcome outcome = UninstallOutcome::Cancelled;
  QString cleanupFile;  // where the cleanup program was written; empty when it could not be
  bool cleanupStarted = false;
  bool removedDirectly = false;  // the cleanup program could not run; the program file went at once
};

// The name the cleanup program gets in its folder.
inline constexpr char CleanupProgramName[] = "CorvantiUninstall.exe";

// The user's own folder for the cleanup program, ending in a separator: the runtime folder when
// there is one, else a folder "lunasoma-<user id>" under the temporary folder that only this user
// may enter (created when missing; refused when it is a link or anyone else's). Empty when
// neither can be had. Another user's cleanup program of the same name is then never in the way.
QString cleanupProgramFolder(const QString& runtimeFolder, const QString& tempFolder);

UninstallResult uninstall(const UninstallRequest& request, const UninstallEnvironment& environment);

// Writes the cleanup program into the folder as an executable, replacing an earlier
// copy. The file appears only complete: a failure leaves no partial file and does not follow a
// link planted under that name. Returns the file written, or an empty string on failure.
QString writeCleanupProgram(const QByteArray& program, const QString& folder);

}  // namespace lunasoma
