#pragma once
// Removes an installation: after the user's Yes it deletes the settings key, the uninstall entry,
// the shortcuts and the Start Menu group, the help index and the product's files, writes the
// cleanup program to the temporary folder and starts it on the running program's file. It removes
// only what an installation names, never a folder that still holds anything. It does not end the
// process; the caller does that when the uninstall ran.

#include <QByteArray>
#include <QString>

#include <functional>

#include "platform/HostServices.h"

class QWidget;

namespace lunasoma {

struct UninstallRequest {
  QString programFile;    // full path of the running program; the cleanup program deletes it
  QString programFolder;  // the installation folder, with or without a trailing separator
  QString windowsFolder;  // ending in a separator
  QString systemFolder;   // ending in a separator
  QByteArray cleanupProgram;  // the cleanup program's bytes; empty when the program has none
};

struct UninstallEnvironment {
  HostServices& services;
  QWidget* parent = nullptr;             // owner of the message boxes
  std::function<void()> processEvents;   // lets the closed message box disappear before the start
};

enum class UninstallOutcome {
  Cancelled,    // the user declined; nothing was changed
  Uninstalled,  // the program must end now
};

struct UninstallResult {
  UninstallOutcome outcome = UninstallOutcome::Cancelled;
  QString cleanupFile;         // where the cleanup program was written; empty when it could not be
  bool cleanupStarted = false;
};

// The name the cleanup program gets in the temporary folder.
inline constexpr char CleanupProgramName[] = "CorvantiUninstall.exe";

UninstallResult uninstall(const UninstallRequest& request, const UninstallEnvironment& environment);

// Writes the cleanup program into the temporary folder as an executable, replacing an earlier
// copy. The file appears only complete: a failure leaves no partial file and does not follow a
// link planted under that name. Returns the file written, or an empty string on failure.
QString writeCleanupProgram(const QByteArray& program, const QString& tempFolder);

}  // namespace lunasoma
