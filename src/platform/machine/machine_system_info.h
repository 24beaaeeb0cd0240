#pragma once

#include <string>

#include "platform/system_info.h"

namespace platform {

// The Windows folders of a Wine-shaped machine (Wine reports the NT family), and the running
// executable's folder.
class MachineSystemInfo : public SystemInfo {
 public:
  // `executableFolder` as a Windows path with its trailing backslash.
  explicit MachineSystemInfo(std::string executableFolder)
      : executableFolder_(std::move(executableFolder)) {}

  int PlatformId() override { return VER_PLATFORM_WIN32_NT; }
  std::string GetWindowsDirectoryA() override { return "C:\\windows"; }
  std::string GetSystemDirectoryA() override { return "C:\\windows\\system32"; }
  std::string ExecutableFolder() override { return executableFolder_; }

 private:
  std::string executableFolder_;
};

// The folder of the running executable (Unix path, no trailing slash).
std::string RunningExecutableFolder();

}  // namespace platform
