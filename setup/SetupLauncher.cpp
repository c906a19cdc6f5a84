#include "setup/SetupLauncher.h"

#include <QFileInfo>

#include <cstdio>

namespace lunasoma {

QString launchedProgramFor(const QString& launcherFile) {
  return QFileInfo(launcherFile).absolutePath() + QStringLiteral("/Lunasoma.exe");
}

QString launchFailureText(const QString& program, const QString& reason) {
  return QStringLiteral(
             "Setup cannot start\n\n%1\n\n%2. Setup needs the complete set of files in one folder; "
             "please obtain a new copy.")
      .arg(program, reason);
}

bool displayAvailable(const QString& x11Display, const QString& waylandDisplay) {
  return !x11Display.isEmpty() || !waylandDisplay.isEmpty();
}

void reportLaunchFailure(const QString& text, bool display, MessageService& messages) {
  std::fprintf(stderr, "Setup: %s\n", text.toLocal8Bit().constData());
  std::fflush(stderr);
  if (display) messages.error(nullptr, text);
}

}  // namespace lunasoma
