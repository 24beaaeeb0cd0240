#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// GetDriveTypeA
constexpr unsigned DRIVE_UNKNOWN = 0;
constexpr unsigned DRIVE_NO_ROOT_DIR = 1;
constexpr unsigned DRIVE_REMOVABLE = 2;
constexpr unsigned DRIVE_FIXED = 3;
constexpr unsigned DRIVE_REMOTE = 4;
constexpr unsigned DRIVE_CDROM = 5;
constexpr unsigned DRIVE_RAMDISK = 6;

constexpr unsigned SEM_FAILCRITICALERRORS = 0x1;

// SHGetFileInfoA
constexpr unsigned SHGFI_SMALLICON = 0x1;
constexpr unsigned SHGFI_DISPLAYNAME = 0x200;
constexpr unsigned SHGFI_TYPENAME = 0x400;
constexpr unsigned SHGFI_SYSICONINDEX = 0x4000;

struct VolumeInformation {
  std::string volumeName;
  std::uint32_t serialNumber = 0;
  std::string fileSystemName;
};

struct DiskSpace {
  std::int64_t freeBytesAvailable = -1;
  std::int64_t totalBytes = -1;
};

struct ShellFileInfo {
  std::string displayName;
  std::string typeName;
  int iconIndex = -1;
};

// The computer's drives, by root path ("C:\").
class Drives {
 public:
  virtual ~Drives() = default;
  // Bit i set: drive letter 'A' + i exists.
  virtual std::uint32_t GetLogicalDrives() = 0;
  virtual unsigned GetDriveTypeA(std::string_view root) = 0;
  // nullopt when the volume cannot be read (no medium, offline, refused).
  virtual std::optional<VolumeInformation> GetVolumeInformationA(std::string_view root) = 0;
  // Both -1 when the drive cannot be asked.
  virtual DiskSpace GetDiskFreeSpaceExA(std::string_view root) = 0;
  // Returns the previous mode.
  virtual unsigned SetErrorMode(unsigned mode) = 0;
  // The shell's display name, type name and system icon of a drive root.
  virtual std::optional<ShellFileInfo> SHGetFileInfoA(std::string_view root, unsigned flags) = 0;
  // The system image list: the icon of each index, as a freedesktop.org icon name. Empty when
  // the shell has no image list.
  virtual std::vector<std::string> SystemImageList(bool small) = 0;
};

}  // namespace platform
