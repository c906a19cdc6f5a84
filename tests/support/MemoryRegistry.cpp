#include "tests/support/MemoryRegistry.h"

#include <algorithm>
#include <utility>

#include "platform/HiveFormat.h"

namespace lunasoma::test {

bool MemoryRegistry::keyExists(std::string_view key) const { return m_hive.keyExists(key); }

void MemoryRegistry::createKey(std::string_view key) {
  checkKeyPathStorable(key);
  m_hive.createKey(key);
}

bool MemoryRegistry::deleteKey(std::string_view key) { return m_hive.deleteKey(key); }

std::optional<RegistryValue> MemoryRegistry::readValue(std::string_view key, std::string_view name) const {
  const HiveValue* value = m_hive.findValue(key, name);
  if (value == nullptr || value->foreignType) return std::nullopt;
  return value->value;
}

void MemoryRegistry::writeValues(std::string_view key, const std::vector<NamedRegistryValue>& values) {
  checkKeyPathStorable(key);
  for (const NamedRegistryValue& value : values) {
    checkValueStorable(value);
    if (std::find(m_failingNames.begin(), m_failingNames.end(), Hive::foldedName(value.name)) != m_failingNames.end())
      throw RegistryValueError("The value '" + value.name + "' could not be written.", value.name);
  }
  for (const NamedRegistryValue& value : values) m_hive.setValue(key, HiveValue{value.name, value.value, std::nullopt});
  m_hive.createKey(key);
}

bool MemoryRegistry::deleteValue(std::string_view key, std::string_view name) { return m_hive.deleteValue(key, name); }

std::vector<std::string> MemoryRegistry::valueNames(std::string_view key) const { return m_hive.valueNames(key); }

std::vector<std::string> MemoryRegistry::subkeyNames(std::string_view key) const { return m_hive.subkeyNames(key); }

void MemoryRegistry::failWritesOf(std::string valueName) { m_failingNames.push_back(Hive::foldedName(valueName)); }

void MemoryRegistry::writeForeignValue(std::string_view key, std::string name, std::uint32_t type,
                                       std::vector<std::uint8_t> bytes) {
  m_hive.setValue(key, HiveValue{std::move(name), RegistryValue{std::move(bytes)}, type});
}

}  // namespace lunasoma::test
