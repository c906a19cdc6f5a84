#include "platform/StorageVolumeSource.h"

#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

namespace lunasoma {

StorageVolumeSource::StorageVolumeSource(QString sysBlockFolder) : m_sysBlockFolder(std::move(sysBlockFolder)) {}

std::vector<Volume> StorageVolumeSource::volumes() {
  std::vector<Volume> volumes;
  for (const QStorageInfo& info : QStorageInfo::mountedVolumes()) {
    const QString device = QString::fromLocal8Bit(info.device());
    volumes.push_back(Volume{info.rootPath(), device, QString::fromLatin1(info.fileSystemType()),
                             info.isValid() && info.isReady(), info.bytesTotal(),
                             isRemovable(info.rootPath(), device)});
  }
  return volumes;
}

bool StorageVolumeSource::isRemovable(const QString& rootPath, const QString& device) const {
  if (rootPath.startsWith(QStringLiteral("/media/")) || rootPath.startsWith(QStringLiteral("/run/media/"))) return true;
  if (!device.startsWith(QStringLiteral("/dev/"))) return false;

  // A partition's block device is listed under its disk ("sdb1" under "sdb"); the removable flag
  // belongs to the disk. Device-mapper and other links are followed to the kernel's own name first.
  const QString canonical = QFileInfo(device).canonicalFilePath();
  const QString name = QFileInfo(canonical.isEmpty() ? device : canonical).fileName();
  if (name.isEmpty()) return false;
  QString disk = name;
  while (!disk.isEmpty() && !QFileInfo::exists(m_sysBlockFolder + QLatin1Char('/') + disk)) disk.chop(1);
  if (disk.isEmpty()) return false;
  QFile flag(m_sysBlockFolder + QLatin1Char('/') + disk + QStringLiteral("/removable"));
  return flag.open(QIODevice::ReadOnly) && flag.readAll().trimmed() == "1";
}

}  // namespace lunasoma
