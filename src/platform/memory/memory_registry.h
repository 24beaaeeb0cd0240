#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/registry_service.h"

namespace platform {

// A registry kept in memory, for tests. Each root is a tree of its own. Names compare without
// regard to ASCII letter case and keep the case they were created with; subkeys and values
// enumerate in the order they were created. Paths are backslash-separated; empty components
// (a leading, trailing or doubled backslash) are passed over.
//
// A handle that is closed or was never handed out is a programming error (std::logic_error).
// A handle whose key was deleted meanwhile stays valid to close; everything else on it fails or
// finds nothing.
class MemoryRegistry : public RegistryService {
 public:
  MemoryRegistry();
  ~MemoryRegistry() override;
  MemoryRegistry(const MemoryRegistry&) = delete;
  MemoryRegistry& operator=(const MemoryRegistry&) = delete;

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

  // Test switches.
  // Every open on the root, creating or not, is refused as AccessDenied.
  void DenyAccess(RegistryRoot root, bool denied);
  // SetValue reports failure and changes nothing.
  void FailSetValue(bool fail);
  // QueryValue of an existing value reports QueryStatus::Failed.
  void FailQueryValue(bool fail);

  // Inspection and set-up for tests; these ignore the switches above and hold no handle.
  bool KeyExists(RegistryRoot root, std::string_view path) const;
  std::optional<RegValue> Value(RegistryRoot root, std::string_view path,
                                std::string_view name) const;
  // Creates the key path (and no value).
  void CreateKey(RegistryRoot root, std::string_view path);
  // Creates the key path and sets the value.
  void Put(RegistryRoot root, std::string_view path, std::string_view name, std::uint32_t type,
           std::string data);
  // A REG_SZ value: the text and its terminating NUL.
  void PutString(RegistryRoot root, std::string_view path, std::string_view name,
                 std::string_view text);
  // A REG_DWORD value: four bytes, little-endian.
  void PutDword(RegistryRoot root, std::string_view path, std::string_view name,
                std::uint32_t number);
  std::size_t OpenHandleCount() const;
  // Empty when the key does not exist.
  std::vector<std::string> SubKeyNames(RegistryRoot root, std::string_view path) const;
  std::vector<std::string> ValueNames(RegistryRoot root, std::string_view path) const;

 private:
  struct Key;
  struct OpenHandle {
    RegistryRoot root;
    std::shared_ptr<Key> key;
  };

  Key& RootKey(RegistryRoot root) const;
  const OpenHandle& Handle(KeyHandle handle) const;
  OpenedKey Open(RegistryRoot root, const std::shared_ptr<Key>& start, std::string_view path,
                 bool create);
  bool Denied(RegistryRoot root) const;

  static constexpr std::size_t kRootCount = 5;
  std::array<std::shared_ptr<Key>, kRootCount> roots_;
  std::array<bool, kRootCount> denied_{};
  bool failSetValue_ = false;
  bool failQueryValue_ = false;
  std::unordered_map<KeyHandle, OpenHandle> handles_;
  KeyHandle nextHandle_ = 1;
};

}  // namespace platform
