#include "platform/registry.h"

#include <cstdint>
#include <optional>

#include "platform/error.h"
#include "platform/text.h"

namespace platform {

namespace {

// The key names of a path, with empty components (leading, doubled or trailing backslashes)
// left out.
std::vector<std::string_view> PathNames(std::string_view path) {
  std::vector<std::string_view> names;
  while (!path.empty()) {
    std::size_t end = path.find('\\');
    if (end != 0) names.push_back(path.substr(0, end));
    if (end == std::string_view::npos) break;
    path.remove_prefix(end + 1);
  }
  return names;
}

// Every path is taken from the root, whether or not it begins with a backslash; the service is
// handed the plain form, which the system's own open call accepts.
std::string KeyPath(std::string_view path) {
  std::string joined;
  for (std::string_view name : PathNames(path)) {
    if (!joined.empty()) joined += '\\';
    joined += name;
  }
  return joined;
}

// True when `inner` names `outer` itself or a key below it.
bool IsWithin(std::string_view inner, std::string_view outer) {
  std::vector<std::string_view> innerNames = PathNames(inner);
  std::vector<std::string_view> outerNames = PathNames(outer);
  if (outerNames.size() > innerNames.size()) return false;
  for (std::size_t i = 0; i < outerNames.size(); ++i) {
    if (!EqualsNoCase(innerNames[i], outerNames[i])) return false;
  }
  return true;
}

// Decimal text with an optional sign, within the range of a 32-bit signed integer.
std::optional<std::int32_t> ParseInteger(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
  std::int64_t magnitude = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > limit) return std::nullopt;
  }
  return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::string DwordData(std::int32_t number) {
  auto bits = static_cast<std::uint32_t>(number);
  std::string data(4, '\0');
  for (std::size_t i = 0; i < 4; ++i) data[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
  return data;
}

std::int32_t DwordNumber(std::string_view data) {
  std::uint32_t bits = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    bits |= static_cast<std::uint32_t>(static_cast<unsigned char>(data[i])) << (8 * i);
  }
  return static_cast<std::int32_t>(bits);
}

void SetOrRaise(const RegKey& key, std::string_view name, std::uint32_t type,
                std::string_view data) {
  if (!key.service().SetValue(key.handle(), name, type, data)) {
    throw Error(FormatMessage("Failed to set data for '%s'", name));
  }
}

// The value's data, or nullopt when there is no such value.
std::optional<RegValue> QueryOrRaise(const RegKey& key, std::string_view name) {
  QueriedValue queried = key.service().QueryValue(key.handle(), name);
  if (queried.status == QueryStatus::Failed) {
    throw Error(FormatMessage("Failed to get data for '%s'", name));
  }
  if (queried.status == QueryStatus::Missing) return std::nullopt;
  return std::move(queried.value);
}

// A string value's text up to its first NUL; empty when there is no such value.
std::string ReadString(const RegKey& key, std::string_view name) {
  std::optional<RegValue> value = QueryOrRaise(key, name);
  if (!value) return {};
  if (value->type != REG_SZ && value->type != REG_EXPAND_SZ) {
    throw Error(FormatMessage("Invalid data type for '%s'", name));
  }
  const std::string& data = value->data;
  return data.substr(0, data.find('\0'));
}

std::string ReadInteger(const RegKey& key, std::string_view name) {
  std::optional<RegValue> value = QueryOrRaise(key, name);
  if (!value) return {};
  if (value->type != REG_DWORD || value->data.size() != 4) {
    throw Error(FormatMessage("Invalid data type for '%s'", name));
  }
  return std::to_string(DwordNumber(value->data));
}

TextList SubKeyNames(const RegKey& key) {
  TextList names;
  for (std::uint32_t i = 0;; ++i) {
    std::optional<std::string> name = key.service().EnumKey(key.handle(), i);
    if (!name) break;
    names.push_back(std::move(*name));
  }
  return names;
}

TextList ValueNames(const RegKey& key) {
  TextList names;
  for (std::uint32_t i = 0;; ++i) {
    std::optional<std::string> name = key.service().EnumValue(key.handle(), i);
    if (!name) break;
    names.push_back(std::move(*name));
  }
  return names;
}

// Deletes every key below `key`, deepest first; what cannot be deleted stays.
void RemoveSubKeys(const RegKey& key) {
  RegistryService& service = key.service();
  for (std::uint32_t index = service.QueryInfoKey(key.handle()).subKeys; index-- > 0;) {
    std::optional<std::string> name = service.EnumKey(key.handle(), index);
    if (!name) continue;
    if (RegKey sub = key.OpenSub(*name, false)) RemoveSubKeys(sub);
    service.DeleteKey(key.handle(), *name);
  }
}

void CopyValue(const RegKey& from, const RegKey& to, std::string_view name) {
  if (std::optional<RegValue> value = QueryOrRaise(from, name)) {
    SetOrRaise(to, name, value->type, value->data);
  }
}

// Copies the values of `from` into `to`, the default value first, then the subkeys the same way.
// `toPath` names `to` in messages.
void CopyKey(const RegKey& from, const RegKey& to, const std::string& toPath) {
  CopyValue(from, to, "");
  for (const std::string& name : ValueNames(from)) {
    if (!name.empty()) CopyValue(from, to, name);
  }
  for (const std::string& name : SubKeyNames(from)) {
    RegKey fromSub = from.OpenSub(name, false);
    if (!fromSub) continue;
    std::string subPath = AddTrailingBackslash(toPath) + name;
    RegKey toSub = to.OpenSub(name, true);
    if (!toSub) throw Error(FormatMessage("Failed to create key %s", subPath));
    CopyKey(fromSub, toSub, subPath);
  }
}

}  // namespace

bool RegWriteValue(RegistryService& registry, int kind, RegistryRoot root, std::string_view key,
                   std::string_view name, std::string_view data) {
  RegKey opened = RegKey::Open(registry, root, KeyPath(key), true);
  if (!opened) return false;
  if (kind == vkString) {
    std::string text(data);
    text += '\0';
    SetOrRaise(opened, name, REG_SZ, text);
  } else if (kind == vkInteger) {
    std::optional<std::int32_t> number = ParseInteger(data);
    if (!number) throw Error(FormatMessage("'%s' is not a valid integer value", data));
    SetOrRaise(opened, name, REG_DWORD, DwordData(*number));
  }
  return true;
}

std::string RegReadValue(RegistryService& registry, int kind, RegistryRoot root,
                         std::string_view key, std::string_view name) {
  if (kind != vkString && kind != vkInteger) return {};
  RegKey opened = RegKey::Open(registry, root, KeyPath(key), false);
  if (!opened) return {};
  return kind == vkString ? ReadString(opened, name) : ReadInteger(opened, name);
}

bool RegRemoveValue(RegistryService& registry, RegistryRoot root, std::string_view key,
                    std::string_view name) {
  RegKey opened = RegKey::Open(registry, root, KeyPath(key), true);
  if (!opened) return false;
  registry.DeleteValue(opened.handle(), name);
  return true;
}

void RegReadValueList(RegistryService& registry, RegistryRoot root, std::string_view key,
                      TextList* data, TextList* names) {
  if (!data || !names) return;
  RegKey opened = RegKey::Open(registry, root, KeyPath(key), false);
  if (!opened) return;
  *names = ValueNames(opened);
  for (const std::string& name : *names) data->push_back(ReadString(opened, name));
}

bool RegReadSubKeyNames(RegistryService& registry, RegistryRoot root, std::string_view key,
                        TextList* list) {
  if (!list) return false;
  if (RegKey opened = RegKey::Open(registry, root, KeyPath(key), false)) {
    *list = SubKeyNames(opened);
  }
  return true;
}

bool RegRemoveKey(RegistryService& registry, RegistryRoot root, std::string_view key) {
  std::string path = KeyPath(key);
  // An empty path names the root itself: never empty a whole root.
  if (path.empty()) return false;
  {
    RegKey opened = RegKey::Open(registry, root, path, false);
    if (!opened) return false;
    RemoveSubKeys(opened);
  }
  RegKey rootKey = RegKey::Open(registry, root, "", false);
  return rootKey && registry.DeleteKey(rootKey.handle(), path);
}

bool RegMoveSubKey(RegistryService& registry, RegistryRoot root, std::string_view parentKey,
                   std::string_view oldName, std::string_view newName) {
  RegKey parent = RegKey::Open(registry, root, KeyPath(parentKey), true);
  if (!parent) return true;
  std::string oldPath = KeyPath(oldName);
  std::string newPath = KeyPath(newName);
  // A key cannot be moved into itself or below itself: the copy would never end, and deleting
  // the old key would take the new one with it.
  if (IsWithin(newPath, oldPath)) return true;
  {
    RegKey from = parent.OpenSub(oldPath, false);
    if (!from) return true;
    // A new key that exists but is refused is left alone too.
    OpenedKey existing = registry.OpenSubKey(parent.handle(), newPath, false);
    RegKey existingKey =
        existing.status == OpenStatus::Opened ? RegKey(registry, existing.key) : RegKey();
    if (existing.status != OpenStatus::Missing) return true;
    RegKey to = parent.OpenSub(newPath, true);
    if (!to) throw Error(FormatMessage("Failed to create key %s", newName));
    CopyKey(from, to, std::string(newName));
  }
  {
    RegKey old = parent.OpenSub(oldPath, false);
    if (old) RemoveSubKeys(old);
  }
  registry.DeleteKey(parent.handle(), oldPath);
  return true;
}

}  // namespace platform
