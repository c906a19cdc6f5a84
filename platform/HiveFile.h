#pragma once
// A registry hive kept in one text file in the registry export format (see HiveFormat), shared
// safely between running programs. Every change takes an exclusive lock on "<file>.lock", reads
// the file afresh under it, applies the change, writes a temporary file of its own beside the
// hive (a fresh, unguessable name, never through a link), flushes it to disk and renames it over
// the hive, so other programs' keys and the lines no one could read survive, and a crash at any
// moment leaves either the old or the new hive. A hive file that is a symbolic link stays one:
// the file it leads to is replaced, and the lock is the one beside that file, so a program going
// through the link and one going straight to the file take the same lock; a link in the lock's
// place is refused. The new file keeps the old one's mode, owner and group: a save by another
// user (root) that cannot give the file back to its owner is refused. A hive or lock that root
// makes in a folder of another user's is given to that user. A file that holds no hive at all is
// kept beside it as "<file>.corrupt-<date>-<time>" before the first change replaces it, or earlier
// when asked (keepUnreadableFileAside).
//
// Reads never fail: they see the hive as it was last written, re-reading the file whenever it
// has changed on disk; a missing, unreadable or unparsable file reads as an empty hive, and
// keepUnreadableFileAside says why.
// Changes that cannot be made raise RegistryError (RegistrySystemError with the errno when the
// system refused) and leave the file as it was.

#include <sys/types.h>

#include <ctime>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Hive.h"
#include "platform/HiveFileSystem.h"
#include "platform/Registry.h"

namespace lunasoma {

class HiveFile : public Registry {
 public:
  // rootName is the root every section of the file names, e.g. "HKEY_CURRENT_USER". fileSystem
  // puts each complete new file in place of the old one and must outlive the hive.
  HiveFile(std::string path, std::string rootName, const HiveFileSystem& fileSystem = systemHiveFileSystem());

  bool keyExists(std::string_view key) const override;
  void createKey(std::string_view key) override;
  bool deleteKey(std::string_view key) override;

  std::optional<RegistryValue> readValue(std::string_view key, std::string_view name) const override;
  void writeValues(std::string_view key, const std::vector<NamedRegistryValue>& values) override;
  bool deleteValue(std::string_view key, std::string_view name) override;

  std::vector<std::string> valueNames(std::string_view key) const override;
  std::vector<std::string> subkeyNames(std::string_view key) const override;

  std::optional<UnreadableHiveFile> keepUnreadableFileAside() override;

  const std::string& path() const { return m_path; }

 private:
  // What identifies one version of the file on disk; a rename gives a new inode and times.
  struct Stamp {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};
    bool operator==(const Stamp& other) const;
  };

  // The file as read: its bytes, identity and permissions (stamp.exists is false when missing).
  struct Contents {
    Stamp stamp;
    std::string raw;
    mode_t mode = 0600;
    uid_t owner = 0;
    gid_t group = 0;
  };

  const Hive& current() const;
  Contents readContents() const;
  // Makes the cache the parsed form of contents.
  void cacheFrom(Contents&& contents) const;
  // Applies change to the hive under the lock and writes it when change returns true.
  void modify(const std::function<bool(Hive&)>& change);
  // Returns the copy's name.
  std::string keepCorruptCopy(const std::string& bytes) const;
  // Puts text in place of target, with the mode, owner and group of old when old exists.
  void replaceFile(const std::string& target, const std::string& text, const Contents& old) const;

  std::string m_path;
  std::string m_rootName;
  const HiveFileSystem* m_fileSystem;
  // The hive as last read or written, with the bytes it came from; a change under the lock reuses
  // it when the file still holds exactly those bytes, instead of parsing the file again.
  mutable Hive m_cache;
  mutable Stamp m_cacheStamp;
  mutable std::string m_cacheRaw;
  mutable bool m_cacheCorrupt = false;
  mutable bool m_cacheKeptAside = false;   // the unreadable bytes of the cache have their copy
  mutable bool m_cacheReported = false;    // keepUnreadableFileAside told of this version
  mutable std::string m_cacheReadFailure;  // why the file could not be read, when it could not
  mutable bool m_cacheValid = false;
};

}  // namespace lunasoma
