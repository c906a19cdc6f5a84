#pragma once
// The real host services of a Linux desktop, created together and owned in one place: the two
// registry hives, message boxes and beeps, the shell, desktop-entry shortcuts, the wallpaper
// mechanisms, the XDG-based folders, the mounted volumes, the system facts and the help viewer.
// It decides nothing itself; each service is its own class. Create it after the QApplication and
// destroy it before, since the help viewer is a window.

#include <memory>

#include "platform/DesktopShellService.h"
#include "platform/DesktopShortcutService.h"
#include "platform/HostServices.h"
#include "platform/LinuxDriveService.h"
#include "platform/LinuxFolderService.h"
#include "platform/LinuxSystemService.h"
#include "platform/LinuxWallpaperService.h"
#include "platform/ProcessCommandRunner.h"
#include "platform/QtBeeper.h"
#include "platform/QtHelpService.h"
#include "platform/QtMessageService.h"
#include "platform/Registry.h"
#include "platform/RegistryHives.h"
#include "platform/StorageVolumeSource.h"

namespace lunasoma {

class LinuxHostServices {
 public:
  // The file-backed hives in the registry folder ($LUNASOMA_REGISTRY_DIR, else the XDG one).
  explicit LinuxHostServices(MachineHiveSeeding seeding = MachineHiveSeeding::AtOpen);
  LinuxHostServices(std::unique_ptr<Registry> userHive, std::unique_ptr<Registry> machineHive);
  LinuxHostServices(const LinuxHostServices&) = delete;
  LinuxHostServices& operator=(const LinuxHostServices&) = delete;

  HostServices services();

  // Gives a new machine hive its uninstall key, for hives opened with MachineHiveSeeding::OnRequest.
  void seedMachineHive();

 private:
  explicit LinuxHostServices(RegistryHives hives);

  std::unique_ptr<Registry> m_userHive;
  std::unique_ptr<Registry> m_machineHive;
  HiveFile* m_machineFile = nullptr;  // m_machineHive when it is file-backed
  QtMessageService m_messages;
  QtBeeper m_beeper;
  DesktopShellService m_shell;
  DesktopShortcutService m_shortcuts;
  ProcessCommandRunner m_runner;
  LinuxWallpaperService m_wallpaper;
  LinuxFolderService m_folders;
  StorageVolumeSource m_volumes;
  LinuxDriveService m_drives;
  LinuxSystemService m_system;
  QtHelpService m_help;
};

}  // namespace lunasoma
