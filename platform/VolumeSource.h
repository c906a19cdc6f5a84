#pragma once
// Where the drive list comes from: the mounted volumes as the system reports them, before any
// choice is made about which of them count as drives. StorageVolumeSource is the real one; tests
// pass a list of their own.

#include <QString>

#include <cstdint>
#include <vector>

namespace lunasoma {

struct Volume {
  QString rootPath;    // the mount point
  QString device;      // "/dev/sdb1", or a pseudo name such as "tmpfs"
  QString fileSystem;  // "ext4", "vfat", "tmpfs", ...
  bool ready = true;
  std::int64_t bytesTotal = 0;
  bool removable = false;
};

class VolumeSource {
 public:
  virtual ~VolumeSource() = default;
  virtual std::vector<Volume> volumes() = 0;
};

}  // namespace lunasoma
