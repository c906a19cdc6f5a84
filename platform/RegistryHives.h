#pragma once
// Opens the program's two file-backed hives: user.reg (HKEY_CURRENT_USER) and system.reg
// (HKEY_LOCAL_MACHINE) in one folder. It only finds and prepares the files; reading and writing
// them is HiveFile's business.

#include <memory>
#include <string>
#include <string_view>

#include "platform/HiveFile.h"

namespace lunasoma {

// The installer registers itself below this key and expects to find it in every machine hive.
inline constexpr std::string_view UninstallKeyPath = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

struct RegistryHives {
  std::unique_ptr<HiveFile> user;
  std::unique_ptr<HiveFile> machine;
};

// $LUNASOMA_REGISTRY_DIR when set, else $XDG_CONFIG_HOME/Corvanti/registry, where an unset, empty
// or relative XDG_CONFIG_HOME means ~/.config.
std::string registryFolder();

// When a machine hive that does not exist yet gets its uninstall key: at once, or only when the
// caller asks (setup writes nothing before the user presses Finish).
enum class MachineHiveSeeding { AtOpen, OnRequest };

// The hives in the folder (created on the first write). A machine hive that does not exist yet is
// created holding the uninstall key (see seedMachineHive); opening never throws.
RegistryHives openRegistryHives(const std::string& folder, MachineHiveSeeding seeding = MachineHiveSeeding::AtOpen);

// Gives a machine hive that does not exist yet its uninstall key. If that cannot be written now,
// the installer's own first write reports the problem, so this never throws.
void seedMachineHive(HiveFile& machine);

}  // namespace lunasoma
