// Lunasoma.exe started as a user starts it, with each first argument: the window that comes up
// says which mode it went to. It runs on a private X server of its own, since every mode shows a
// window or a box and an offscreen one cannot be seen from outside the process; the tests end the
// program themselves, or answer its box with a key as a user would.
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <optional>

#include <gtest/gtest.h>

#include "platform/HiveFile.h"
#include "platform/HiveFormat.h"
#include "setup/InstallLayout.h"
#include "tests/programs/ProgramRun.h"
#include "tests/support/FileSizeLimit.h"

namespace lunasoma {
namespace {

using test::ProgramSandbox;

// A bound on every wait, only so that a hang fails the test instead of holding up the run.
constexpr int Ceiling = 60000;

// Xvfb on a display number it picks itself; it names the number once it accepts connections.
class PrivateDisplay {
 public:
  PrivateDisplay() {
    const QString xvfb = QStandardPaths::findExecutable("Xvfb");
    if (xvfb.isEmpty()) return;
    m_server.start(xvfb, {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    if (!m_server.waitForStarted(Ceiling)) return;
    while (!m_server.canReadLine() && m_server.waitForReadyRead(Ceiling)) {
    }
    const QByteArray number = m_server.readLine().trimmed();
    if (!number.isEmpty()) m_name = ":" + QString::fromLatin1(number);
  }
  ~PrivateDisplay() {
    m_server.terminate();
    if (!m_server.waitForFinished(Ceiling)) m_server.kill();
  }
  QString name() const { return m_name; }

 private:
  QProcess m_server;
  QString m_name;
};

struct Window {
  QString id;
  QString title;
};

class StartDispatch : public ::testing::Test {
 protected:
  void SetUp() override {
    m_xdotool = QStandardPaths::findExecutable("xdotool");
    if (m_xdotool.isEmpty()) GTEST_SKIP() << "xdotool is not installed";
    if (display.name().isEmpty()) GTEST_SKIP() << "Xvfb is not installed or did not start";
    // The program finds its help file beside itself, so each folder holds a copy of the program.
    for (const QString& folder : {alone.path(), withHelp.path()}) {
      ASSERT_TRUE(QFile::copy(QStringLiteral(LUNASOMA_DIST_DIR "/Lunasoma.exe"), folder + "/Lunasoma.exe"));
    }
    for (const char* text : {"Lunasoma.hlp", "Lunasoma.cnt"}) {
      ASSERT_TRUE(QFile::copy(QStringLiteral(LUNASOMA_DIST_DIR "/") + text, withHelp.path() + "/" + text));
    }
  }

  QProcessEnvironment environmentOn(const ProgramSandbox& sandbox) const {
    QProcessEnvironment environment = sandbox.environment();
    environment.insert("DISPLAY", display.name());
    environment.insert("QT_QPA_PLATFORM", "xcb");
    return environment;
  }

  QByteArray xdotool(const QStringList& arguments) {
    QProcess tool;
    tool.setProcessEnvironment(environmentOn(m_tools));
    tool.start(m_xdotool, arguments);
    EXPECT_TRUE(tool.waitForFinished(Ceiling)) << arguments.join(' ').toStdString();
    return tool.readAllStandardOutput().trimmed();
  }

  // The first window the program shows whose title matches the pattern, once it is on the screen;
  // none when the program ends first. xdotool gives up with nothing when a window it is looking at
  // vanishes under it (a box closing as the next window opens), so an empty answer while the
  // program runs is asked again.
  std::optional<Window> windowMatching(const QString& pattern, QProcess& program) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (program.state() != QProcess::NotRunning && elapsed.elapsed() < Ceiling) {
      QProcess search;
      search.setProcessEnvironment(environmentOn(m_tools));
      QEventLoop loop;
      QObject::connect(&search, &QProcess::finished, &loop, &QEventLoop::quit);
      QObject::connect(&program, &QProcess::finished, &loop, &QEventLoop::quit);
      QTimer::singleShot(Ceiling - elapsed.elapsed(), &loop, &QEventLoop::quit);
      search.start(m_xdotool, {"search", "--sync", "--onlyvisible", "--name", pattern});
      if (program.state() != QProcess::NotRunning) loop.exec();
      if (search.state() != QProcess::NotRunning) {
        search.kill();
        search.waitForFinished();
        return std::nullopt;
      }
      const QByteArray id = search.readAllStandardOutput().split('\n').value(0).trimmed();
      if (!id.isEmpty()) {
        return Window{QString::fromLatin1(id), QString::fromUtf8(xdotool({"getwindowname", QString::fromLatin1(id)}))};
      }
      QTest::qWait(50);
    }
    return std::nullopt;
  }

  std::optional<Window> firstWindow(QProcess& program) { return windowMatching(".", program); }
  std::optional<Window> windowTitled(const QString& title, QProcess& program) {
    return windowMatching("^" + QRegularExpression::escape(title) + "$", program);
  }

  // Gives the window the keyboard and presses the key, as a user answers a box.
  void press(const QString& key, const Window& window) {
    xdotool({"windowfocus", "--sync", window.id});
    xdotool({"key", key});
  }

  PrivateDisplay display;
  test::TempFolder alone;     // the program without its help file
  test::TempFolder withHelp;  // the program with its help file beside it

 private:
  QString m_xdotool;
  ProgramSandbox m_tools;
};

TEST_F(StartDispatch, TheFirstArgumentChoosesTheMode) {
  struct Row {
    const char* name;
    QStringList arguments;
    bool helpBeside;
    bool installed;               // the uninstall entry names the copy started
    QString title;                // of the first window shown
    bool machineHiveOpened;       // setup creates no registry file until Finish
    QString key;                  // the key that answers the first window; none when empty
    std::optional<int> exitCode;  // the program ends once the window is answered
    QString thenTitle;            // or it goes on to show this window
  };
  const Row rows[] = {
      {"no argument: the chart", {}, false, false, "Lunasoma", true, {}, {}, {}},
      {"another word: the chart", {"chart"}, false, false, "Lunasoma", true, {}, {}, {}},
      {"only the first argument counts", {"chart", "SETUP"}, false, false, "Lunasoma", true, {}, {}, {}},
      {"SETUP: the wizard", {"SETUP"}, false, false, "Lunasoma Setup", false, {}, {}, {}},
      {"setup in small letters", {"setup", "HELP"}, false, false, "Lunasoma Setup", false, {}, {}, {}},
      {"HELP: the help viewer", {"Help"}, true, false, "Lunasoma Help", true, {}, {}, {}},
      {"HELP without the help file: an error, then exit code 1",
       {"HELP"},
       false,
       false,
       "Error",
       true,
       "Return",
       1,
       {}},
      {"UNINSTALL when not installed: an error, then the program ends",
       {"UNINSTALL"},
       false,
       false,
       "Error",
       true,
       "Return",
       0,
       {}},
      {"UNINSTALL of the installation, cancelled: the chart",
       {"Uninstall"},
       false,
       true,
       "Confirm",
       true,
       "Escape",
       {},
       "Lunasoma"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const ProgramSandbox sandbox;
    const QString programFile = (row.helpBeside ? withHelp : alone).path() + "/Lunasoma.exe";
    if (row.installed) {
      HiveFile machine((sandbox.registryFolder() + "/system.reg").toStdString(), std::string(LocalMachineRoot));
      machine.writeString(uninstallEntryKey(), UninstallStringValue,
                          uninstallCommand(QFileInfo(programFile).path(), "Lunasoma.exe").toStdString());
    }
    QProcess program;
    program.setProcessEnvironment(environmentOn(sandbox));
    program.start(programFile, row.arguments);
    ASSERT_TRUE(program.waitForStarted(Ceiling));

    const std::optional<Window> window = firstWindow(program);
    ASSERT_TRUE(window.has_value()) << "no window; the program "
                                    << (program.state() == QProcess::NotRunning ? "ended" : "hangs") << "\n"
                                    << program.readAllStandardError().toStdString();
    EXPECT_EQ(window->title, row.title);
    EXPECT_EQ(QFileInfo::exists(sandbox.registryFolder() + "/system.reg"), row.machineHiveOpened);

    // A key is pressed only in the window expected; in a wrong one it could start anything.
    if (!row.key.isEmpty() && window->title == row.title) {
      press(row.key, *window);
      if (row.exitCode.has_value()) {
        ASSERT_TRUE(program.waitForFinished(Ceiling)) << "the window was answered but the program goes on";
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), *row.exitCode);
      } else {
        const std::optional<Window> next = windowTitled(row.thenTitle, program);
        EXPECT_TRUE(next.has_value()) << "no window \"" << row.thenTitle.toStdString() << "\" followed";
      }
    }
    if (!row.exitCode.has_value()) {
      EXPECT_EQ(program.state(), QProcess::Running);
      program.kill();
      program.waitForFinished(Ceiling);
    }
    if (row.installed) {
      EXPECT_TRUE(QFileInfo::exists(programFile)) << "a cancelled uninstall removes nothing";
    }
  }
}

// A copy registered by hand (no record of an installation) among other programs' files: the built
// program takes the files it ships, known by the digests it carries, and leaves the others.
TEST_F(StartDispatch, AnUninstallWithoutARecordTakesOnlyTheFilesTheBuildShips) {
  const ProgramSandbox sandbox;
  const QString folder = alone.path();
  ASSERT_TRUE(QFile::copy(QStringLiteral(LUNASOMA_DIST_DIR "/Lunasoma.hlp"), folder + "/Lunasoma.hlp"));
  test::writeFile(folder + "/Readme.txt", "another program's read-me");
  HiveFile machine((sandbox.registryFolder() + "/system.reg").toStdString(), std::string(LocalMachineRoot));
  machine.writeString(uninstallEntryKey(), UninstallStringValue,
                      uninstallCommand(folder, "Lunasoma.exe").toStdString());
  QProcess program;
  program.setProcessEnvironment(environmentOn(sandbox));
  program.start(folder + "/Lunasoma.exe", {"UNINSTALL"});
  ASSERT_TRUE(program.waitForStarted(Ceiling));

  const std::optional<Window> question = windowTitled("Confirm", program);
  ASSERT_TRUE(question.has_value());
  press("Return", *question);
  const std::optional<Window> done = windowTitled("Information", program);
  ASSERT_TRUE(done.has_value());
  press("Return", *done);
  ASSERT_TRUE(program.waitForFinished(Ceiling));

  EXPECT_FALSE(QFileInfo::exists(folder + "/Lunasoma.hlp"));
  EXPECT_TRUE(QFileInfo::exists(folder + "/Readme.txt"));
  EXPECT_FALSE(QFileInfo::exists(folder + "/Lunasoma.exe"));
  EXPECT_TRUE(QFileInfo(folder).isDir());
}

// Under a file-size limit a settings file that holds no hive cannot be kept aside: the program
// says so in its error box and goes on, instead of being ended by the signal the limit raises.
TEST_F(StartDispatch, AFileSizeLimitIsReportedNotFatal) {
  const ProgramSandbox sandbox;
  test::writeFile(sandbox.registryFolder() + "/user.reg", QByteArray(4096, 'x'));
  QProcess program;
  program.setProcessEnvironment(environmentOn(sandbox));
  program.setChildProcessModifier([] { test::limitFileSizeOfProgram(100); });
  program.start(alone.path() + "/Lunasoma.exe", {});
  ASSERT_TRUE(program.waitForStarted(Ceiling));

  const std::optional<Window> window = firstWindow(program);
  ASSERT_TRUE(window.has_value()) << "no window; the program "
                                  << (program.state() == QProcess::NotRunning ? "ended" : "hangs");
  EXPECT_EQ(window->title, "Error");
  EXPECT_EQ(program.state(), QProcess::Running);
  program.kill();
  program.waitForFinished(Ceiling);
}

}  // namespace
}  // namespace lunasoma
