#include "platform/Registry.h"

#include <utility>

namespace lunasoma {

namespace {

template <typename T>
std::optional<T> readAs(const Registry& registry, std::string_view key, std::string_view name) {
  std::optional<RegistryValue> value = registry.readValue(key, name);
  if (!value) return std::nullopt;
  if (const T* data = std::get_if<T>(&value->data)) return std::move(*data);
  return std::nullopt;
}

void writeOne(Registry& registry, std::string_view key, std::string_view name, RegistryValue value) {
  registry.writeValues(key, {NamedRegistryValue{std::string(name), std::move(value)}});
}

}  // namespace

std::optional<std::uint32_t> Registry::readDword(std::string_view key, std::string_view name) const {
  return readAs<std::uint32_t>(*this, key, name);
}

std::optional<std::vector<std::uint8_t>> Registry::readBinary(std::string_view key, std::string_view name) const {
  return readAs<std::vector<std::uint8_t>>(*this, key, name);
}

std::optional<std::string> Registry::readString(std::string_view key, std::string_view name) const {
  return readAs<std::string>(*this, key, name);
}

void Registry::writeDword(std::string_view key, std::string_view name, std::uint32_t value) {
  writeOne(*this, key, name, RegistryValue{value});
}

void Registry::writeBinary(std::string_view key, std::string_view name, std::vector<std::uint8_t> value) {
  writeOne(*this, key, name, RegistryValue{std::move(value)});
}

void Registry::writeString(std::string_view key, std::string_view name, std::string value) {
  writeOne(*this, key, name, RegistryValue{std::move(value)});
}

}  // namespace lunasoma
