#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/drives.h"
#include "ui/list_view.h"

namespace diskclean {

// What the inventory knows of one drive.
struct DiskInfo {
  std::string TypeName;
  std::uint32_t SerialNumber = 0;
  std::int64_t DiskSize = 0;
  std::int64_t DiskFree = 0;
  std::string VolumeName;
  std::string FileSystem;
};

// "Unknown", "NotExists", "Removable", "Fixed", "Remote", "CDROM", "RAMDisk"; empty for others.
std::string DriveTypeName(unsigned type);
// Fills the record for a root path ("C:\"); the floppy drive A: is never read beyond its type.
void GetDiskInfo(platform::Drives& drives, std::string_view root, DiskInfo& info);
// A byte count as whole KB with thousands grouped: "39,062,500 KB".
std::string FormatKB(std::int64_t bytes);
// The drive letter of a drive row: the third character from the end of its caption.
char DriveLetterOf(const std::string& caption);

// The drive lists' columns.
void ShowDriveColumns(ui::ListView& list);
// The shell's system icons for the drive list; none when the shell has no image list.
void GetSystemIcons(platform::Drives& drives, ui::ListView& list);
// One row per drive, A to Z, leaving out CD and DVD drives.
void AddDisks(platform::Drives& drives, ui::ListView& list);

}  // namespace diskclean
