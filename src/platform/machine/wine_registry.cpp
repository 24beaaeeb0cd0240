#include "platform/machine/wine_registry.h"

#include <stdexcept>
#include <utility>

#include "platform/error.h"
#include "platform/machine/wine_unicode.h"
#include "platform/machine/wineserver_probe.h"
#include "platform/text.h"

namespace platform {

namespace {

// Past this many links in one lookup the links are taken to loop.
constexpr int kMaxLinkDepth = 16;

bool IsStringType(std::uint32_t type) {
  return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

std::string Utf16Bytes(std::u16string_view units) {
  std::string bytes;
  bytes.reserve(units.size() * 2);
  for (char16_t unit : units) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

std::u16string Utf16Units(std::string_view bytes) {
  std::u16string units(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < units.size(); ++i) {
    units[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                     (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
  }
  return units;
}

// What the ANSI functions hand over and what Wine stores, both ways.
wine::HiveValue ToStored(std::uint32_t type, std::string_view data) {
  if (!IsStringType(type)) return {type, std::string(data)};
  return {type, Utf16Bytes(wine::Utf8ToUtf16(data))};
}

RegValue FromStored(const wine::HiveValue& value) {
  if (!IsStringType(value.type)) return {value.type, value.data};
  return {value.type, wine::Utf16ToUtf8(Utf16Units(value.data))};
}

std::string WithoutTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

}  // namespace

WineRegistry::WineRegistry(std::string prefix, std::string userSid)
    : prefix_(WithoutTrailingSlashes(std::move(prefix))),
      givenSid_(std::move(userSid)),
      files_{WineHiveFile(prefix_ + "/system.reg", "REGISTRY\\Machine"),
             WineHiveFile(prefix_ + "/user.reg", "REGISTRY\\User\\" + givenSid_),
             WineHiveFile(prefix_ + "/userdef.reg", "REGISTRY\\User\\.Default")} {}

WineRegistry::~WineRegistry() = default;

bool WineRegistry::Ready(int hive) {
  return File(hive).Refresh() == WineHiveFile::Access::Ready;
}

std::string WineRegistry::UserSid() {
  if (!Ready(kUser)) return givenSid_;
  // "REGISTRY\User\<SID>", or "\User\<SID>" in older files.
  std::vector<std::string_view> parts = SplitPath(File(kUser).Hive().RelativeTo());
  for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
    if (EqualsNoCase(parts[i], "User")) return std::string(parts[i + 1]);
  }
  return givenSid_;
}

std::string WineRegistry::BusyMessage() const {
  return "Wine is running programs of the machine in " + prefix_ +
         ", so its registry cannot be changed now. Close the Windows programs of that prefix "
         "and try again.";
}

bool WineRegistry::MayChange(int hive) {
  if (WineserverServes(prefix_)) throw Error(BusyMessage());
  return File(hive).MayWrite();
}

std::string WineRegistry::PathOf(int hive, const WineHive::Key& key) {
  WineHive& tree = File(hive).Hive();
  std::vector<std::string_view> names;
  for (const WineHive::Key* at = &key; tree.Parent(*at); at = tree.Parent(*at)) {
    names.push_back(tree.Name(*at));
  }
  std::string path;
  for (auto it = names.rbegin(); it != names.rend(); ++it) {
    if (!path.empty()) path += '\\';
    path += *it;
  }
  return path;
}

std::optional<WineRegistry::Place> WineRegistry::Resolve(std::string_view absolute, int depth) {
  std::vector<std::string_view> parts = SplitPath(absolute);
  if (parts.size() < 2 || !EqualsNoCase(parts[0], "Registry")) return std::nullopt;
  int hive = kUsers;
  std::size_t first = 2;
  if (EqualsNoCase(parts[1], "Machine")) {
    hive = kSystem;
  } else if (EqualsNoCase(parts[1], "User") && parts.size() >= 3) {
    first = 3;
    if (EqualsNoCase(parts[2], ".Default")) {
      hive = kDefaultUser;
    } else if (EqualsNoCase(parts[2], UserSid())) {
      hive = kUser;
    }
  }
  if (hive == kUsers || !Ready(hive)) return std::nullopt;
  WineHive& tree = File(hive).Hive();
  Place place{hive, &tree.Root()};
  for (std::size_t i = first; i < parts.size(); ++i) {
    WineHive::Key* child = File(place.hive).Hive().SubKey(*place.key, parts[i]);
    if (!child) return std::nullopt;
    place.key = child;
    if (File(place.hive).Hive().IsLink(*child)) {
      std::optional<Place> target = FollowLink(place, depth + 1);
      if (!target) return std::nullopt;
      place = *target;
    }
  }
  return place;
}

std::optional<WineRegistry::Place> WineRegistry::FollowLink(const Place& link, int depth) {
  if (depth > kMaxLinkDepth) return std::nullopt;
  std::optional<wine::HiveValue> target =
      File(link.hive).Hive().Value(*link.key, "SymbolicLinkValue");
  if (!target || target->type != REG_LINK) return std::nullopt;
  std::string path = wine::Utf16ToUtf8(Utf16Units(target->data));
  while (!path.empty() && path.back() == '\0') path.pop_back();
  return Resolve(path, depth);
}

WineRegistry::Located WineRegistry::Locate(Place place, std::string_view path, bool create) {
  for (std::string_view name : SplitPath(path)) {
    if (place.hive == kUsers) {
      if (EqualsNoCase(name, ".Default")) {
        place.hive = kDefaultUser;
      } else if (EqualsNoCase(name, UserSid())) {
        place.hive = kUser;
      } else {
        // HKEY_USERS holds the loaded profiles only; nothing is created there.
        return {create ? OpenStatus::AccessDenied : OpenStatus::Missing, {}};
      }
      if (!Ready(place.hive)) return {OpenStatus::AccessDenied, {}};
      place.key = &File(place.hive).Hive().Root();
      continue;
    }
    WineHive& tree = File(place.hive).Hive();
    WineHive::Key* child = tree.SubKey(*place.key, name);
    if (!child) {
      if (!create) return {OpenStatus::Missing, {}};
      if (!MayChange(place.hive)) return {OpenStatus::AccessDenied, {}};
      child = &tree.CreateSubKey(*place.key, name);
      File(place.hive).Record({HiveChange::Kind::CreateKey, PathOf(place.hive, *child), {}, {}});
    }
    place.key = child;
    if (tree.IsLink(*child)) {
      std::optional<Place> target = FollowLink(place, 0);
      if (!target) return {OpenStatus::Missing, {}};
      place = *target;
    }
  }
  return {OpenStatus::Opened, place};
}

OpenedKey WineRegistry::Opened(const Place& place) {
  Handle handle;
  handle.hive = place.hive;
  if (place.hive != kUsers) {
    handle.path = PathOf(place.hive, *place.key);
    handle.key = place.key;
    handle.generation = File(place.hive).Generation();
  }
  KeyHandle id = nextHandle_++;
  handles_.emplace(id, std::move(handle));
  return {OpenStatus::Opened, id};
}

OpenedKey WineRegistry::OpenKey(RegistryRoot root, std::string_view path, bool create) {
  std::string full;
  int hive = kSystem;
  switch (root) {
    case RegistryRoot::HKEY_LOCAL_MACHINE:
      break;
    case RegistryRoot::HKEY_CLASSES_ROOT:
      full = "Software\\Classes\\";
      break;
    case RegistryRoot::HKEY_CURRENT_CONFIG:
      full = "System\\CurrentControlSet\\Hardware Profiles\\Current\\";
      break;
    case RegistryRoot::HKEY_CURRENT_USER:
      hive = kUser;
      break;
    case RegistryRoot::HKEY_USERS:
      hive = kUsers;
      break;
    default:
      throw std::logic_error("unknown registry root");
  }
  full += path;
  Place start{hive, nullptr};
  if (hive != kUsers) {
    if (!Ready(hive)) return {OpenStatus::AccessDenied, 0};
    start.key = &File(hive).Hive().Root();
  }
  Located located = Locate(start, full, create);
  if (located.status != OpenStatus::Opened) return {located.status, 0};
  return Opened(located.place);
}

OpenedKey WineRegistry::OpenSubKey(KeyHandle parent, std::string_view path, bool create) {
  int hive = HandleOf(parent).hive;
  if (hive != kUsers && !Ready(hive)) return {OpenStatus::AccessDenied, 0};
  Handle& handle = HandleOf(parent);
  Place start{hive, nullptr};
  if (hive != kUsers) {
    start.key = KeyOf(handle);
    if (!start.key) return {OpenStatus::Missing, 0};
  }
  Located located = Locate(start, path, create);
  if (located.status != OpenStatus::Opened) return {located.status, 0};
  return Opened(located.place);
}

void WineRegistry::CloseKey(KeyHandle key) {
  HandleOf(key);
  handles_.erase(key);
}

const WineRegistry::Handle& WineRegistry::HandleOf(KeyHandle key) const {
  auto found = handles_.find(key);
  if (found == handles_.end()) throw std::logic_error("registry key handle is not open");
  return found->second;
}

WineRegistry::Handle& WineRegistry::HandleOf(KeyHandle key) {
  auto found = handles_.find(key);
  if (found == handles_.end()) throw std::logic_error("registry key handle is not open");
  return found->second;
}

WineHive::Key* WineRegistry::KeyOf(Handle& handle) {
  if (handle.hive == kUsers) return nullptr;
  WineHiveFile& file = File(handle.hive);
  WineHive& tree = file.Hive();
  if (handle.generation != file.Generation()) {
    // The file was read again: the key is found again by its path.
    handle.key = tree.Find(tree.Root(), handle.path);
    handle.generation = file.Generation();
  }
  if (!handle.key || tree.IsDeleted(*handle.key)) return nullptr;
  return handle.key;
}

KeyInfo WineRegistry::QueryInfoKey(KeyHandle key) {
  Handle& handle = HandleOf(key);
  if (handle.hive == kUsers) return {2, 0};
  WineHive::Key* opened = KeyOf(handle);
  if (!opened) return {};
  WineHive& tree = File(handle.hive).Hive();
  return {static_cast<std::uint32_t>(tree.SubKeyCount(*opened)),
          static_cast<std::uint32_t>(tree.ValueCount(*opened))};
}

std::optional<std::string> WineRegistry::EnumKey(KeyHandle key, std::uint32_t index) {
  Handle& handle = HandleOf(key);
  if (handle.hive == kUsers) {
    if (index == 0) return std::string(".Default");
    if (index == 1) return UserSid();
    return std::nullopt;
  }
  WineHive::Key* opened = KeyOf(handle);
  if (!opened) return std::nullopt;
  WineHive& tree = File(handle.hive).Hive();
  WineHive::Key* sub = tree.SubKeyAt(*opened, index);
  if (!sub) return std::nullopt;
  return std::string(tree.Name(*sub));
}

std::optional<std::string> WineRegistry::EnumValue(KeyHandle key, std::uint32_t index) {
  Handle& handle = HandleOf(key);
  WineHive::Key* opened = KeyOf(handle);
  if (!opened) return std::nullopt;
  const std::string* name = File(handle.hive).Hive().ValueNameAt(*opened, index);
  if (!name) return std::nullopt;
  return *name;
}

QueriedValue WineRegistry::QueryValue(KeyHandle key, std::string_view name) {
  Handle& handle = HandleOf(key);
  WineHive::Key* opened = KeyOf(handle);
  if (!opened) return {QueryStatus::Missing, {}};
  std::optional<wine::HiveValue> value = File(handle.hive).Hive().Value(*opened, name);
  if (!value) return {QueryStatus::Missing, {}};
  return {QueryStatus::Found, FromStored(*value)};
}

bool WineRegistry::SetValue(KeyHandle key, std::string_view name, std::uint32_t type,
                            std::string_view data) {
  Handle& handle = HandleOf(key);
  WineHive::Key* opened = KeyOf(handle);
  if (!opened || !MayChange(handle.hive)) return false;
  wine::HiveValue stored = ToStored(type, data);
  File(handle.hive).Hive().SetValue(*opened, name, stored);
  File(handle.hive)
      .Record({HiveChange::Kind::SetValue, handle.path, std::string(name), std::move(stored)});
  return true;
}

void WineRegistry::DeleteValue(KeyHandle key, std::string_view name) {
  Handle& handle = HandleOf(key);
  WineHive::Key* opened = KeyOf(handle);
  if (!opened) return;
  WineHive& tree = File(handle.hive).Hive();
  // Removing what is not there changes nothing, so it needs no leave to change.
  if (!tree.Value(*opened, name) || !MayChange(handle.hive)) return;
  tree.DeleteValue(*opened, name);
  File(handle.hive).Record({HiveChange::Kind::DeleteValue, handle.path, std::string(name), {}});
}

bool WineRegistry::DeleteKey(KeyHandle parent, std::string_view path) {
  int hive = HandleOf(parent).hive;
  if (hive != kUsers && !Ready(hive)) return false;
  Handle& handle = HandleOf(parent);
  Place start{hive, nullptr};
  if (hive != kUsers) {
    start.key = KeyOf(handle);
    if (!start.key) return false;
  }
  Located located = Locate(start, path, false);
  if (located.status != OpenStatus::Opened || located.place.hive == kUsers) return false;
  WineHive& tree = File(located.place.hive).Hive();
  WineHive::Key& target = *located.place.key;
  if (!tree.Parent(target) || tree.SubKeyCount(target) > 0) return false;
  if (!MayChange(located.place.hive)) return false;
  std::string targetPath = PathOf(located.place.hive, target);
  if (!tree.DeleteKey(target)) return false;
  File(located.place.hive).Record({HiveChange::Kind::DeleteKey, targetPath, {}, {}});
  return true;
}

bool WineRegistry::HasUnsavedChanges() const {
  for (const WineHiveFile& file : files_) {
    if (file.HasChanges()) return true;
  }
  return false;
}

bool WineRegistry::Save() {
  saveError_.clear();
  if (!HasUnsavedChanges()) return true;
  if (WineserverServes(prefix_)) {
    saveError_ = BusyMessage();
    return false;
  }
  for (WineHiveFile& file : files_) {
    std::string error = file.Save(beforeReplace_);
    if (error.empty()) continue;
    if (!saveError_.empty()) saveError_ += '\n';
    saveError_ += error;
  }
  return saveError_.empty();
}

}  // namespace platform
