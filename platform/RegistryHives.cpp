#include "platform/RegistryHives.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "platform/HiveFormat.h"

namespace lunasoma {

namespace {

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

std::string homeFolder() {
  std::string home = environment("HOME");
  if (!home.empty()) return home;
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
      found->pw_dir != nullptr)
    return found->pw_dir;
  return "/tmp";
}

std::string withoutTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

}  // namespace

std::string registryFolder() {
  const std::string chosen = environment("LUNASOMA_REGISTRY_DIR");
  if (!chosen.empty()) return withoutTrailingSlashes(chosen);
  std::string config = environment("XDG_CONFIG_HOME");
  if (config.empty() || config.front() != '/') config = homeFolder() + "/.config";
  return withoutTrailingSlashes(config) + "/Corvanti/registry";
}

RegistryHives openRegistryHives(const std::string& folder, MachineHiveSeeding seeding) {
  const std::string base = folder.empty() || folder.back() == '/' ? folder : folder + "/";
  RegistryHives hives{std::make_unique<HiveFile>(base + "user.reg", std::string(CurrentUserRoot)),
                      std::make_unique<HiveFile>(base + "system.reg", std::string(LocalMachineRoot))};
  if (seeding == MachineHiveSeeding::AtOpen) seedMachineHive(*hives.machine);
  return hives;
}

void seedMachineHive(HiveFile& machine) {
  struct stat info {};
  if (::stat(machine.path().c_str(), &info) == 0) return;
  try {
    machine.createKey(UninstallKeyPath);
  } catch (const RegistryError&) {
    // Reported by the first write that needs the folder; see the header.
  }
}

}  // namespace lunasoma
