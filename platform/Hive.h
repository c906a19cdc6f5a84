#pragma once
// The keys and typed values of one hive held in memory, under the registry's naming rules: key
// paths are backslash-separated and relative to the root, empty components (a leading backslash,
// a doubled one) are ignored, and key and value names compare without regard to ASCII case while
// keeping the case they were first stored with. It neither reads nor writes files (HiveFormat
// turns it into text and back, HiveFile keeps it on disk) and does not vet names: the Registry
// implementations do that.

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/Registry.h"

namespace lunasoma {

// A value as the hive keeps it. Registry types the program never uses (REG_EXPAND_SZ,
// REG_MULTI_SZ, ...) arrive from a hand-edited or foreign file as raw bytes with their type
// number in foreignType; they survive every save, and through the Registry interface they read
// as absent like any value of another type.
struct HiveValue {
  std::string name;
  RegistryValue value;
  std::optional<std::uint32_t> foreignType;
  friend bool operator==(const HiveValue&, const HiveValue&) = default;
};

struct HiveKey {
  std::string path;  // normalised, with the case it was created with; "" is the root
  std::vector<HiveValue> values;
};

class Hive {
 public:
  Hive();

  bool keyExists(std::string_view path) const;
  // Creates the key and any missing parents; true when something was created.
  bool createKey(std::string_view path);
  // Removes the key and everything below it; false when it did not exist. The root stays.
  bool deleteKey(std::string_view path);

  const HiveValue* findValue(std::string_view key, std::string_view name) const;
  // Stores the value (creating the key), keeping the stored spelling of an existing name and its
  // place among the key's values; true when the hive changed.
  bool setValue(std::string_view key, HiveValue value);
  bool deleteValue(std::string_view key, std::string_view name);
  // setValue for many values of one key at once, as a file is read: a name met again replaces
  // the value met before it.
  void setValues(std::string_view key, std::vector<HiveValue>&& values);

  std::vector<std::string> valueNames(std::string_view key) const;
  std::vector<std::string> subkeyNames(std::string_view key) const;

  // Every key, parents before their children, the root first.
  std::vector<const HiveKey*> keys() const;
  std::size_t valueCount() const;

  // Same keys and values with the same spellings, in the same order.
  friend bool operator==(const Hive& a, const Hive& b);

  // The path with empty components dropped: "\\Software\\\\X\\" becomes "Software\\X".
  static std::string normalizedPath(std::string_view path);
  // ASCII lower case, the form in which names are compared.
  static std::string foldedName(std::string_view name);

 private:
  // Orders paths without regard to ASCII case, with the separator below every other character so
  // that a key's descendants follow it directly.
  struct PathLess {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
  };

  struct Entry {
    HiveKey key;
    std::unordered_map<std::string, std::size_t> index;  // folded name -> position in key.values
    void reindex();
  };

  using KeyMap = std::map<std::string, Entry, PathLess>;

  const Entry* find(std::string_view path) const;
  Entry& obtain(std::string_view normalized);
  // The keys strictly below the normalised path, as a contiguous range of m_keys.
  std::pair<KeyMap::const_iterator, KeyMap::const_iterator> descendants(std::string_view normalized) const;

  KeyMap m_keys;
};

}  // namespace lunasoma
