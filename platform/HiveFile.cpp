#include "platform/HiveFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <random>
#include <utility>

#include "platform/HiveFormat.h"

namespace lunasoma {

namespace {

RegistrySystemError systemError(const std::string& what, const std::string& path, int error) {
  return RegistrySystemError(what + " '" + path + "': " + std::strerror(error), error);
}

// What the user is told of a failure: the system's own words when the system refused.
std::string reasonOf(const RegistryError& error) {
  if (const auto* refused = dynamic_cast<const RegistrySystemError*>(&error))
    return std::strerror(refused->errorNumber());
  return error.what();
}

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : m_fd(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() {
    if (m_fd >= 0) ::close(m_fd);
  }
  int get() const { return m_fd; }
  // Closes now so that a failing close (a delayed write error) can be reported.
  int close() { return ::close(std::exchange(m_fd, -1)); }

 private:
  int m_fd;
};

int openRetrying(const char* path, int flags, mode_t mode = 0) {
  int fd;
  do fd = ::open(path, flags | O_CLOEXEC, mode);
  while (fd < 0 && errno == EINTR);
  return fd;
}

bool readAll(int fd, std::string& out) {
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    out.append(buffer, static_cast<std::size_t>(n));
  }
}

bool writeAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

std::string parentFolder(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// Creates the folder and its missing parents, private to the user like the hives in it.
void makeFolders(const std::string& folder) {
  std::size_t start = 1;
  for (;;) {
    const std::size_t slash = folder.find('/', start);
    const std::string prefix = folder.substr(0, slash);
    if (::mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST)
      throw systemError("Cannot create the registry folder", prefix, errno);
    if (slash == std::string::npos) return;
    start = slash + 1;
  }
}

std::string fileName(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a path finally names once every symbolic link on its last component is followed (it
// need not exist); the path itself when it is no link. Links in the folders above are left to the
// system, which follows them anyway.
std::string linkTarget(const std::string& path) {
  std::string current = path;
  for (int hop = 0; hop < 40; ++hop) {
    struct stat info {};
    if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return current;
    std::string target(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 255) + 1, '\0');
    const ssize_t length = ::readlink(current.c_str(), target.data(), target.size());
    if (length < 0) throw systemError("Cannot follow the link to the registry file", current, errno);
    if (static_cast<std::size_t>(length) >= target.size())
      throw systemError("Cannot follow the link to the registry file", current, ENAMETOOLONG);
    target.resize(static_cast<std::size_t>(length));
    current = target.front() == '/' ? target : parentFolder(current) + "/" + target;
  }
  throw systemError("Cannot follow the link to the registry file", path, ELOOP);
}

// A name for a temporary file beside path that no one can guess ahead.
std::string temporaryName(const std::string& path) {
  static std::mt19937_64 generator{std::random_device{}()};
  static constexpr char Digits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  std::string name = path + ".tmp-";
  for (int i = 0; i < 12; ++i) name += Digits[generator() % 36];
  return name;
}

// Temporary files of writers that died before their rename; whoever holds the lock may remove
// them, since every writer makes its own only while holding it.
void removeLeftovers(const std::string& path) {
  DIR* folder = ::opendir(parentFolder(path).c_str());
  if (folder == nullptr) return;
  const std::string prefix = fileName(path) + ".tmp-";
  std::vector<std::string> leftovers;
  while (const dirent* entry = ::readdir(folder)) {
    if (std::string_view(entry->d_name).starts_with(prefix)) leftovers.emplace_back(entry->d_name);
  }
  ::closedir(folder);
  for (const std::string& name : leftovers) ::unlink((parentFolder(path) + "/" + name).c_str());
}

std::string timestampText() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char buffer[32];
  std::strftime(buffer, sizeof buffer, "%Y%m%d-%H%M%S", &local);
  return buffer;
}

// Gives the new file at fd the owner and group of the file it replaces. Fails (errno set) only
// when the owner cannot be kept; a group the system will not give stays as the system made it.
bool keepOwner(int fd, uid_t owner, gid_t group) {
  struct stat made {};
  if (::fstat(fd, &made) != 0) return false;
  if (made.st_uid == owner && made.st_gid == group) return true;
  if (::fchown(fd, owner, group) == 0) return true;
  return made.st_uid == owner;
}

// A file made in a folder that belongs to someone else (root saving into the user's settings
// folder) is given to the folder's owner, so that the user can go on locking and replacing it.
// Only a user allowed to give files away can; for anyone else nothing changes.
void giveToFolderOwner(int fd, const std::string& folder) {
  struct stat owner {};
  if (::stat(folder.c_str(), &owner) == 0 && owner.st_uid != ::geteuid())
    static_cast<void>(::fchown(fd, owner.st_uid, owner.st_gid));
}

// Opens the lock file, creating it when missing; never through a link.
int openLock(const std::string& lockPath) {
  for (;;) {
    const int existing = openRetrying(lockPath.c_str(), O_RDWR | O_NOFOLLOW);
    if (existing >= 0 || errno != ENOENT) return existing;
    const int made = openRetrying(lockPath.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW, 0600);
    if (made >= 0) giveToFolderOwner(made, parentFolder(lockPath));
    if (made >= 0 || errno != EEXIST) return made;
  }
}

}  // namespace

bool HiveFile::Stamp::operator==(const Stamp& other) const {
  return exists == other.exists && device == other.device && inode == other.inode && size == other.size &&
         modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec &&
         changed.tv_sec == other.changed.tv_sec && changed.tv_nsec == other.changed.tv_nsec;
}

HiveFile::HiveFile(std::string path, std::string rootName, const HiveFileSystem& fileSystem)
    : m_path(std::move(path)), m_rootName(std::move(rootName)), m_fileSystem(&fileSystem) {}

HiveFile::Contents HiveFile::readContents() const {
  Contents contents;
  // Not blocking keeps a named pipe in the file's place from hanging the program.
  const int raw = openRetrying(m_path.c_str(), O_RDONLY | O_NONBLOCK);
  if (raw < 0) {
    if (errno == ENOENT) return contents;
    throw systemError("Cannot open the registry file", m_path, errno);
  }
  FileDescriptor fd(raw);
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0) throw systemError("Cannot examine the registry file", m_path, errno);
  if (S_ISDIR(info.st_mode)) throw systemError("Cannot read the registry file", m_path, EISDIR);
  if (!S_ISREG(info.st_mode)) throw RegistryError("The registry file '" + m_path + "' is not a regular file.");
  contents.stamp = Stamp{true, info.st_dev, info.st_ino, info.st_size, info.st_mtim, info.st_ctim};
  contents.mode = info.st_mode & 07777;
  contents.owner = info.st_uid;
  contents.group = info.st_gid;
  contents.raw.reserve(static_cast<std::size_t>(info.st_size));
  if (!readAll(fd.get(), contents.raw)) throw systemError("Cannot read the registry file", m_path, errno);
  return contents;
}

void HiveFile::cacheFrom(Contents&& contents) const {
  try {
    m_cache = parseHive(contents.raw, m_rootName);
    m_cacheCorrupt = false;
  } catch (const HiveFormatError&) {
    m_cache = Hive();
    m_cacheCorrupt = true;
  }
  m_cacheKeptAside = false;
  m_cacheReported = false;
  m_cacheReadFailure.clear();
  m_cacheStamp = contents.stamp;
  m_cacheRaw = std::move(contents.raw);
  m_cacheValid = true;
}

const Hive& HiveFile::current() const {
  Stamp now;
  struct stat info {};
  if (::stat(m_path.c_str(), &info) == 0)
    now = Stamp{true, info.st_dev, info.st_ino, info.st_size, info.st_mtim, info.st_ctim};
  if (m_cacheValid && now == m_cacheStamp) return m_cache;
  try {
    cacheFrom(readContents());
  } catch (const RegistryError& error) {
    // A file that cannot be read reads as empty; the user hears why at start, and the next change
    // reports it again.
    cacheFrom(Contents{});
    m_cacheStamp = now;
    m_cacheReadFailure = reasonOf(error);
  }
  return m_cache;
}

std::optional<UnreadableHiveFile> HiveFile::keepUnreadableFileAside() {
  current();
  if (m_cacheReported) return std::nullopt;
  if (!m_cacheReadFailure.empty()) {
    m_cacheReported = true;
    return UnreadableHiveFile{m_path, {}, m_cacheReadFailure, false};
  }
  if (!m_cacheCorrupt || m_cacheKeptAside) return std::nullopt;
  m_cacheReported = true;
  try {
    std::string copy = keepCorruptCopy(m_cacheRaw);
    m_cacheKeptAside = true;
    return UnreadableHiveFile{m_path, std::move(copy), {}, true};
  } catch (const RegistryError& error) {
    // The next change tries again, and fails while the copy cannot be made, so nothing is lost.
    return UnreadableHiveFile{m_path, {}, reasonOf(error), true};
  }
}

std::string HiveFile::keepCorruptCopy(const std::string& bytes) const {
  const std::string base = m_path + ".corrupt-" + timestampText();
  for (int attempt = 1; attempt < 100; ++attempt) {
    const std::string name = attempt == 1 ? base : base + "-" + std::to_string(attempt);
    const int raw = openRetrying(name.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (raw < 0) {
      if (errno == EEXIST) continue;
      throw systemError("Cannot keep a copy of the unreadable registry file", name, errno);
    }
    FileDescriptor fd(raw);
    if (!writeAll(fd.get(), bytes) || ::fsync(fd.get()) != 0 || fd.close() != 0) {
      const int error = errno;
      ::unlink(name.c_str());
      throw systemError("Cannot keep a copy of the unreadable registry file", name, error);
    }
    return name;
  }
  throw RegistryError("Cannot find a free name for a copy of the unreadable registry file '" + m_path + "'.");
}

void HiveFile::replaceFile(const std::string& target, const std::string& text, const Contents& old) const {
  removeLeftovers(target);
  // A name of its own, created afresh: nothing planted under a known name, a link least of all,
  // can make the write land anywhere else.
  std::string temporary;
  int raw = -1;
  for (int attempt = 0; attempt < 100 && raw < 0; ++attempt) {
    temporary = temporaryName(target);
    raw = openRetrying(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, 0600);
    if (raw < 0 && errno != EEXIST) break;
  }
  if (raw < 0) throw systemError("Cannot write the registry file", temporary, errno);
  FileDescriptor fd(raw);
  // Another user saving (root with the owner's HOME) must not take the file from its owner, who
  // could then no longer read or replace it. The owner goes first: a change of owner may clear
  // mode bits.
  if (!old.stamp.exists) giveToFolderOwner(fd.get(), parentFolder(target));
  if (old.stamp.exists && !keepOwner(fd.get(), old.owner, old.group)) {
    const int error = errno;
    fd.close();
    ::unlink(temporary.c_str());
    throw systemError("Cannot save the registry file of another user", target, error);
  }
  if (::fchmod(fd.get(), old.mode) != 0 || !writeAll(fd.get(), text) || ::fsync(fd.get()) != 0 || fd.close() != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    throw systemError("Cannot write the registry file", temporary, error);
  }
  // The data is on disk before the rename, so a crash leaves the old hive or the complete new one.
  // The folder itself is not flushed: that would only make the new version survive a power cut
  // sooner, and costs as much again as the whole save.
  if (const int error = m_fileSystem->replace(temporary, target); error != 0) {
    ::unlink(temporary.c_str());
    throw systemError("Cannot replace the registry file", target, error);
  }
}

void HiveFile::modify(const std::function<bool(Hive&)>& change) {
  makeFolders(parentFolder(m_path));
  // Through a link, the link stays and its target is replaced, beside itself so that the rename
  // stays on one file system. The lock lies beside the file that is replaced, so that programs
  // reaching it through a link and by its own name exclude each other; a link in the lock's place
  // is refused, like one in the temporary file's, so that no save creates a file elsewhere.
  const std::string target = linkTarget(m_path);
  if (target != m_path) makeFolders(parentFolder(target));
  const std::string lockPath = target + ".lock";
  const int raw = openLock(lockPath);
  if (raw < 0) throw systemError("Cannot lock the registry file", lockPath, errno);
  FileDescriptor lock(raw);  // closing it releases the lock
  int locked;
  do locked = ::flock(lock.get(), LOCK_EX);
  while (locked != 0 && errno == EINTR);
  if (locked != 0) throw systemError("Cannot lock the registry file", lockPath, errno);

  Contents contents = readContents();
  const bool cacheCurrent = m_cacheValid && contents.stamp.exists == m_cacheStamp.exists && contents.raw == m_cacheRaw;
  const Contents replaced{contents.stamp, {}, contents.mode, contents.owner, contents.group};
  if (cacheCurrent) {
    m_cacheStamp = contents.stamp;
  } else {
    cacheFrom(std::move(contents));
  }

  // The change is made to the cache itself, which is trusted again only once the file holds it.
  m_cacheValid = false;
  if (change(m_cache)) {
    std::string text = formatHive(m_cache, m_rootName);
    if (m_cacheCorrupt && !m_cacheKeptAside) keepCorruptCopy(m_cacheRaw);
    replaceFile(target, text, replaced);
    struct stat info {};
    if (::stat(m_path.c_str(), &info) != 0) return;
    m_cacheStamp = Stamp{true, info.st_dev, info.st_ino, info.st_size, info.st_mtim, info.st_ctim};
    m_cacheRaw = std::move(text);
    m_cacheCorrupt = false;
  }
  m_cacheValid = true;
}

bool HiveFile::keyExists(std::string_view key) const { return current().keyExists(key); }

void HiveFile::createKey(std::string_view key) {
  checkKeyPathStorable(key);
  modify([&](Hive& hive) { return hive.createKey(key); });
}

bool HiveFile::deleteKey(std::string_view key) {
  bool deleted = false;
  modify([&](Hive& hive) { return deleted = hive.deleteKey(key); });
  return deleted;
}

std::optional<RegistryValue> HiveFile::readValue(std::string_view key, std::string_view name) const {
  const HiveValue* value = current().findValue(key, name);
  if (value == nullptr || value->foreignType) return std::nullopt;
  return value->value;
}

void HiveFile::writeValues(std::string_view key, const std::vector<NamedRegistryValue>& values) {
  checkKeyPathStorable(key);
  for (const NamedRegistryValue& value : values) checkValueStorable(value);
  modify([&](Hive& hive) {
    bool changed = hive.createKey(key);
    for (const NamedRegistryValue& value : values)
      changed |= hive.setValue(key, HiveValue{value.name, value.value, std::nullopt});
    return changed;
  });
}

bool HiveFile::deleteValue(std::string_view key, std::string_view name) {
  bool deleted = false;
  modify([&](Hive& hive) { return deleted = hive.deleteValue(key, name); });
  return deleted;
}

std::vector<std::string> HiveFile::valueNames(std::string_view key) const { return current().valueNames(key); }

std::vector<std::string> HiveFile::subkeyNames(std::string_view key) const { return current().subkeyNames(key); }

}  // namespace lunasoma
