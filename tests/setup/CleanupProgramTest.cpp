// The cleanup program as the uninstall starts it: taken out of the program's resources, written
// to a temporary folder and run as its own process on temporary files.

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

#include <gtest/gtest.h>

#include "setup/Uninstall.h"
#include "tests/support/TempFolder.h"

namespace lunasoma {
namespace {

using test::TempFolder;

QByteArray embeddedCleanupProgram() {
  QFile file(":/cleanup/CorvantiUninstall.exe");
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

using test::writeFile;
QStringList treeOf(const QString& root) {
  QStringList entries;
  QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QFileInfo info(it.next());
    entries << info.filePath() + (info.isSymLink() ? " link" : info.isDir() ? " dir" : " file");
  }
  entries.sort();
  return entries;
}

class CleanupProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    const QByteArray program = embeddedCleanupProgram();
    ASSERT_TRUE(program.startsWith("\x7f" "ELF")) << "the built cleanup program is not among the resources";
    m_program = writeCleanupProgram(program, m_bin.path());
    ASSERT_FALSE(m_program.isEmpty());
  }

  // Starts the cleanup program with the given arguments, its working folder the sandbox, so that a
  // relative path would point at the sandbox's files. A delay below zero leaves the default wait.
  void start(QProcess& process, const QStringList& arguments, int delayMs) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("LUNASOMA_CLEANUP_DELAY_MS");
    if (delayMs >= 0) environment.insert("LUNASOMA_CLEANUP_DELAY_MS", QString::number(delayMs));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(sandbox.path());
    process.start(m_program, arguments);
    ASSERT_TRUE(process.waitForStarted(10000));
  }

  void run(const QStringList& arguments, int delayMs = 0) {
    QProcess process;
    start(process, arguments, delayMs);
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);
  }

  TempFolder sandbox;

 private:
  TempFolder m_bin;
  QString m_program;
};

TEST_F(CleanupProgram, DeletesTheProgramAndItsEmptyFolderAfterTheWait) {
  const QString folder = sandbox.path() + "/Program Files/Lunasoma";
  const QString program = folder + "/Lunasoma.exe";
  writeFile(program);

  QProcess process;
  start(process, {program}, 1500);
  // Still there while the cleanup waits for the program to end.
  QThread::msleep(300);
  EXPECT_TRUE(QFileInfo::exists(program));
  ASSERT_TRUE(process.waitForFinished(30000));

  EXPECT_FALSE(QFileInfo::exists(program));
  EXPECT_FALSE(QFileInfo::exists(folder));
  EXPECT_TRUE(QFileInfo::exists(sandbox.path() + "/Program Files"));
}

TEST_F(CleanupProgram, WaitsSecondsUnlessTold) {
  const QString program = sandbox.path() + "/Lunasoma/Lunasoma.exe";
  writeFile(program);

  QProcess process;
  start(process, {program}, -1);
  EXPECT_FALSE(process.waitForFinished(1500));
  EXPECT_TRUE(QFileInfo::exists(program));
  process.kill();
  process.waitForFinished(10000);
}

TEST_F(CleanupProgram, AFolderThatHoldsMoreKeepsItself) {
  const QString folder = sandbox.path() + "/Lunasoma";
  writeFile(folder + "/Lunasoma.exe");
  writeFile(folder + "/my notes.txt", "the user's own");

  run({folder + "/Lunasoma.exe"});

  EXPECT_EQ(treeOf(sandbox.path()), (QStringList{folder + " dir", folder + "/my notes.txt file"}));
}

// Anything that is not plainly one program file leaves everything as it was.
TEST_F(CleanupProgram, DeletesNothingForAnythingButOneProgramFile) {
  const QString root = sandbox.path();
  const QString folder = root + "/Lunasoma";
  writeFile(folder + "/Lunasoma.exe");
  writeFile(root + "/victim/precious.txt");
  writeFile(root + "/alone/only.txt");
  ASSERT_TRUE(QFile::link(folder + "/Lunasoma.exe", root + "/alone/program link"));
  ASSERT_TRUE(QFile::link(root + "/victim", root + "/folder link"));
  QDir().mkpath(root + "/empty");
  const QStringList before = treeOf(root);

  struct Row {
    const char* name;
    QStringList arguments;
  };
  const Row rows[] = {
      {"no argument", {}},
      {"an empty argument", {""}},
      {"two arguments", {folder + "/Lunasoma.exe", root + "/victim/precious.txt"}},
      {"a relative path", {"Lunasoma/Lunasoma.exe"}},
      {"a folder", {folder}},
      {"a folder with a trailing separator", {folder + "/"}},
      {"a path with ..", {folder + "/../victim/precious.txt"}},
      {"a path with .", {root + "/./victim/precious.txt"}},
      {"a doubled separator", {root + "//victim/precious.txt"}},
      {"a link to the program", {root + "/alone/program link"}},
      {"a file reached through a folder link", {root + "/folder link/precious.txt"}},
      {"a file that does not exist in an empty folder", {root + "/empty/Lunasoma.exe"}},
      {"the root", {"/"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    run(row.arguments);
    EXPECT_EQ(treeOf(root), before);
  }
}

}  // namespace
}  // namespace lunasoma
