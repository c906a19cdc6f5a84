#include "platform/HiveFileSystem.h"

#include <cerrno>
#include <cstdio>

namespace lunasoma {

namespace {

class SystemHiveFileSystem : public HiveFileSystem {
 public:
  int replace(const std::string& from, const std::string& to) const override {
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
  }
};

}  // namespace

const HiveFileSystem& systemHiveFileSystem() {
  static const SystemHiveFileSystem system;
  return system;
}

}  // namespace lunasoma
