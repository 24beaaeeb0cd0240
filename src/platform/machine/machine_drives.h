#pragma once

#include "platform/drives.h"
#include "platform/machine/machine.h"
#include "platform/machine/mounts.h"
#include "platform/registry_service.h"

namespace platform {

// The machine's drives: the dosdevices links. A drive's type comes from
// HKLM\Software\Wine\Drives when Wine was told it there, else from the file system it lies on.
// Labels and serial numbers come from .windows-label and .windows-serial at the drive's root,
// as Wine keeps them, else from the file system.
class MachineDrives : public Drives {
 public:
  MachineDrives(const Machine& machine, RegistryService& registry,
                std::vector<Mount> mounts = ReadMounts());

  std::uint32_t GetLogicalDrives() override;
  unsigned GetDriveTypeA(std::string_view root) override;
  std::optional<VolumeInformation> GetVolumeInformationA(std::string_view root) override;
  DiskSpace GetDiskFreeSpaceExA(std::string_view root) override;
  unsigned SetErrorMode(unsigned mode) override;
  std::optional<ShellFileInfo> SHGetFileInfoA(std::string_view root, unsigned flags) override;
  std::vector<std::string> SystemImageList(bool small) override;

 private:
  std::optional<std::string> Folder(std::string_view root) const;

  const Machine& machine_;
  RegistryService& registry_;
  std::vector<Mount> mounts_;
  unsigned errorMode_ = 0;
};

// The drive type a file-system type and device stand for.
unsigned DriveTypeOfMount(const Mount& mount, bool removableDevice);

}  // namespace platform
