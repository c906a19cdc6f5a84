#pragma once
// One registry hive (HKEY_CURRENT_USER or HKEY_LOCAL_MACHINE): keys holding typed values.
// Key paths are relative to the root, separated by backslashes, case-insensitive, and a leading
// backslash names the same key. A value stored with another type than the one asked for reads as
// absent. The interface knows nothing of where the hive is kept; see HiveFile for the file-backed
// hive (tests keep theirs in memory).

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace lunasoma {

enum class RegistryType { Dword, Binary, String };

struct RegistryValue {
  std::variant<std::uint32_t, std::vector<std::uint8_t>, std::string> data;
  RegistryType type() const { return static_cast<RegistryType>(data.index()); }
  friend bool operator==(const RegistryValue&, const RegistryValue&) = default;
};

// Raised when a hive cannot be read or written; what() is the text shown to the user.
class RegistryError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A file operation the system refused; errorNumber() is its errno, whose text says why.
class RegistrySystemError : public RegistryError {
 public:
  RegistrySystemError(const std::string& message, int errorNumber)
      : RegistryError(message), m_errorNumber(errorNumber) {}
  int errorNumber() const { return m_errorNumber; }

 private:
  int m_errorNumber;
};

// A write refused because of one particular value (a name or data the hive cannot hold, or a
// value the storage refused); valueName() says which, so callers can name it to the user.
class RegistryValueError : public RegistryError {
 public:
  RegistryValueError(const std::string& message, std::string valueName)
      : RegistryError(message), m_valueName(std::move(valueName)) {}
  const std::string& valueName() const { return m_valueName; }

 private:
  std::string m_valueName;
};

struct NamedRegistryValue {
  std::string name;
  RegistryValue value;
};

// A hive file that could not be read, or held no hive at all and was kept aside as copy. When
// there is no copy, reason says in the system's words why the file could not be read or, when it
// was read (heldNoHive), why no copy could be kept.
struct UnreadableHiveFile {
  std::string file;
  std::string copy;
  std::string reason;
  bool heldNoHive = true;
};

class Registry {
 public:
  virtual ~Registry() = default;

  virtual bool keyExists(std::string_view key) const = 0;
  // Creates the key and any missing parents; an existing key is left as it is.
  virtual void createKey(std::string_view key) = 0;
  // Deletes the key with everything below it; false when it did not exist.
  virtual bool deleteKey(std::string_view key) = 0;

  virtual std::optional<RegistryValue> readValue(std::string_view key, std::string_view name) const = 0;
  std::optional<std::uint32_t> readDword(std::string_view key, std::string_view name) const;
  std::optional<std::vector<std::uint8_t>> readBinary(std::string_view key, std::string_view name) const;
  std::optional<std::string> readString(std::string_view key, std::string_view name) const;

  // Writes all the values into the key (created when missing) as one change: either every value
  // lands or, on a RegistryError, none does.
  virtual void writeValues(std::string_view key, const std::vector<NamedRegistryValue>& values) = 0;
  void writeDword(std::string_view key, std::string_view name, std::uint32_t value);
  void writeBinary(std::string_view key, std::string_view name, std::vector<std::uint8_t> value);
  void writeString(std::string_view key, std::string_view name, std::string value);

  virtual bool deleteValue(std::string_view key, std::string_view name) = 0;
  virtual std::vector<std::string> valueNames(std::string_view key) const = 0;
  virtual std::vector<std::string> subkeyNames(std::string_view key) const = 0;

  // For a hive kept in a file that holds no hive at all: keeps a copy of the file aside now (its
  // next change would replace it) and says where, or why it could not; for a file that cannot be
  // read at all, says why. Once for each such version of the file, so that the user can be told
  // before anything is lost. nullopt otherwise, and always for a hive without a file.
  virtual std::optional<UnreadableHiveFile> keepUnreadableFileAside() { return std::nullopt; }
};

}  // namespace lunasoma
