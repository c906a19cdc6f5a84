#include "platform/LinuxHostServices.h"

#include <QDir>

namespace lunasoma {

LinuxHostServices::LinuxHostServices(MachineHiveSeeding seeding)
    : LinuxHostServices(openRegistryHives(registryFolder(), seeding)) {}

LinuxHostServices::LinuxHostServices(RegistryHives hives)
    : LinuxHostServices(std::move(hives.user), std::unique_ptr<Registry>(hives.machine.release())) {
  m_machineFile = dynamic_cast<HiveFile*>(m_machineHive.get());
}

LinuxHostServices::LinuxHostServices(std::unique_ptr<Registry> userHive, std::unique_ptr<Registry> machineHive)
    : m_userHive(std::move(userHive)),
      m_machineHive(std::move(machineHive)),
      m_wallpaper(m_runner, qEnvironmentVariable("XDG_CURRENT_DESKTOP"), qEnvironmentVariable("SWAYSOCK")),
      m_folders(*m_userHive, *m_machineHive, LinuxFolderService::XdgFolders::fromEnvironment()),
      m_drives(m_volumes, QDir::homePath()),
      m_help(m_shell) {}

void LinuxHostServices::seedMachineHive() {
  if (m_machineFile) lunasoma::seedMachineHive(*m_machineFile);
}

HostServices LinuxHostServices::services() {
  return HostServices{*m_userHive, *m_machineHive, m_messages, m_beeper, m_shell, m_shortcuts,
                      m_wallpaper, m_folders,      m_drives,   m_system, m_help};
}

}  // namespace lunasoma
