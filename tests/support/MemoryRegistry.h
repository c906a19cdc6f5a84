#pragma once
// A registry hive kept only in memory, for tests and the start-up benchmark: the fakes' hives, and
// any hive that must not reach a file. It follows the same naming and storage rules as the file-backed HiveFile
// (including what it refuses to store), but nothing outlives the object and nothing is shared between processes.

#include <string>
#include <string_view>
#include <vector>

#include "platform/Hive.h"
#include "platform/Registry.h"

namespace lunasoma::test {

class MemoryRegistry : public Registry {
 public:
  bool keyExists(std::string_view key) const override;
  void createKey(std::string_view key) override;
  bool deleteKey(std::string_view key) override;

  std::optional<RegistryValue> readValue(std::string_view key, std::string_view name) const override;
  void writeValues(std::string_view key, const std::vector<NamedRegistryValue>& values) override;
  bool deleteValue(std::string_view key, std::string_view name) override;

  std::vector<std::string> valueNames(std::string_view key) const override;
  std::vector<std::string> subkeyNames(std::string_view key) const override;

  // From now on, a writeValues that includes a value of this name (compared without regard to
  // case) fails with a RegistryValueError naming it and changes nothing, as a refused write to
  // the disk would.
  void failWritesOf(std::string valueName);

  // Stores a value of a type the program never writes (REG_EXPAND_SZ is 2, REG_MULTI_SZ 7), as a
  // hand-edited hive could hold; it reads as absent.
  void writeForeignValue(std::string_view key, std::string name, std::uint32_t type, std::vector<std::uint8_t> bytes);

  const Hive& hive() const { return m_hive; }

 private:
  Hive m_hive;
  std::vector<std::string> m_failingNames;  // folded
};

}  // namespace lunasoma::test
