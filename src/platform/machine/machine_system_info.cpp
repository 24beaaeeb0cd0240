#include "platform/machine/machine_system_info.h"

#include <filesystem>

namespace platform {

std::string RunningExecutableFolder() {
  std::error_code error;
  std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return std::filesystem::current_path().string();
  return executable.parent_path().string();
}

}  // namespace platform
