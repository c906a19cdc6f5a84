#pragma once
// The drive list of a Linux machine: the mounted volumes that can hold files (pseudo file systems,
// volumes that are not ready and volumes without a size are left out), each named by its mount
// point, sorted by it. "Drive A" is the first removable volume, else the volume of the home
// folder. It copies nothing; it only answers where the drives are.

#include <QString>

#include "platform/HostServices.h"
#include "platform/VolumeSource.h"

namespace lunasoma {

class LinuxDriveService : public DriveService {
 public:
  LinuxDriveService(VolumeSource& source, QString homeFolder);

  std::vector<Drive> drives() override;
  Drive driveA() override;

 private:
  VolumeSource& m_source;
  QString m_homeFolder;
};

}  // namespace lunasoma
