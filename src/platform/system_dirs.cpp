#include "platform/system_dirs.h"

#include "platform/text.h"

namespace platform {

std::string GetSystemDirPath(SystemInfo& system, int mode) {
  constexpr std::size_t kMaxPath = 255;
  std::string folder = system.GetSystemDirectoryA().substr(0, kMaxPath);
  return mode == 1 ? AddTrailingBackslash(folder) : folder;
}

}  // namespace platform
