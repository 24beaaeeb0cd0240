#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace platform {

enum class RegistryRoot {
  HKEY_CLASSES_ROOT,
  HKEY_CURRENT_USER,
  HKEY_LOCAL_MACHINE,
  HKEY_USERS,
  HKEY_CURRENT_CONFIG,
};

// Value types, numbered as the Windows registry numbers them.
enum RegType : std::uint32_t {
  REG_NONE = 0,
  REG_SZ = 1,
  REG_EXPAND_SZ = 2,
  REG_BINARY = 3,
  REG_DWORD = 4,
  REG_DWORD_BIG_ENDIAN = 5,
  REG_LINK = 6,
  REG_MULTI_SZ = 7,
  REG_QWORD = 11,
};

// A value as the ANSI registry functions hand it over: string types carry their text in the
// ANSI code page followed by the terminating NUL; REG_DWORD is four bytes, little-endian.
struct RegValue {
  std::uint32_t type = REG_NONE;
  std::string data;
};

using KeyHandle = std::uint64_t;

enum class OpenStatus { Opened, Missing, AccessDenied };

struct OpenedKey {
  OpenStatus status = OpenStatus::Missing;
  KeyHandle key = 0;  // valid only when status is Opened
};

struct KeyInfo {
  std::uint32_t subKeys = 0;
  std::uint32_t values = 0;
};

enum class QueryStatus { Found, Missing, Failed };

struct QueriedValue {
  QueryStatus status = QueryStatus::Missing;
  RegValue value;
};

// The registry operations the program's registry functions are built on. Key and value names
// compare without regard to letter case and keep the case they were created with. Every key is
// opened for full access; a refusal reads as AccessDenied.
class RegistryService {
 public:
  virtual ~RegistryService() = default;

  // Opens `path` (backslash-separated, relative) below a root or below an open key, creating every
  // missing key of the path when `create` is set. An empty path opens the root or key itself.
  virtual OpenedKey OpenKey(RegistryRoot root, std::string_view path, bool create) = 0;
  virtual OpenedKey OpenSubKey(KeyHandle parent, std::string_view path, bool create) = 0;
  virtual void CloseKey(KeyHandle key) = 0;

  virtual KeyInfo QueryInfoKey(KeyHandle key) = 0;
  // Names by index in the service's own order; nullopt past the end.
  virtual std::optional<std::string> EnumKey(KeyHandle key, std::uint32_t index) = 0;
  virtual std::optional<std::string> EnumValue(KeyHandle key, std::uint32_t index) = 0;

  // The empty name is the key's default value.
  virtual QueriedValue QueryValue(KeyHandle key, std::string_view name) = 0;
  virtual bool SetValue(KeyHandle key, std::string_view name, std::uint32_t type,
                        std::string_view data) = 0;
  // A missing value is not an error.
  virtual void DeleteValue(KeyHandle key, std::string_view name) = 0;
  // Deletes the key `path` below `parent`; it must have no subkeys.
  virtual bool DeleteKey(KeyHandle parent, std::string_view path) = 0;
};

// An open key that is closed when it goes out of scope.
class RegKey {
 public:
  RegKey() = default;
  RegKey(RegistryService& service, KeyHandle key) : service_(&service), key_(key) {}
  RegKey(RegKey&& other) noexcept
      : service_(std::exchange(other.service_, nullptr)), key_(other.key_) {}
  RegKey& operator=(RegKey&& other) noexcept {
    if (this != &other) {
      Close();
      service_ = std::exchange(other.service_, nullptr);
      key_ = other.key_;
    }
    return *this;
  }
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;
  ~RegKey() { Close(); }

  // Opens `path` below the root; an empty RegKey when it is missing or refused.
  static RegKey Open(RegistryService& service, RegistryRoot root, std::string_view path,
                     bool create) {
    OpenedKey opened = service.OpenKey(root, path, create);
    return opened.status == OpenStatus::Opened ? RegKey(service, opened.key) : RegKey();
  }
  RegKey OpenSub(std::string_view path, bool create) const {
    OpenedKey opened = service_->OpenSubKey(key_, path, create);
    return opened.status == OpenStatus::Opened ? RegKey(*service_, opened.key) : RegKey();
  }

  explicit operator bool() const { return service_ != nullptr; }
  KeyHandle handle() const { return key_; }
  RegistryService& service() const { return *service_; }

 private:
  void Close() {
    if (service_) service_->CloseKey(key_);
    service_ = nullptr;
  }

  RegistryService* service_ = nullptr;
  KeyHandle key_ = 0;
};

}  // namespace platform
