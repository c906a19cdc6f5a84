#pragma once
// Runs a built program as a user would, in a sandbox of its own: a temporary home, XDG folders,
// registry folder and temporary folder, and the offscreen platform, so that nothing it does
// reaches the real home, registry or desktop.

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <functional>
#include <ostream>

#include <gtest/gtest.h>

#include "tests/support/TempFolder.h"

// Failures show texts and folder listings as text, not as arrays of UTF-16 units.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& list, std::ostream* out) { *out << '{' << list.join(", ").toStdString() << '}'; }

namespace lunasoma::test {

struct ProgramRun {
  bool finished = false;  // false when it did not start or did not end by itself
  QProcess::ExitStatus status = QProcess::CrashExit;
  int exitCode = -1;
  QByteArray out;
  QByteArray err;
};

class ProgramSandbox {
 public:
  ProgramSandbox() {
    for (const char* folder : {"home/.config", "home/.local/share", "home/.local/state", "home/.cache", "reg", "tmp"})
      QDir().mkpath(m_root.path() + QLatin1Char('/') + QLatin1String(folder));
    QDir().mkpath(runtimeFolder());
    QFile::setPermissions(runtimeFolder(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  }

  QString home() const { return m_root.path() + QStringLiteral("/home"); }
  QString registryFolder() const { return m_root.path() + QStringLiteral("/reg"); }
  QString tempFolder() const { return m_root.path() + QStringLiteral("/tmp"); }
  QString runtimeFolder() const { return m_root.path() + QStringLiteral("/run"); }

  // The caller's environment with every folder a program could write to moved into the sandbox,
  // and no display.
  QProcessEnvironment environment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home());
    environment.insert("XDG_CONFIG_HOME", home() + "/.config");
    environment.insert("XDG_DATA_HOME", home() + "/.local/share");
    environment.insert("XDG_STATE_HOME", home() + "/.local/state");
    environment.insert("XDG_CACHE_HOME", home() + "/.cache");
    environment.insert("XDG_RUNTIME_DIR", runtimeFolder());
    environment.insert("LUNASOMA_REGISTRY_DIR", registryFolder());
    environment.insert("TMPDIR", tempFolder());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    return environment;
  }

 private:
  TempFolder m_root;
};

struct ProgramStart {
  QString program;
  QStringList arguments;
  QProcessEnvironment environment;
  QString workingFolder;                // the test's own when empty
  QString standardOutputFile;           // captured when empty
  std::function<void()> childModifier;  // runs in the child between fork and exec
};

// Starts the program and waits until it ends by itself. The wait is bounded only so that a
// program that hangs fails its test instead of holding up the whole run; it is not a timing.
inline ProgramRun runProgram(const ProgramStart& start) {
  QProcess process;
  process.setProcessEnvironment(start.environment);
  if (!start.workingFolder.isEmpty()) process.setWorkingDirectory(start.workingFolder);
  if (!start.standardOutputFile.isEmpty()) process.setStandardOutputFile(start.standardOutputFile);
  if (start.childModifier) process.setChildProcessModifier(start.childModifier);
  process.start(start.program, start.arguments);
  ProgramRun run;
  if (!process.waitForStarted(30000)) {
    ADD_FAILURE() << start.program.toStdString() << " did not start: " << process.errorString().toStdString();
    return run;
  }
  run.finished = process.waitForFinished(60000);
  if (!run.finished) {
    ADD_FAILURE() << start.program.toStdString() << " did not end by itself";
    process.kill();
    process.waitForFinished();
  }
  run.status = process.exitStatus();
  run.exitCode = process.exitCode();
  run.out = process.readAllStandardOutput();
  run.err = process.readAllStandardError();
  return run;
}

// The names in a folder, hidden ones included, sorted.
inline QStringList entriesOf(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

}  // namespace lunasoma::test
