#pragma once

#include <map>
#include <utility>

#include "platform/drives.h"

namespace platform {

// Drives a test describes.
class MemoryDrives : public Drives {
 public:
  struct Drive {
    unsigned type = DRIVE_FIXED;
    std::optional<VolumeInformation> volume = VolumeInformation{"", 0x1234ABCD, "NTFS"};
    DiskSpace space{20LL << 30, 40LL << 30};
    std::string displayName;  // empty: "Local Disk (X:)"
    int iconIndex = 0;
  };

  void Add(char letter, Drive drive) {
    drives_[static_cast<char>(letter & ~0x20)] = std::move(drive);
  }

  std::uint32_t GetLogicalDrives() override;
  unsigned GetDriveTypeA(std::string_view root) override;
  std::optional<VolumeInformation> GetVolumeInformationA(std::string_view root) override;
  DiskSpace GetDiskFreeSpaceExA(std::string_view root) override;
  unsigned SetErrorMode(unsigned mode) override { return std::exchange(errorMode, mode); }
  std::optional<ShellFileInfo> SHGetFileInfoA(std::string_view root, unsigned flags) override;
  std::vector<std::string> SystemImageList(bool) override { return imageList; }

  unsigned errorMode = 0;
  // The roots whose volume or space was asked for, in order.
  std::vector<std::string> queried;
  std::vector<std::string> imageList{"drive-harddisk", "drive-removable-media", "media-optical"};

 private:
  const Drive* Find(std::string_view root) const;
  std::map<char, Drive> drives_;
};

}  // namespace platform
