#include "platform/DesktopShellService.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>

namespace lunasoma {

QUrl DesktopShellService::urlForAddress(const QString& address) {
  const QString trimmed = address.trimmed();
  if (trimmed.isEmpty()) return {};
  return QUrl::fromUserInput(trimmed);
}

bool DesktopShellService::openUrl(const QString& address) {
  const QUrl url = urlForAddress(address);
  return url.isValid() && QDesktopServices::openUrl(url);
}

bool DesktopShellService::openFolder(const QString& folder) {
  if (!QFileInfo(folder).isDir()) return false;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

bool DesktopShellService::startProgram(const QString& program, const QStringList& arguments) {
  if (program.isEmpty()) return false;
  return QProcess::startDetached(program, arguments);
}

}  // namespace lunasoma
