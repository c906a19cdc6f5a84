#pragma once
// The keys and typed values of one hive held in memory, under the registry's naming rules: key
// paths are backslash-separated and relative to the root, empty components (a leading backslash,
// a doubled one) are ignored, and key and value names compare without regard to ASCII case while
// keeping the case they were first stored with. It neither reads nor writes files (HiveFormat
// turns it into text and back, HiveFile keeps it on disk) and does not vet names: the Registry
// implementations do that.
//
// Keys form a tree, each holding only its own name, so that a deep key costs memory and time in
// proportion to its path and not to the square of its depth. A key is "named" when it was created
// by name (a section of its own in a file, createKey, a value stored in it); its parents that were
// never named exist only because it does, and a file written from the hive gives them no section.
//
// Lines of a file the reader could not read stay with the hive exactly as they stood, so that a
// file written from it keeps them: among a key's values (KeptText), after a key's section
// (sections the reader refused, with everything in them) or before the first section.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
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

// Unreadable lines among a key's values: the raw lines joined by LF, standing before the value at
// index `before` (at the end when there is none).
struct KeptText {
  std::size_t before;
  std::string text;
  friend bool operator==(const KeptText&, const KeptText&) = default;
};

struct HiveKey {
  std::string name;  // the last component of the path, as first spelled; "" for the root
  bool named = false;
  std::vector<HiveValue> values;
  std::vector<KeptText> kept;
  std::vector<std::string> trailing;  // raw lines after the section, each starting a refused section
  friend bool operator==(const HiveKey&, const HiveKey&) = default;
};

class Hive {
  struct Node;

 public:
  Hive();
  ~Hive();
  Hive(const Hive& other);
  Hive& operator=(const Hive& other);
  Hive(Hive&& other) noexcept;
  Hive& operator=(Hive&& other) noexcept;

  bool keyExists(std::string_view path) const;
  // Creates the key and any missing parents; true when something was created.
  bool createKey(std::string_view path);
  // Removes the key and everything below it; false when it did not exist. The root stays, and so
  // does the parent, which becomes named. Refused sections that followed a removed key's section
  // are not the key's own: they move to the parent.
  bool deleteKey(std::string_view path);

  const HiveValue* findValue(std::string_view key, std::string_view name) const;
  // Stores the value (creating the key and naming it), keeping the stored spelling of an existing
  // name and its place among the key's values; true when the hive changed.
  bool setValue(std::string_view key, HiveValue value);
  bool deleteValue(std::string_view key, std::string_view name);

  std::vector<std::string> valueNames(std::string_view key) const;
  std::vector<std::string> subkeyNames(std::string_view key) const;

  // Calls visit for every key, parents before their children and siblings in name order, the root
  // first, with the key's normalised path (valid only during the call).
  void forEachKey(const std::function<void(std::string_view path, const HiveKey& key)>& visit) const;
  std::size_t valueCount() const;

  // Raw lines that stood before the first section, each entry one or more lines joined by LF.
  const std::vector<std::string>& preamble() const { return m_preamble; }

  // How a reader fills the hive: one Section per [key] section it reads, without a look-up per
  // line. A section stays usable until the hive is changed otherwise.
  class Section {
   public:
    // Adds the values in order; a name met again replaces the value met before it.
    void addValues(std::vector<HiveValue>&& values);
    // Keeps unreadable lines after the values added so far.
    void keepLines(std::string text);
    // Keeps a refused section (its lines) after this one.
    void keepSection(std::string text);

   private:
    friend class Hive;
    explicit Section(Node* node) : m_node(node) {}
    Node* m_node;
  };
  // The key with the normalised path, created when missing and named.
  Section section(std::string_view normalized);
  void keepPreamble(std::string text) { m_preamble.push_back(std::move(text)); }

  // Same keys, values and kept lines with the same spellings, in the same order.
  friend bool operator==(const Hive& a, const Hive& b);

  // The path with empty components dropped: "\\Software\\\\X\\" becomes "Software\\X".
  static std::string normalizedPath(std::string_view path);
  // ASCII lower case, the form in which names are compared.
  static std::string foldedName(std::string_view name);

 private:
  // Orders names without regard to ASCII case; with whole paths this puts a key's descendants
  // directly after it.
  struct NameLess {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
  };

  struct Node {
    HiveKey key;
    std::unordered_map<std::string, std::size_t> index;  // folded value name -> position in key.values
    std::map<std::string, std::unique_ptr<Node>, NameLess> children;
    Node* parent = nullptr;
    void reindex();
    std::unique_ptr<Node> clone(Node* newParent) const;
  };

  const Node* find(std::string_view path) const;
  Node* find(std::string_view path);
  // The key, created with its missing parents; created tells whether anything was.
  Node& obtain(std::string_view path, bool& created);
  static bool setIn(Node& node, HiveValue&& value);

  std::unique_ptr<Node> m_root;
  std::vector<std::string> m_preamble;
};

}  // namespace lunasoma
