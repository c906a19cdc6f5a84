#include <QFileInfo>

#include <gtest/gtest.h>

#include "platform/LinuxFolderService.h"
#include "platform/LinuxHostServices.h"
#include "tests/support/MemoryRegistry.h"

namespace lunasoma {
namespace {

TEST(LinuxHost, ServicesShareTheGivenHives) {
  auto user = std::make_unique<test::MemoryRegistry>();
  auto machine = std::make_unique<test::MemoryRegistry>();
  Registry* userHive = user.get();
  Registry* machineHive = machine.get();
  user->writeString(LinuxFolderService::shellFoldersKey, "Programs", "/srv/programs");
  machine->writeString(LinuxFolderService::currentVersionKey, "ProgramFilesDir", "/srv/apps");
  LinuxHostServices host(std::move(user), std::move(machine));
  HostServices services = host.services();
  EXPECT_EQ(&services.userHive, userHive);
  EXPECT_EQ(&services.machineHive, machineHive);
  EXPECT_EQ(services.folders.programsFolder(), "/srv/programs");
  EXPECT_EQ(services.folders.programFilesFolder(), "/srv/apps");
  EXPECT_EQ(services.system.osFacts().startShowValue, 1);
}

// The test main points LUNASOMA_REGISTRY_DIR at a temporary folder, so this writes nowhere real.
TEST(LinuxHost, DefaultHivesLiveInTheRegistryFolder) {
  LinuxHostServices host;
  HostServices services = host.services();
  services.userHive.writeString("Software\\Corvanti\\Lunasoma", "Version", "1.0");
  EXPECT_TRUE(QFileInfo::exists(qEnvironmentVariable("LUNASOMA_REGISTRY_DIR") + "/user.reg"));
  EXPECT_TRUE(services.machineHive.keyExists("Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall"));
}

}  // namespace
}  // namespace lunasoma
