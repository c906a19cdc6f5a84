// The hive as the program changes it: arbitrary text is read, edited by a short list of commands,
// written, and read again. The input is the hive text, then optionally a line "#edits" and one
// command a line, fields separated by '|':
//   s key|name|text    d key|name|hex number    b key|name|bytes    (store a value)
//   k key              (delete a key)           v key|name          (delete a value)
//   c key              (create a key)           r key|name          (look the value up)
// After each edit the look-ups must agree with it; at the end, what was written must read back
// as the same hive and be written the same way, and every line kept unread must still be in the
// text. Anything else (a crash, an unexpected exception, a disagreement) is a fault.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Hive.h"
#include "platform/HiveFormat.h"

namespace {

using namespace lunasoma;

constexpr std::string_view EditsMarker = "\n#edits\n";
constexpr std::size_t MaxEdits = 16;

void check(bool condition) {
  if (!condition) std::abort();
}

std::vector<std::string_view> fields(std::string_view line) {
  std::vector<std::string_view> result;
  for (;;) {
    const std::size_t bar = line.find('|');
    result.push_back(line.substr(0, bar));
    if (bar == std::string_view::npos) return result;
    line.remove_prefix(bar + 1);
  }
}

// The unread lines a hive holds that no edit may drop: those before the first section and after
// any section (refused sections belong to no key the program can delete).
std::vector<std::string> unreadSections(const Hive& hive) {
  std::vector<std::string> texts(hive.preamble().begin(), hive.preamble().end());
  hive.forEachKey([&](std::string_view, const HiveKey& key) {
    texts.insert(texts.end(), key.trailing.begin(), key.trailing.end());
  });
  std::sort(texts.begin(), texts.end());
  return texts;
}

bool storable(std::string_view key, const HiveValue* value) {
  try {
    checkKeyPathStorable(key);
    if (value) checkValueStorable(NamedRegistryValue{value->name, value->value});
    return true;
  } catch (const RegistryError&) {
    return false;
  }
}

void apply(Hive& hive, std::string_view line) {
  if (line.size() < 2 || line[1] != ' ') return;
  const std::vector<std::string_view> args = fields(line.substr(2));
  const std::string_view key = args[0];
  const std::string_view name = args.size() > 1 ? args[1] : std::string_view();
  const std::string_view data = args.size() > 2 ? args[2] : std::string_view();
  switch (line[0]) {
    case 's':
    case 'd':
    case 'b': {
      HiveValue value{std::string(name), {}, std::nullopt};
      if (line[0] == 's') {
        value.value.data = std::string(data);
      } else if (line[0] == 'd') {
        value.value.data = static_cast<std::uint32_t>(std::strtoul(std::string(data).c_str(), nullptr, 16));
      } else {
        value.value.data = std::vector<std::uint8_t>(data.begin(), data.end());
      }
      if (!storable(key, &value)) return;
      const HiveValue stored = value;
      hive.setValue(key, std::move(value));
      const HiveValue* found = hive.findValue(key, name);
      check(found != nullptr && found->value == stored.value && !found->foreignType);
      break;
    }
    case 'k': {
      const bool existed = hive.keyExists(key) && !Hive::normalizedPath(key).empty();
      const std::vector<std::string> before = unreadSections(hive);
      check(hive.deleteKey(key) == existed);
      check(!existed || !hive.keyExists(key));
      check(unreadSections(hive) == before);
      break;
    }
    case 'v': {
      const bool existed = hive.findValue(key, name) != nullptr;
      check(hive.deleteValue(key, name) == existed);
      check(hive.findValue(key, name) == nullptr);
      break;
    }
    case 'c':
      if (!storable(key, nullptr)) return;
      hive.createKey(key);
      check(hive.keyExists(key));
      break;
    case 'r': {
      const HiveValue* found = hive.findValue(key, name);
      const std::vector<std::string> names = hive.valueNames(key);
      const bool listed = std::any_of(names.begin(), names.end(), [&](const std::string& n) {
        return Hive::foldedName(n) == Hive::foldedName(name);
      });
      check((found != nullptr) == listed);
      check(found == nullptr || hive.keyExists(key));
      break;
    }
    default:
      break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  std::string_view edits;
  if (const std::size_t marker = input.find(EditsMarker); marker != std::string_view::npos) {
    edits = input.substr(marker + EditsMarker.size());
    input = input.substr(0, marker + 1);
  }
  Hive hive;
  try {
    hive = parseHive(input, CurrentUserRoot);
  } catch (const HiveFormatError&) {
    return 0;
  }
  for (std::size_t count = 0; !edits.empty() && count < MaxEdits; ++count) {
    const std::size_t end = edits.find('\n');
    apply(hive, edits.substr(0, end));
    edits = end == std::string_view::npos ? std::string_view() : edits.substr(end + 1);
  }

  const std::string written = formatHive(hive, CurrentUserRoot);
  const Hive reread = parseHive(written, CurrentUserRoot);
  check(reread == hive);
  check(formatHive(reread, CurrentUserRoot) == written);
  // Every kept text is in the written text, in the order the hive holds them.
  std::size_t cursor = 0;
  const auto present = [&](const std::string& text) {
    cursor = written.find(text, cursor);
    check(cursor != std::string::npos);
    cursor += text.size();
  };
  for (const std::string& text : hive.preamble()) present(text);
  hive.forEachKey([&](std::string_view, const HiveKey& key) {
    for (const KeptText& kept : key.kept) present(kept.text);
    for (const std::string& text : key.trailing) present(text);
  });
  return 0;
}
