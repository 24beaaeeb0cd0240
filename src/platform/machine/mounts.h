#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct Mount {
  std::string point;   // where it is mounted
  std::string type;    // file-system type, "ext4", "tmpfs", "iso9660" ...
  std::string source;  // "/dev/sdb1", "server:/export" ...
};

// The mounts of /proc/self/mountinfo (or of the given text in that format).
std::vector<Mount> ReadMounts();
std::vector<Mount> ParseMountInfo(std::string_view text);
// The mount that holds a path: the deepest mount point above it.
std::optional<Mount> MountOf(const std::vector<Mount>& mounts, const std::string& path);
// Whether a block device (such as /dev/sdb1) is removable.
bool IsRemovableDevice(const std::string& source);

}  // namespace platform
