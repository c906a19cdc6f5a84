#pragma once
// The one file-system step of a HiveFile save that another storage would do its own way: putting
// the complete new file in the place of the old one. HiveFile prepares, flushes and cleans up
// around it; this only moves the file. The system's rename is the real one.

#include <string>

namespace lunasoma {

class HiveFileSystem {
 public:
  virtual ~HiveFileSystem() = default;

  // Puts the file at from in the place of the file at to in one atomic step, so that a reader
  // sees either the old file or the new one. Returns 0, or the errno when it could not.
  virtual int replace(const std::string& from, const std::string& to) const = 0;
};

// The system's own: rename(2), which is atomic within one file system.
const HiveFileSystem& systemHiveFileSystem();

}  // namespace lunasoma
