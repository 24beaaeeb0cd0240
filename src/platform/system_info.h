#pragma once

#include <string>

namespace platform {

constexpr int VER_PLATFORM_WIN32_WINDOWS = 1;
constexpr int VER_PLATFORM_WIN32_NT = 2;

class SystemInfo {
 public:
  virtual ~SystemInfo() = default;
  virtual int PlatformId() = 0;
  // Both without a trailing backslash, as Windows gives them.
  virtual std::string GetWindowsDirectoryA() = 0;
  virtual std::string GetSystemDirectoryA() = 0;
  // The folder of the running executable as a Windows path, with its trailing backslash.
  virtual std::string ExecutableFolder() = 0;
};

}  // namespace platform
