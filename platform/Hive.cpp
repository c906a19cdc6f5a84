#include "platform/Hive.h"

#include <algorithm>
#include <utility>

#include "model/AsciiCase.h"

namespace lunasoma {

namespace {

constexpr char Separator = '\\';

// Unsigned, so that names order byte by byte as they are stored.
unsigned char foldChar(char c) { return static_cast<unsigned char>(lowerAscii(c)); }

// Calls step for each non-empty component of the path, in order, until it returns false; false
// when it was stopped.
template <typename Step>
bool forEachComponent(std::string_view path, Step step) {
  std::size_t start = 0;
  while (start < path.size()) {
    std::size_t end = path.find(Separator, start);
    if (end == std::string_view::npos) end = path.size();
    if (end > start && !step(path.substr(start, end - start))) return false;
    start = end + 1;
  }
  return true;
}

}  // namespace

bool Hive::NameLess::operator()(std::string_view a, std::string_view b) const {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    if (a[i] == b[i]) continue;
    const unsigned char fa = foldChar(a[i]);
    const unsigned char fb = foldChar(b[i]);
    if (fa != fb) return fa < fb;
  }
  return a.size() < b.size();
}

void Hive::Node::reindex() {
  index.clear();
  for (std::size_t i = 0; i < key.values.size(); ++i) index.emplace(foldedName(key.values[i].name), i);
}

std::unique_ptr<Hive::Node> Hive::Node::clone(Node* newParent) const {
  auto copy = std::make_unique<Node>();
  copy->key = key;
  copy->index = index;
  copy->parent = newParent;
  for (const auto& [name, child] : children) copy->children.emplace(name, child->clone(copy.get()));
  return copy;
}

Hive::Hive() : m_root(std::make_unique<Node>()) {}

Hive::~Hive() {
  // Torn down without recursion, so that no depth of keys can exhaust the stack.
  std::vector<std::unique_ptr<Node>> pending;
  if (m_root) pending.push_back(std::move(m_root));
  while (!pending.empty()) {
    std::unique_ptr<Node> node = std::move(pending.back());
    pending.pop_back();
    for (auto& [name, child] : node->children) pending.push_back(std::move(child));
  }
}

Hive::Hive(const Hive& other)
    : m_root(other.m_root ? other.m_root->clone(nullptr) : std::make_unique<Node>()), m_preamble(other.m_preamble) {}

Hive& Hive::operator=(const Hive& other) {
  if (this != &other) *this = Hive(other);
  return *this;
}

Hive::Hive(Hive&& other) noexcept : m_root(std::move(other.m_root)), m_preamble(std::move(other.m_preamble)) {}

Hive& Hive::operator=(Hive&& other) noexcept {
  if (this != &other) {
    Hive old(std::move(*this));
    m_root = std::move(other.m_root);
    m_preamble = std::move(other.m_preamble);
  }
  return *this;
}

std::string Hive::normalizedPath(std::string_view path) {
  std::string result;
  result.reserve(path.size());
  forEachComponent(path, [&](std::string_view component) {
    if (!result.empty()) result += Separator;
    result.append(component);
    return true;
  });
  return result;
}

std::string Hive::foldedName(std::string_view name) {
  std::string folded(name);
  for (char& c : folded) c = static_cast<char>(foldChar(c));
  return folded;
}

const Hive::Node* Hive::find(std::string_view path) const { return const_cast<Hive*>(this)->find(path); }

Hive::Node* Hive::find(std::string_view path) {
  if (!m_root) return nullptr;  // only a hive that was moved from has lost its root
  Node* node = m_root.get();
  const bool found = forEachComponent(path, [&](std::string_view component) {
    const auto it = node->children.find(component);
    if (it == node->children.end()) return false;
    node = it->second.get();
    return true;
  });
  return found ? node : nullptr;
}

Hive::Node& Hive::obtain(std::string_view path, bool& created) {
  created = false;
  if (!m_root) m_root = std::make_unique<Node>();
  Node* node = m_root.get();
  forEachComponent(path, [&](std::string_view component) {
    auto it = node->children.find(component);
    if (it == node->children.end()) {
      auto fresh = std::make_unique<Node>();
      fresh->key.name = std::string(component);
      fresh->parent = node;
      it = node->children.emplace(std::string(component), std::move(fresh)).first;
      created = true;
    }
    node = it->second.get();
    return true;
  });
  return *node;
}

bool Hive::keyExists(std::string_view path) const { return find(path) != nullptr; }

bool Hive::createKey(std::string_view path) {
  bool created = false;
  Node& node = obtain(path, created);
  if (created) node.key.named = true;
  return created;
}

bool Hive::deleteKey(std::string_view path) {
  Node* node = find(path);
  if (node == nullptr || node->parent == nullptr) return false;
  Node* parent = node->parent;
  // Refused sections anywhere in the removed branch are another program's; they stay, after the
  // parent's section or, for a key at the top, before the first section.
  std::vector<std::string>& keeper = parent == m_root.get() ? m_preamble : parent->key.trailing;
  bool moved = false;
  std::vector<const Node*> branch{node};
  while (!branch.empty()) {
    const Node* at = branch.back();
    branch.pop_back();
    keeper.insert(keeper.end(), at->key.trailing.begin(), at->key.trailing.end());
    moved |= !at->key.trailing.empty();
    for (auto child = at->children.rbegin(); child != at->children.rend(); ++child)
      branch.push_back(child->second.get());
  }
  const auto it = parent->children.find(std::string_view(node->key.name));
  std::unique_ptr<Node> removed = std::move(it->second);
  parent->children.erase(it);
  // A parent that existed only for the removed key stays, and so needs a section of its own.
  if (parent != m_root.get() && (moved || parent->children.empty())) parent->key.named = true;
  Hive discard;  // torn down the way the whole hive is
  discard.m_root = std::move(removed);
  return true;
}

const HiveValue* Hive::findValue(std::string_view key, std::string_view name) const {
  const Node* node = find(key);
  if (node == nullptr) return nullptr;
  const auto it = node->index.find(foldedName(name));
  return it == node->index.end() ? nullptr : &node->key.values[it->second];
}

bool Hive::setIn(Node& node, HiveValue&& value) {
  auto [it, inserted] = node.index.emplace(foldedName(value.name), node.key.values.size());
  if (inserted) {
    node.key.values.push_back(std::move(value));
    return true;
  }
  HiveValue& stored = node.key.values[it->second];
  value.name = stored.name;
  if (stored == value) return false;
  stored = std::move(value);
  return true;
}

bool Hive::setValue(std::string_view key, HiveValue value) {
  bool created = false;
  Node& node = obtain(key, created);
  const bool newlyNamed = !node.key.named;
  node.key.named = true;
  return setIn(node, std::move(value)) || created || newlyNamed;
}

bool Hive::deleteValue(std::string_view key, std::string_view name) {
  Node* node = find(key);
  if (node == nullptr) return false;
  const auto it = node->index.find(foldedName(name));
  if (it == node->index.end()) return false;
  const std::size_t position = it->second;
  node->key.values.erase(node->key.values.begin() + static_cast<std::ptrdiff_t>(position));
  for (KeptText& kept : node->key.kept)
    if (kept.before > position) --kept.before;
  node->reindex();
  return true;
}

std::vector<std::string> Hive::valueNames(std::string_view key) const {
  std::vector<std::string> names;
  if (const Node* node = find(key)) {
    names.reserve(node->key.values.size());
    for (const HiveValue& value : node->key.values) names.push_back(value.name);
  }
  return names;
}

std::vector<std::string> Hive::subkeyNames(std::string_view key) const {
  std::vector<std::string> names;
  if (const Node* node = find(key)) {
    names.reserve(node->children.size());
    for (const auto& [name, child] : node->children) names.push_back(child->key.name);
  }
  return names;
}

void Hive::forEachKey(const std::function<void(std::string_view path, const HiveKey& key)>& visit) const {
  if (!m_root) return;
  // Depth-first without recursion; the path grows and shrinks in one buffer, so visiting costs
  // the length of the names and not of every full path.
  struct Frame {
    const Node* node;
    std::map<std::string, std::unique_ptr<Node>, NameLess>::const_iterator next;
    std::size_t pathLength;
  };
  std::string path;
  visit(path, m_root->key);
  std::vector<Frame> stack{{m_root.get(), m_root->children.begin(), 0}};
  while (!stack.empty()) {
    Frame& top = stack.back();
    if (top.next == top.node->children.end()) {
      path.resize(top.pathLength);
      stack.pop_back();
      continue;
    }
    const Node* child = (top.next++)->second.get();
    const std::size_t parentLength = path.size();
    if (!path.empty()) path += Separator;
    path += child->key.name;
    visit(path, child->key);
    stack.push_back({child, child->children.begin(), parentLength});
  }
}

std::size_t Hive::valueCount() const {
  std::size_t count = 0;
  forEachKey([&](std::string_view, const HiveKey& key) { count += key.values.size(); });
  return count;
}

void Hive::Section::addValues(std::vector<HiveValue>&& values) {
  Node& node = *m_node;
  node.key.values.reserve(node.key.values.size() + values.size());
  node.index.reserve(node.key.values.size() + values.size());
  for (HiveValue& value : values) setIn(node, std::move(value));
}

void Hive::Section::keepLines(std::string text) {
  m_node->key.kept.push_back({m_node->key.values.size(), std::move(text)});
}

void Hive::Section::keepSection(std::string text) { m_node->key.trailing.push_back(std::move(text)); }

Hive::Section Hive::section(std::string_view normalized) {
  bool created = false;
  Node& node = obtain(normalized, created);
  node.key.named = true;
  return Section(&node);
}

bool operator==(const Hive& a, const Hive& b) {
  if (a.m_preamble != b.m_preamble) return false;
  if (!a.m_root || !b.m_root) return !a.m_root && !b.m_root;
  std::vector<std::pair<const Hive::Node*, const Hive::Node*>> pending{{a.m_root.get(), b.m_root.get()}};
  while (!pending.empty()) {
    const auto [x, y] = pending.back();
    pending.pop_back();
    if (!(x->key == y->key) || x->children.size() != y->children.size()) return false;
    for (auto i = x->children.begin(), j = y->children.begin(); i != x->children.end(); ++i, ++j)
      pending.emplace_back(i->second.get(), j->second.get());
  }
  return true;
}

}  // namespace lunasoma
