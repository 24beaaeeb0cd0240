#pragma once

#include <string>

#include "platform/system_info.h"

namespace platform {

class MemorySystemInfo : public SystemInfo {
 public:
  int PlatformId() override { return platformId; }
  std::string GetWindowsDirectoryA() override { return windowsDirectory; }
  std::string GetSystemDirectoryA() override { return systemDirectory; }
  std::string ExecutableFolder() override { return executableFolder; }

  int platformId = VER_PLATFORM_WIN32_NT;
  std::string windowsDirectory = "C:\\WINDOWS";
  std::string systemDirectory = "C:\\WINDOWS\\system32";
  std::string executableFolder = "C:\\Program Files\\Sparvane\\";
};

}  // namespace platform
