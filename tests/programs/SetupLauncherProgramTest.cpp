// Setup.exe as a user starts it: a copy in a folder of its own, with a stand-in Lunasoma.exe beside
// it that writes down how it was started.
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <gtest/gtest.h>

#include "tests/programs/ProgramRun.h"
#include "tests/support/FileSizeLimit.h"

namespace lunasoma {
namespace {

using test::ProgramRun;
using test::ProgramSandbox;
using test::writeFile;

constexpr QFileDevice::Permissions Executable = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                QFileDevice::ExeOwner | QFileDevice::ReadUser | QFileDevice::WriteUser |
                                                QFileDevice::ExeUser;

// Writes its own path and then each argument, each ended by a NUL so that blanks, new lines and
// empty arguments stay visible, and ends with a code of its own.
constexpr char StandIn[] =
    "#!/bin/sh\n"
    "printf '%s\\0' \"$0\" \"$@\" > \"$(dirname \"$0\")/started-with\"\n"
    "exit 42\n";
constexpr int StandInExitCode = 42;

class SetupLauncher : public ::testing::Test {
 protected:
  // Setup.exe copied into `folder`, which is created; the copy's path.
  QString copySetupInto(const QString& folder) {
    QDir().mkpath(folder);
    const QString copy = folder + "/Setup.exe";
    EXPECT_TRUE(QFile::copy(QStringLiteral(LUNASOMA_DIST_DIR "/Setup.exe"), copy)) << "Setup.exe is not built";
    QFile::setPermissions(copy, Executable);
    return copy;
  }
  void placeStandIn(const QString& folder) {
    writeFile(folder + "/Lunasoma.exe", StandIn);
    QFile::setPermissions(folder + "/Lunasoma.exe", Executable);
  }
  ProgramRun run(const QString& program, const QStringList& arguments) {
    return test::runProgram({program, arguments, sandbox.environment(), elsewhere.path(), {}, {}});
  }
  static QList<QByteArray> startedWith(const QString& folder) {
    QFile file(folder + "/started-with");
    if (!file.open(QIODevice::ReadOnly)) return {};
    QByteArray words = file.readAll();
    if (words.endsWith('\0')) words.chop(1);
    return words.split('\0');
  }

  ProgramSandbox sandbox;
  test::TempFolder install;
  test::TempFolder elsewhere;  // the working folder: the program beside Setup.exe is meant, not one here
};

TEST_F(SetupLauncher, StartsTheProgramBesideItWithOnlySetup) {
  struct Row {
    const char* name;
    QStringList arguments;
  };
  const Row rows[] = {
      {"no arguments", {}},
      {"setup itself", {"SETUP"}},
      {"another mode", {"UNINSTALL"}},
      {"help", {"HELP"}},
      {"switches", {"/S", "/D=C:\\Lunasoma"}},
      {"blanks, an empty word and a new line", {"two words", "", "line\nbreak"}},
  };
  const QString folder = install.path() + "/Program Files/Lunasoma setup";
  const QString setup = copySetupInto(folder);
  placeStandIn(folder);
  // Another stand-in in the working folder, which must not be the one started.
  placeStandIn(elsewhere.path());
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    QFile::remove(folder + "/started-with");
    const ProgramRun result = run(setup, row.arguments);
    EXPECT_EQ(result.status, QProcess::NormalExit);
    EXPECT_EQ(result.exitCode, StandInExitCode) << "Setup.exe becomes the program it starts";
    EXPECT_EQ(result.err, QByteArray());
    EXPECT_EQ(startedWith(folder), (QList<QByteArray>{(folder + "/Lunasoma.exe").toLocal8Bit(), "SETUP"}));
    EXPECT_FALSE(QFileInfo::exists(elsewhere.path() + "/started-with"));
  }
}

// Started through a link from another folder, it starts the program beside the file itself.
TEST_F(SetupLauncher, ThroughALinkStartsTheProgramBesideTheFile) {
  const QString folder = install.path() + "/dist";
  const QString setup = copySetupInto(folder);
  placeStandIn(folder);
  const QString linkFolder = install.path() + "/links";
  QDir().mkpath(linkFolder);
  placeStandIn(linkFolder);
  ASSERT_TRUE(QFile::link(setup, linkFolder + "/Setup.exe"));

  const ProgramRun result = run(linkFolder + "/Setup.exe", {"x"});
  EXPECT_EQ(result.exitCode, StandInExitCode);
  EXPECT_EQ(startedWith(folder), (QList<QByteArray>{(folder + "/Lunasoma.exe").toLocal8Bit(), "SETUP"}));
  EXPECT_FALSE(QFileInfo::exists(linkFolder + "/started-with"));
}

// Without a display no box can be shown: the reason goes to standard error, and the exit code is
// the shell's for a command that could not be run.
TEST_F(SetupLauncher, WithoutTheProgramSaysWhyOnStandardError) {
  struct Row {
    const char* name;
    bool placeProgram;
    QFileDevice::Permissions permissions;
    int error;
  };
  const Row rows[] = {
      {"missing", false, {}, ENOENT},
      {"not executable", true, QFileDevice::ReadOwner | QFileDevice::WriteOwner, EACCES},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    test::TempFolder own;
    const QString folder = own.path() + "/Lunasoma setup";
    const QString setup = copySetupInto(folder);
    if (row.placeProgram) {
      placeStandIn(folder);
      QFile::setPermissions(folder + "/Lunasoma.exe", row.permissions);
    }
    const ProgramRun result = run(setup, {"SETUP"});
    EXPECT_EQ(result.status, QProcess::NormalExit);
    EXPECT_EQ(result.exitCode, 127);
    EXPECT_EQ(result.out, QByteArray());
    EXPECT_EQ(QString::fromLocal8Bit(result.err),
              "Setup: Setup cannot start\n\n" + folder + "/Lunasoma.exe\n\n" +
                  QString::fromLocal8Bit(std::strerror(row.error)) +
                  ". Setup needs the complete set of files in one folder; please obtain a new copy.\n");
    EXPECT_FALSE(QFileInfo::exists(folder + "/started-with"));
  }
}

// Under a file-size limit, with standard error going to a file, the reason is cut short at the
// limit, but the program still ends as it says and is not ended by the signal.
TEST_F(SetupLauncher, AFileSizeLimitCutsTheReasonShortButNotTheProgram) {
  test::TempFolder own;
  const QString setup = copySetupInto(own.path() + "/Lunasoma setup");
  const QString errors = own.path() + "/errors";
  QProcess process;
  process.setProcessEnvironment(sandbox.environment());
  process.setWorkingDirectory(elsewhere.path());
  process.setStandardErrorFile(errors);
  process.setChildProcessModifier([] { test::limitFileSizeOfProgram(10); });
  process.start(setup, {"SETUP"});
  ASSERT_TRUE(process.waitForFinished(60000));
  EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(process.exitCode(), 127);
  EXPECT_EQ(QFileInfo(errors).size(), 10);
}

}  // namespace
}  // namespace lunasoma
