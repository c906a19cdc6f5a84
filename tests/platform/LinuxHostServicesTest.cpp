#include <QFileInfo>

#include <gtest/gtest.h>

#include "platform/LinuxFolderService.h"
#include "platform/LinuxHostServices.h"
#include "tests/support/MemoryRegistry.h"

namespace lunasoma {
namespace {

// The hives handed over are the ones every service reads and the ones the program writes: a value
// written through the services is what the folder service answers next, each in its own hive.
TEST(LinuxHost, ServicesShareTheGivenHives) {
  auto user = std::make_unique<test::MemoryRegistry>();
  auto machine = std::make_unique<test::MemoryRegistry>();
  user->writeString(LinuxFolderService::shellFoldersKey, "Programs", "/srv/programs");
  machine->writeString(LinuxFolderService::currentVersionKey, "ProgramFilesDir", "/srv/apps");
  LinuxHostServices host(std::move(user), std::move(machine));
  HostServices services = host.services();
  EXPECT_EQ(services.folders.programsFolder(), "/srv/programs");
  EXPECT_EQ(services.folders.programFilesFolder(), "/srv/apps");

  services.userHive.writeString(LinuxFolderService::shellFoldersKey, "Programs", "/srv/other programs");
  services.machineHive.writeString(LinuxFolderService::currentVersionKey, "ProgramFilesDir", "/srv/other apps");
  EXPECT_EQ(services.folders.programsFolder(), "/srv/other programs");
  EXPECT_EQ(services.folders.programFilesFolder(), "/srv/other apps");
  EXPECT_FALSE(services.machineHive.keyExists(LinuxFolderService::shellFoldersKey))
      << "the user's values stay in the user's hive";
  EXPECT_FALSE(services.userHive.readString(LinuxFolderService::currentVersionKey, "ProgramFilesDir").has_value());
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
