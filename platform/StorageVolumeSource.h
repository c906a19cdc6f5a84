#pragma once
// The mounted volumes from QStorageInfo, each marked removable when it is mounted where desktops
// mount removable media (/media, /run/media) or when the kernel calls its block device removable.
// It filters nothing; LinuxDriveService decides what counts as a drive.

#include <QString>

#include "platform/VolumeSource.h"

namespace lunasoma {

class StorageVolumeSource : public VolumeSource {
 public:
  // sysBlockFolder is where the kernel lists block devices; tests point it at a folder of their own.
  explicit StorageVolumeSource(QString sysBlockFolder = QStringLiteral("/sys/block"));

  std::vector<Volume> volumes() override;

  bool isRemovable(const QString& rootPath, const QString& device) const;

 private:
  QString m_sysBlockFolder;
};

}  // namespace lunasoma
