#include "platform/LinuxDriveService.h"

#include <QDir>
#include <QStringList>

#include <algorithm>

namespace lunasoma {

namespace {

bool isPseudoFileSystem(const QString& type) {
  static const QStringList pseudo{"autofs",   "binfmt_misc", "bpf",      "cgroup",   "cgroup2", "configfs",
                                  "debugfs",  "devpts",      "devtmpfs", "efivarfs", "fusectl", "hugetlbfs",
                                  "mqueue",   "nsfs",        "proc",     "pstore",   "ramfs",   "securityfs",
                                  "squashfs", "sysfs",       "tmpfs",    "tracefs"};
  return pseudo.contains(type);
}

// True when path is folder itself or lies inside it.
bool isInside(const QString& path, const QString& folder) {
  if (folder == QLatin1String("/")) return path.startsWith(QLatin1Char('/'));
  return path == folder || path.startsWith(folder + QLatin1Char('/'));
}

}  // namespace

LinuxDriveService::LinuxDriveService(VolumeSource& source, QString homeFolder)
    : m_source(source), m_homeFolder(QDir::cleanPath(homeFolder)) {}

std::vector<Drive> LinuxDriveService::drives() {
  std::vector<Drive> drives;
  for (const Volume& volume : m_source.volumes()) {
    if (!volume.ready || volume.bytesTotal <= 0 || isPseudoFileSystem(volume.fileSystem)) continue;
    drives.push_back(Drive{volume.rootPath, volume.rootPath, volume.removable});
  }
  std::sort(drives.begin(), drives.end(), [](const Drive& a, const Drive& b) { return a.root < b.root; });
  drives.erase(
      std::unique(drives.begin(), drives.end(), [](const Drive& a, const Drive& b) { return a.root == b.root; }),
      drives.end());
  return drives;
}

Drive LinuxDriveService::driveA() {
  const std::vector<Drive> all = drives();
  const auto removable = std::find_if(all.begin(), all.end(), [](const Drive& drive) { return drive.removable; });
  if (removable != all.end()) return *removable;

  // The home folder's volume is the one with the longest mount point that contains it.
  const Drive* home = nullptr;
  for (const Drive& drive : all) {
    if (isInside(m_homeFolder, drive.root) && (!home || drive.root.size() > home->root.size())) home = &drive;
  }
  if (home) return *home;
  return all.empty() ? Drive{QStringLiteral("/"), QStringLiteral("/"), false} : all.front();
}

}  // namespace lunasoma
