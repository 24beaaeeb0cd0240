#include "platform/memory/memory_registry.h"

#include <stdexcept>
#include <utility>

#include "platform/text.h"

namespace platform {

namespace {

// Entries in creation order, found by their lower-case name.
template <typename Entry>
class OrderedIndex {
 public:
  Entry* Find(std::string_view name) const {
    auto found = index_.find(ToLowerAscii(name));
    return found == index_.end() ? nullptr : &*entries_[found->second];
  }
  Entry& Add(std::string_view name, Entry entry) {
    index_.emplace(ToLowerAscii(name), entries_.size());
    entries_.push_back(std::make_unique<Entry>(std::move(entry)));
    return *entries_.back();
  }
  void Remove(std::string_view name) {
    auto found = index_.find(ToLowerAscii(name));
    if (found == index_.end()) return;
    std::size_t at = found->second;
    index_.erase(found);
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(at));
    // Removing the last entry, as a subtree deletion does, moves nothing.
    if (at == entries_.size()) return;
    for (auto& [lower, position] : index_) {
      if (position > at) --position;
    }
  }
  void Clear() {
    index_.clear();
    entries_.clear();
  }
  std::size_t Size() const { return entries_.size(); }
  Entry& At(std::size_t position) const { return *entries_[position]; }

 private:
  std::vector<std::unique_ptr<Entry>> entries_;
  std::unordered_map<std::string, std::size_t> index_;
};

struct NamedValue {
  std::string name;
  RegValue value;
};

std::size_t RootIndex(RegistryRoot root) {
  return static_cast<std::size_t>(root);
}

}  // namespace

struct MemoryRegistry::Key {
  std::string name;
  // Null for a root and for a deleted key. Only keys without subkeys are deleted, so a parent
  // outlives every key that points to it.
  Key* parent = nullptr;
  bool deleted = false;
  // Handles hold keys too, so a deleted key lives on until its last handle is closed.
  OrderedIndex<std::shared_ptr<Key>> subKeys;
  OrderedIndex<NamedValue> values;

  Key* FindSubKey(std::string_view subName) const {
    std::shared_ptr<Key>* found = subKeys.Find(subName);
    return found ? found->get() : nullptr;
  }
  const std::shared_ptr<Key>& AddSubKey(std::string_view subName) {
    auto created = std::make_shared<Key>();
    created->name = std::string(subName);
    created->parent = this;
    return subKeys.Add(subName, std::move(created));
  }
  // The key at `path` below this one; null when a component is missing.
  Key* Find(std::string_view path) {
    Key* current = this;
    for (std::string_view part : SplitPath(path)) {
      current = current->FindSubKey(part);
      if (!current) return nullptr;
    }
    return current;
  }
};

MemoryRegistry::MemoryRegistry() {
  for (auto& root : roots_) root = std::make_shared<Key>();
}

MemoryRegistry::~MemoryRegistry() = default;

MemoryRegistry::Key& MemoryRegistry::RootKey(RegistryRoot root) const {
  std::size_t index = RootIndex(root);
  if (index >= kRootCount) throw std::logic_error("unknown registry root");
  return *roots_[index];
}

const MemoryRegistry::OpenHandle& MemoryRegistry::Handle(KeyHandle handle) const {
  auto found = handles_.find(handle);
  if (found == handles_.end()) throw std::logic_error("registry key handle is not open");
  return found->second;
}

bool MemoryRegistry::Denied(RegistryRoot root) const {
  return denied_[RootIndex(root)];
}

OpenedKey MemoryRegistry::Open(RegistryRoot root, const std::shared_ptr<Key>& start,
                               std::string_view path, bool create) {
  if (Denied(root)) return {OpenStatus::AccessDenied, 0};
  if (start->deleted) return {OpenStatus::Missing, 0};
  std::vector<std::string_view> parts = SplitPath(path);
  // Walk first, so that a failed open without `create` leaves nothing behind.
  std::shared_ptr<Key> current = start;
  std::size_t walked = 0;
  for (; walked < parts.size(); ++walked) {
    std::shared_ptr<Key>* next = current->subKeys.Find(parts[walked]);
    if (!next) break;
    current = *next;
  }
  if (walked < parts.size()) {
    if (!create) return {OpenStatus::Missing, 0};
    for (; walked < parts.size(); ++walked) current = current->AddSubKey(parts[walked]);
  }
  KeyHandle handle = nextHandle_++;
  handles_.emplace(handle, OpenHandle{root, std::move(current)});
  return {OpenStatus::Opened, handle};
}

OpenedKey MemoryRegistry::OpenKey(RegistryRoot root, std::string_view path, bool create) {
  return Open(root, roots_[RootIndex(root)], path, create);
}

OpenedKey MemoryRegistry::OpenSubKey(KeyHandle parent, std::string_view path, bool create) {
  const OpenHandle& open = Handle(parent);
  std::shared_ptr<Key> start = open.key;  // Open() may rehash handles_
  return Open(open.root, start, path, create);
}

void MemoryRegistry::CloseKey(KeyHandle key) {
  Handle(key);
  handles_.erase(key);
}

KeyInfo MemoryRegistry::QueryInfoKey(KeyHandle key) {
  const Key& opened = *Handle(key).key;
  if (opened.deleted) return {};
  return {static_cast<std::uint32_t>(opened.subKeys.Size()),
          static_cast<std::uint32_t>(opened.values.Size())};
}

std::optional<std::string> MemoryRegistry::EnumKey(KeyHandle key, std::uint32_t index) {
  const Key& opened = *Handle(key).key;
  if (opened.deleted || index >= opened.subKeys.Size()) return std::nullopt;
  return opened.subKeys.At(index)->name;
}

std::optional<std::string> MemoryRegistry::EnumValue(KeyHandle key, std::uint32_t index) {
  const Key& opened = *Handle(key).key;
  if (opened.deleted || index >= opened.values.Size()) return std::nullopt;
  return opened.values.At(index).name;
}

QueriedValue MemoryRegistry::QueryValue(KeyHandle key, std::string_view name) {
  const Key& opened = *Handle(key).key;
  const NamedValue* found = opened.deleted ? nullptr : opened.values.Find(name);
  if (!found) return {QueryStatus::Missing, {}};
  if (failQueryValue_) return {QueryStatus::Failed, {}};
  return {QueryStatus::Found, found->value};
}

bool MemoryRegistry::SetValue(KeyHandle key, std::string_view name, std::uint32_t type,
                              std::string_view data) {
  Key& opened = *Handle(key).key;
  if (opened.deleted || failSetValue_) return false;
  RegValue value{type, std::string(data)};
  if (NamedValue* found = opened.values.Find(name)) {
    found->value = std::move(value);
  } else {
    opened.values.Add(name, NamedValue{std::string(name), std::move(value)});
  }
  return true;
}

void MemoryRegistry::DeleteValue(KeyHandle key, std::string_view name) {
  Key& opened = *Handle(key).key;
  if (!opened.deleted) opened.values.Remove(name);
}

bool MemoryRegistry::DeleteKey(KeyHandle parent, std::string_view path) {
  Key& opened = *Handle(parent).key;
  if (opened.deleted) return false;
  Key* target = opened.Find(path);
  // A root has no parent and cannot be deleted.
  if (!target || !target->parent || target->subKeys.Size() > 0) return false;
  Key* owner = std::exchange(target->parent, nullptr);
  target->deleted = true;
  target->values.Clear();
  owner->subKeys.Remove(target->name);  // may release the last reference to *target
  return true;
}

void MemoryRegistry::DenyAccess(RegistryRoot root, bool denied) {
  RootKey(root);
  denied_[RootIndex(root)] = denied;
}

void MemoryRegistry::FailSetValue(bool fail) {
  failSetValue_ = fail;
}

void MemoryRegistry::FailQueryValue(bool fail) {
  failQueryValue_ = fail;
}

bool MemoryRegistry::KeyExists(RegistryRoot root, std::string_view path) const {
  return RootKey(root).Find(path) != nullptr;
}

std::optional<RegValue> MemoryRegistry::Value(RegistryRoot root, std::string_view path,
                                              std::string_view name) const {
  const Key* key = RootKey(root).Find(path);
  const NamedValue* found = key ? key->values.Find(name) : nullptr;
  if (!found) return std::nullopt;
  return found->value;
}

void MemoryRegistry::CreateKey(RegistryRoot root, std::string_view path) {
  Key* current = &RootKey(root);
  for (std::string_view part : SplitPath(path)) {
    Key* next = current->FindSubKey(part);
    current = next ? next : current->AddSubKey(part).get();
  }
}

void MemoryRegistry::Put(RegistryRoot root, std::string_view path, std::string_view name,
                         std::uint32_t type, std::string data) {
  CreateKey(root, path);
  Key& key = *RootKey(root).Find(path);
  if (NamedValue* found = key.values.Find(name)) {
    found->value = RegValue{type, std::move(data)};
  } else {
    key.values.Add(name, NamedValue{std::string(name), RegValue{type, std::move(data)}});
  }
}

void MemoryRegistry::PutString(RegistryRoot root, std::string_view path, std::string_view name,
                               std::string_view text) {
  std::string data(text);
  data += '\0';
  Put(root, path, name, REG_SZ, std::move(data));
}

void MemoryRegistry::PutDword(RegistryRoot root, std::string_view path, std::string_view name,
                              std::uint32_t number) {
  std::string data(4, '\0');
  for (std::size_t i = 0; i < 4; ++i) data[i] = static_cast<char>((number >> (8 * i)) & 0xFF);
  Put(root, path, name, REG_DWORD, std::move(data));
}

std::size_t MemoryRegistry::OpenHandleCount() const {
  return handles_.size();
}

std::vector<std::string> MemoryRegistry::SubKeyNames(RegistryRoot root,
                                                     std::string_view path) const {
  std::vector<std::string> names;
  if (const Key* key = RootKey(root).Find(path)) {
    for (std::size_t i = 0; i < key->subKeys.Size(); ++i) names.push_back(key->subKeys.At(i)->name);
  }
  return names;
}

std::vector<std::string> MemoryRegistry::ValueNames(RegistryRoot root,
                                                    std::string_view path) const {
  std::vector<std::string> names;
  if (const Key* key = RootKey(root).Find(path)) {
    for (std::size_t i = 0; i < key->values.Size(); ++i) names.push_back(key->values.At(i).name);
  }
  return names;
}

}  // namespace platform
