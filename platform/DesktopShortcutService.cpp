#include "platform/DesktopShortcutService.h"

#include <QFileInfo>
#include <QSaveFile>

#include "platform/DesktopEntry.h"

namespace lunasoma {

QString DesktopShortcutService::shortcutFileFor(const QString& linkPath) const {
  if (linkPath.endsWith(QStringLiteral(".desktop"), Qt::CaseInsensitive)) return linkPath;
  QString file = linkPath;
  if (file.endsWith(QStringLiteral(".lnk"), Qt::CaseInsensitive)) file.chop(4);
  return file + QStringLiteral(".desktop");
}

bool DesktopShortcutService::createShortcut(const ShortcutInfo& shortcut) {
  if (shortcut.linkPath.isEmpty() || shortcut.target.isEmpty()) return false;
  const QFileInfo target(shortcut.target);
  const auto kind =
      target.isFile() && target.isExecutable() ? DesktopEntry::TargetKind::Program : DesktopEntry::TargetKind::Document;

  QSaveFile file(shortcutFileFor(shortcut.linkPath));
  if (!file.open(QIODevice::WriteOnly)) return false;
  const QByteArray bytes = DesktopEntry::text(shortcut, kind).toUtf8();
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  // The permissions go onto the temporary file, so the entry appears executable or not at all.
  const auto mode = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                    QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
  if (!file.setPermissions(mode)) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

}  // namespace lunasoma
