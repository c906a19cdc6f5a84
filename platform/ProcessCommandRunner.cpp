#include "platform/ProcessCommandRunner.h"

#include <QProcess>
#include <QStandardPaths>

namespace lunasoma {

bool ProcessCommandRunner::isAvailable(const QString& program) {
  return !QStandardPaths::findExecutable(program).isEmpty();
}

CommandResult ProcessCommandRunner::run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.setStandardErrorFile(QProcess::nullDevice());
  process.setStandardInputFile(QProcess::nullDevice());
  process.start(program, arguments);
  if (!process.waitForStarted(static_cast<int>(m_timeLimit.count()))) return {};
  if (!process.waitForFinished(static_cast<int>(m_timeLimit.count()))) {
    process.kill();
    process.waitForFinished(1000);
    return {};
  }
  if (process.exitStatus() != QProcess::NormalExit) return {};
  return CommandResult{process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput())};
}

}  // namespace lunasoma
