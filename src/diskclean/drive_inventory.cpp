#include "diskclean/drive_inventory.h"

namespace diskclean {

std::string DriveTypeName(unsigned type) {
  static const char* const kNames[] = {"Unknown", "NotExists", "Removable", "Fixed",
                                       "Remote",  "CDROM",     "RAMDisk"};
  return type < std::size(kNames) ? kNames[type] : "";
}

void GetDiskInfo(platform::Drives& drives, std::string_view root, DiskInfo& info) {
  info = DiskInfo{};
  // A drive without a medium must make the queries fail quietly.
  unsigned previous = drives.SetErrorMode(platform::SEM_FAILCRITICALERRORS);
  info.TypeName = DriveTypeName(drives.GetDriveTypeA(root));
  if (root != "A:\\") {
    platform::DiskSpace space = drives.GetDiskFreeSpaceExA(root);
    info.DiskFree = space.freeBytesAvailable;
    info.DiskSize = space.totalBytes;
    if (auto volume = drives.GetVolumeInformationA(root)) {
      info.VolumeName = volume->volumeName.substr(0, 256);
      info.SerialNumber = volume->serialNumber;
      info.FileSystem = volume->fileSystemName.substr(0, 256);
    }
  }
  drives.SetErrorMode(previous);
}

std::string FormatKB(std::int64_t bytes) {
  std::int64_t kb = bytes / 1024;
  bool negative = kb < 0;
  std::string digits = std::to_string(negative ? -kb : kb);
  std::string grouped;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
    grouped += digits[i];
  }
  return (negative ? "-" : "") + grouped + " KB";
}

char DriveLetterOf(const std::string& caption) {
  return caption.size() >= 3 ? caption[caption.size() - 3] : '\0';
}

void ShowDriveColumns(ui::ListView& list) {
  list.setCheckBoxes(true);
  list.setColumns({{"Name", 120, false},
                   {"Type", 60, false},
                   {"File System", 72, false},
                   {"Disk Size", 94, true},
                   {"Free Space", 94, true}});
}

void GetSystemIcons(platform::Drives& drives, ui::ListView& list) {
  list.setIconNames(drives.SystemImageList(true));
}

void AddDisks(platform::Drives& drives, ui::ListView& list) {
  list.beginUpdate();
  list.clear();
  std::uint32_t present = drives.GetLogicalDrives();
  for (int i = 0; i < 26; ++i) {
    if ((present & (1u << i)) == 0) continue;
    const char letter = static_cast<char>('A' + i);
    const std::string root = std::string(1, letter) + ":\\";
    auto shellInfo =
        drives.SHGetFileInfoA(root, platform::SHGFI_SYSICONINDEX | platform::SHGFI_TYPENAME |
                                        platform::SHGFI_DISPLAYNAME);
    DiskInfo info;
    GetDiskInfo(drives, root, info);
    if (info.TypeName == "CDROM") continue;
    ui::ListRow row;
    row.cells.push_back(shellInfo ? shellInfo->displayName : "");
    if (!list.iconNames().empty() && shellInfo) row.imageIndex = shellInfo->iconIndex;
    row.cells.push_back(info.TypeName);
    if (info.SerialNumber == 0) {
      row.cells.insert(row.cells.end(), 4, "");
    } else {
      row.cells.push_back(info.FileSystem);
      row.cells.push_back(FormatKB(info.DiskSize));
      row.cells.push_back(FormatKB(info.DiskFree));
    }
    row.data = root;
    list.addRow(std::move(row));
  }
  list.endUpdate();
}

}  // namespace diskclean
