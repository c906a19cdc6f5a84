// Setup.exe: starts the Lunasoma.exe that lies in the same folder in setup mode. It passes the
// single argument SETUP and nothing else, whatever it was itself started with. When that program
// cannot be started it says why, in an error box as well when a display is there: started from a
// file manager, its standard error is seen by no one.
#include <unistd.h>

#include <QApplication>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <string>
#include <vector>

#include "platform/QtMessageService.h"
#include "setup/SetupLauncher.h"

int main(int argc, char** argv) {
  using namespace lunasoma;
  // Past a file-size limit the reason written out is cut short; the signal would end the launcher.
  std::signal(SIGXFSZ, SIG_IGN);
  std::vector<char> self(4096);
  const ssize_t length = ::readlink("/proc/self/exe", self.data(), self.size() - 1);
  QString program = QStringLiteral("Lunasoma.exe");
  int error = errno;
  if (length > 0) {
    program = launchedProgramFor(QFile::decodeName(QByteArray(self.data(), static_cast<qsizetype>(length))));
    std::string first = QFile::encodeName(program).toStdString();
    std::string setup = "SETUP";
    std::vector<char*> arguments{first.data(), setup.data(), nullptr};
    ::execv(first.c_str(), arguments.data());
    error = errno;
  }

  const QString text = launchFailureText(program, QString::fromLocal8Bit(std::strerror(error)));
  const bool display = displayAvailable(qEnvironmentVariable("DISPLAY"), qEnvironmentVariable("WAYLAND_DISPLAY"));
  if (!display) {
    QtMessageService none;
    reportLaunchFailure(text, false, none);
    return 127;
  }
  QApplication application(argc, argv);
  QtMessageService messages;
  reportLaunchFailure(text, true, messages);
  return 127;
}
