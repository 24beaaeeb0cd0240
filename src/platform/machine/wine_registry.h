#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/machine/wine_hive_file.h"
#include "platform/registry_service.h"

namespace platform {

// The registry of a machine laid out as a Wine prefix, kept in the prefix's own files:
//   HKEY_LOCAL_MACHINE                      system.reg
//   HKEY_CURRENT_USER, HKEY_USERS\<SID>     user.reg
//   HKEY_USERS\.Default                     userdef.reg
//   HKEY_CLASSES_ROOT                       HKEY_LOCAL_MACHINE\Software\Classes
//   HKEY_CURRENT_CONFIG                     HKEY_LOCAL_MACHINE\System\CurrentControlSet
//                                             \Hardware Profiles\Current
// HKEY_USERS itself lists .Default and the user's SID. Keys Wine flags as links are followed
// when a path is opened, as Wine follows them (CurrentControlSet -> ControlSet001).
// Subkeys and values enumerate in file order; new ones take the place Wine gives them.
//
// Data crosses as the ANSI functions hand it over, the code page being UTF-8: the string types
// as UTF-8 text and its NUL (Wine stores them in UTF-16), everything else as its bytes.
//
// Changes are held in memory until Save() writes the files that changed, each as one step.
// A file someone else changed on disk is read again before its next use, unsaved changes being
// made again on it. Failures:
//  - while a wineserver serves the prefix, every change raises a platform::Error that asks the
//    user to close the prefix's Windows programs; reading goes on;
//  - a file that does not follow Wine's format makes every operation on its roots raise a
//    platform::Error naming the file and the line; the file is never written;
//  - a file or folder that may not be written refuses the keys of its roots (AccessDenied).
class WineRegistry : public RegistryService {
 public:
  // The Wine prefix's Unix folder and the user's SID for HKEY_USERS, used where user.reg does
  // not name one in its header.
  explicit WineRegistry(std::string prefix, std::string userSid = kDefaultUserSid);
  ~WineRegistry() override;
  WineRegistry(const WineRegistry&) = delete;
  WineRegistry& operator=(const WineRegistry&) = delete;

  static constexpr const char* kDefaultUserSid = "S-1-5-21-0-0-0-1000";

  OpenedKey OpenKey(RegistryRoot root, std::string_view path, bool create) override;
  OpenedKey OpenSubKey(KeyHandle parent, std::string_view path, bool create) override;
  void CloseKey(KeyHandle key) override;

  KeyInfo QueryInfoKey(KeyHandle key) override;
  std::optional<std::string> EnumKey(KeyHandle key, std::uint32_t index) override;
  std::optional<std::string> EnumValue(KeyHandle key, std::uint32_t index) override;

  QueriedValue QueryValue(KeyHandle key, std::string_view name) override;
  bool SetValue(KeyHandle key, std::string_view name, std::uint32_t type,
                std::string_view data) override;
  void DeleteValue(KeyHandle key, std::string_view name) override;
  bool DeleteKey(KeyHandle parent, std::string_view path) override;

  // Writes every file with unsaved changes. False when one of them could not be written (a
  // wineserver runs, the file is damaged or may not be written, the disk failed); SaveError()
  // then tells why, for the user, and the changes stay held for the next Save().
  bool Save();
  const std::string& SaveError() const { return saveError_; }
  bool HasUnsavedChanges() const;

  const std::string& Prefix() const { return prefix_; }
  // The SID HKEY_USERS lists for the user: user.reg's, else the one given.
  std::string UserSid();

  // Lets a test interrupt a save between writing the temporary file and renaming it.
  void SetBeforeReplaceForTesting(BeforeReplace hook) { beforeReplace_ = std::move(hook); }

 private:
  enum Hive : int { kSystem = 0, kUser = 1, kDefaultUser = 2, kUsers = -1 };
  struct Place {
    int hive = kUsers;
    WineHive::Key* key = nullptr;
  };
  struct Handle {
    int hive = kUsers;
    std::string path;  // from the hive's root, links resolved
    WineHive::Key* key = nullptr;
    std::uint64_t generation = 0;
  };

  WineHiveFile& File(int hive) { return files_[static_cast<std::size_t>(hive)]; }
  // Brings a file up to date; false when it refuses access.
  bool Ready(int hive);
  struct Located {
    OpenStatus status = OpenStatus::Missing;
    Place place;
  };
  // Walks `path` down from `place`, following links, creating missing keys when asked.
  Located Locate(Place place, std::string_view path, bool create);
  std::optional<Place> FollowLink(const Place& link, int depth);
  std::optional<Place> Resolve(std::string_view absolute, int depth);
  OpenedKey Opened(const Place& place);
  // The key of an open handle; null for HKEY_USERS itself and for a key deleted meanwhile.
  WineHive::Key* KeyOf(Handle& handle);
  const Handle& HandleOf(KeyHandle key) const;
  Handle& HandleOf(KeyHandle key);
  // Raises the error for a running wineserver; false when the hive refuses changes.
  bool MayChange(int hive);
  std::string PathOf(int hive, const WineHive::Key& key);
  std::string BusyMessage() const;

  std::string prefix_;
  std::string givenSid_;
  std::array<WineHiveFile, 3> files_;
  std::unordered_map<KeyHandle, Handle> handles_;
  KeyHandle nextHandle_ = 1;
  std::string saveError_;
  BeforeReplace beforeReplace_;
};

}  // namespace platform
