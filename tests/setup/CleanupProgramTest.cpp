// The cleanup program as the uninstall starts it: taken out of the program's resources, written
// to a temporary folder and run as its own process on temporary files.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include "setup/Uninstall.h"
#include "tests/support/FileSizeLimit.h"
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
    ASSERT_TRUE(
        program.startsWith("\x7f"
                           "ELF"))
        << "the built cleanup program is not among the resources";
    m_program = writeCleanupProgram(program, m_bin.path());
    ASSERT_FALSE(m_program.isEmpty());
  }

  // Starts the cleanup program with the given arguments, its working folder the sandbox, so that a
  // relative path would point at the sandbox's files. `delay` is the value of the delay variable,
  // unset when empty. The program announces the start of its wait on its output.
  void start(QProcess& process, const QStringList& arguments, const QString& delay) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("LUNASOMA_CLEANUP_DELAY_MS");
    if (!delay.isEmpty()) environment.insert("LUNASOMA_CLEANUP_DELAY_MS", delay);
    environment.insert("LUNASOMA_CLEANUP_REPORT", "1");
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(sandbox.path());
    process.start(m_program, arguments);
    ASSERT_TRUE(process.waitForStarted(10000));
  }

  // The line the program writes as its wait begins, or an empty one when it ended without waiting.
  static QByteArray waitLine(QProcess& process) {
    while (!process.canReadLine()) {
      if (!process.waitForReadyRead(30000)) return {};
    }
    return process.readLine().trimmed();
  }

  void run(const QStringList& arguments) {
    QProcess process;
    start(process, arguments, "0");
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

  run({program});

  EXPECT_FALSE(QFileInfo::exists(program));
  EXPECT_FALSE(QFileInfo::exists(folder));
  EXPECT_TRUE(QFileInfo::exists(sandbox.path() + "/Program Files"));
}

// The program is still there once the wait has begun: it is deleted only after the wait, which is
// five seconds unless the variable gives a valid other one.
TEST_F(CleanupProgram, WaitsBeforeDeletingFiveSecondsUnlessTold) {
  struct Row {
    const char* name;
    QString variable;  // empty: unset
    QByteArray reported;
  };
  const Row rows[] = {
      {"unset", "", "waiting 5000"},
      {"a whole number", "120000", "waiting 120000"},
      {"the longest allowed", "600000", "waiting 600000"},
      {"longer than allowed", "600001", "waiting 5000"},
      {"not a number", "1.5s", "waiting 5000"},
      {"negative", "-1", "waiting 5000"},
  };
  const QString program = sandbox.path() + "/Lunasoma/Lunasoma.exe";
  writeFile(program);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    QProcess process;
    start(process, {program}, row.variable);
    EXPECT_EQ(waitLine(process), row.reported);
    EXPECT_TRUE(QFileInfo::exists(program));
    process.kill();
    process.waitForFinished(10000);
  }
}

// Under a file-size limit the line it reports cannot be written whole; that does not stop it
// short of the deletion.
TEST_F(CleanupProgram, AFileSizeLimitDoesNotStopTheDeletion) {
  const QString folder = sandbox.path() + "/Lunasoma";
  const QString program = folder + "/Lunasoma.exe";
  writeFile(program);
  QProcess process;
  process.setStandardOutputFile(sandbox.path() + "/report");
  process.setChildProcessModifier([] { test::limitFileSizeOfProgram(3); });
  start(process, {program}, "0");
  ASSERT_TRUE(process.waitForFinished(30000));
  EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
  EXPECT_FALSE(QFileInfo::exists(program));
  EXPECT_FALSE(QFileInfo::exists(folder));
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
