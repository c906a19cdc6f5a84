#include "platform/Hive.h"

#include <algorithm>
#include <utility>

namespace lunasoma {

namespace {

constexpr char Separator = '\\';

unsigned char foldChar(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

bool sameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return foldChar(x) == foldChar(y); });
}

// True when path lies strictly below the normalised key `parent` ("" is the root).
bool isBelow(std::string_view path, std::string_view parent) {
  if (parent.empty()) return !path.empty();
  return path.size() > parent.size() && path[parent.size()] == Separator && sameName(path.substr(0, parent.size()), parent);
}

}  // namespace

bool Hive::PathLess::operator()(std::string_view a, std::string_view b) const {
  const std::size_t n = std::min(a.size(), b.size());
  std::size_t i = 0;
  while (i < n && a[i] == b[i]) ++i;  // equal bytes rank equally; only a difference needs folding
  for (; i < n; ++i) {
    const int ra = a[i] == Separator ? 0 : foldChar(a[i]) + 1;
    const int rb = b[i] == Separator ? 0 : foldChar(b[i]) + 1;
    if (ra != rb) return ra < rb;
  }
  return a.size() < b.size();
}

void Hive::Entry::reindex() {
  index.clear();
  for (std::size_t i = 0; i < key.values.size(); ++i) index.emplace(foldedName(key.values[i].name), i);
}

Hive::Hive() { m_keys.emplace(std::string(), Entry{}); }

std::string Hive::normalizedPath(std::string_view path) {
  std::string result;
  result.reserve(path.size());
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find(Separator, start);
    if (end == std::string_view::npos) end = path.size();
    if (end > start) {
      if (!result.empty()) result += Separator;
      result.append(path.substr(start, end - start));
    }
    start = end + 1;
  }
  return result;
}

std::string Hive::foldedName(std::string_view name) {
  std::string folded(name);
  for (char& c : folded) c = static_cast<char>(foldChar(c));
  return folded;
}

const Hive::Entry* Hive::find(std::string_view path) const {
  const auto it = m_keys.find(normalizedPath(path));
  return it == m_keys.end() ? nullptr : &it->second;
}

Hive::Entry& Hive::obtain(std::string_view normalized) {
  // Find the deepest key on the path that exists (the root always does), then make the missing
  // ones below it, each taking the stored spelling of its parents.
  std::vector<std::size_t> missingEnds;  // where each missing key's path ends, deepest first
  std::size_t end = normalized.size();
  auto it = m_keys.find(normalized);
  while (it == m_keys.end()) {
    if (end == 0) {  // only a hive that was moved from has lost its root
      it = m_keys.emplace(std::string(), Entry{}).first;
      break;
    }
    missingEnds.push_back(end);
    const std::size_t slash = normalized.rfind(Separator, end - 1);
    end = slash == std::string_view::npos ? 0 : slash;
    it = m_keys.find(normalized.substr(0, end));
  }
  Entry* entry = &it->second;
  for (auto missing = missingEnds.rbegin(); missing != missingEnds.rend(); ++missing) {
    const std::size_t start = end == 0 ? 0 : end + 1;
    Entry fresh;
    fresh.key.path = entry->key.path;
    if (!fresh.key.path.empty()) fresh.key.path += Separator;
    fresh.key.path.append(normalized.substr(start, *missing - start));
    std::string mapKey = fresh.key.path;
    entry = &m_keys.emplace(std::move(mapKey), std::move(fresh)).first->second;
    end = *missing;
  }
  return *entry;
}

std::pair<Hive::KeyMap::const_iterator, Hive::KeyMap::const_iterator> Hive::descendants(std::string_view normalized) const {
  const auto first = m_keys.upper_bound(normalized);
  auto last = first;
  while (last != m_keys.end() && isBelow(last->first, normalized)) ++last;
  return {first, last};
}

bool Hive::keyExists(std::string_view path) const { return find(path) != nullptr; }

bool Hive::createKey(std::string_view path) {
  const std::string normalized = normalizedPath(path);
  const std::size_t before = m_keys.size();
  obtain(normalized);
  return m_keys.size() != before;
}

bool Hive::deleteKey(std::string_view path) {
  const std::string normalized = normalizedPath(path);
  if (normalized.empty()) return false;
  const auto self = m_keys.find(normalized);
  if (self == m_keys.end()) return false;
  const auto [first, last] = descendants(normalized);
  m_keys.erase(first, last);
  m_keys.erase(self);
  return true;
}

const HiveValue* Hive::findValue(std::string_view key, std::string_view name) const {
  const Entry* entry = find(key);
  if (entry == nullptr) return nullptr;
  const auto it = entry->index.find(foldedName(name));
  return it == entry->index.end() ? nullptr : &entry->key.values[it->second];
}

bool Hive::setValue(std::string_view key, HiveValue value) {
  const std::size_t keysBefore = m_keys.size();
  Entry& entry = obtain(normalizedPath(key));
  const bool keyCreated = m_keys.size() != keysBefore;
  auto [it, inserted] = entry.index.emplace(foldedName(value.name), entry.key.values.size());
  if (inserted) {
    entry.key.values.push_back(std::move(value));
    return true;
  }
  HiveValue& stored = entry.key.values[it->second];
  value.name = stored.name;
  if (stored == value) return keyCreated;
  stored = std::move(value);
  return true;
}

void Hive::setValues(std::string_view key, std::vector<HiveValue>&& values) {
  Entry& entry = obtain(normalizedPath(key));
  entry.key.values.reserve(entry.key.values.size() + values.size());
  entry.index.reserve(entry.key.values.size() + values.size());
  for (HiveValue& value : values) {
    auto [it, inserted] = entry.index.emplace(foldedName(value.name), entry.key.values.size());
    if (inserted) {
      entry.key.values.push_back(std::move(value));
    } else {
      HiveValue& stored = entry.key.values[it->second];
      stored.value = std::move(value.value);
      stored.foreignType = value.foreignType;
    }
  }
}

bool Hive::deleteValue(std::string_view key, std::string_view name) {
  const auto keyIt = m_keys.find(normalizedPath(key));
  if (keyIt == m_keys.end()) return false;
  Entry& entry = keyIt->second;
  const auto it = entry.index.find(foldedName(name));
  if (it == entry.index.end()) return false;
  entry.key.values.erase(entry.key.values.begin() + static_cast<std::ptrdiff_t>(it->second));
  entry.reindex();
  return true;
}

std::vector<std::string> Hive::valueNames(std::string_view key) const {
  std::vector<std::string> names;
  if (const Entry* entry = find(key)) {
    names.reserve(entry->key.values.size());
    for (const HiveValue& value : entry->key.values) names.push_back(value.name);
  }
  return names;
}

std::vector<std::string> Hive::subkeyNames(std::string_view key) const {
  std::vector<std::string> names;
  const std::string normalized = normalizedPath(key);
  if (m_keys.find(normalized) == m_keys.end()) return names;
  const std::size_t skip = normalized.empty() ? 0 : normalized.size() + 1;
  const auto [first, last] = descendants(normalized);
  for (auto it = first; it != last; ++it) {
    const std::string_view rest = std::string_view(it->first).substr(skip);
    if (rest.find(Separator) == std::string_view::npos) names.emplace_back(rest);
  }
  return names;
}

std::vector<const HiveKey*> Hive::keys() const {
  std::vector<const HiveKey*> result;
  result.reserve(m_keys.size());
  for (const auto& [path, entry] : m_keys) result.push_back(&entry.key);
  return result;
}

std::size_t Hive::valueCount() const {
  std::size_t count = 0;
  for (const auto& [path, entry] : m_keys) count += entry.key.values.size();
  return count;
}

bool operator==(const Hive& a, const Hive& b) {
  return std::equal(a.m_keys.begin(), a.m_keys.end(), b.m_keys.begin(), b.m_keys.end(), [](const auto& x, const auto& y) {
    return x.second.key.path == y.second.key.path && x.second.key.values == y.second.key.values;
  });
}

}  // namespace lunasoma
