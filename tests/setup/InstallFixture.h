#pragma once
// A distribution folder and a fake host for the installation tests: the seven product files with
// known contents and modification times in a temporary folder, the fake host services, and a
// program context whose running program is the distribution's Lunasoma.exe.

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <gtest/gtest.h>

#include "app/InstallFileTable.h"
#include "app/ProgramContext.h"
#include "model/BiorhythmSettings.h"
#include "platform/Utf8Text.h"
#include "setup/InstallActions.h"
#include "tests/support/FakeHostServices.h"
#include "tests/support/TempFolder.h"

// The resources sit in a static library whose registration nothing in a test refers to, so the
// linker would leave them out; naming the registration pulls them in. It must be declared at
// global scope, where the resource compiler defines it.
inline void initLunasomaResources() { Q_INIT_RESOURCE(lunasoma); }

namespace lunasoma::test {

inline QStringList productFileNames() {
  QStringList names;
  for (std::string_view name : InstallFiles.fileNames) names << toQString(name);
  return names;
}

inline bool setModified(const QString& path, const QDateTime& when) {
  QFile file(path);
  return file.open(QIODevice::ReadWrite) && file.setFileTime(when, QFileDevice::FileModificationTime);
}

inline QByteArray contentsOf(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct InstallFixture {
  InstallFixture() { initLunasomaResources(); }

  FakeHostServices host;
  HostServices services = host.services();
  TempFolder work;
  QString dist = work.path() + "/dist";
  BiorhythmSettings settings;
  ProgramContext context{services,
                         settings,
                         dist + "/Lunasoma.exe",
                         dist + "/",
                         host.folders.windowsFolder(),
                         host.folders.systemFolder(),
                         DateLocale{},
                         std::string()};

  // Writes the distribution, leaving out the named files. Each file gets its own contents and its
  // own modification time in January 2024, so a copy that loses either shows.
  void makeDistribution(const QStringList& leaveOut = {}) {
    QDir().mkpath(dist);
    int day = 1;
    for (const QString& name : productFileNames()) {
      ++day;
      if (leaveOut.contains(name)) continue;
      const QString path = dist + "/" + name;
      QFile file(path);
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write(QByteArray("contents of ") + name.toUtf8() + QByteArray(static_cast<qsizetype>(day) * 1000, 'x'));
      file.close();
      if (name.endsWith(".exe")) file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
      ASSERT_TRUE(setModified(path, QDateTime(QDate(2024, 1, day), QTime(10, 11, 12))));
    }
  }

  QString parent() { return host.folders.programFilesFolder(); }
  QString installFolder() { return parent() + "/Lunasoma"; }

  // What the wizard hands over on Finish for the default folder and the shipped file list.
  InstallRequest requestFor(InstallOptions options = {}) {
    InstallRequest r;
    r.sourceFolder = dist;
    r.programFileName = "Lunasoma.exe";
    r.installFolder = installFolder();
    r.targets = finishListFor(r.installFolder, context.windowsFolder, context.systemFolder);
    r.options = options;
    return r;
  }
};

}  // namespace lunasoma::test
