#include "platform/machine/machine_drives.h"

#include <sys/stat.h>
#include <sys/statvfs.h>

#include <cctype>
#include <fstream>

#include "platform/registry.h"
#include "platform/text.h"

namespace platform {

namespace {

// Icons of the system image list, by drive type.
enum Icon { kFixedIcon, kRemovableIcon, kOpticalIcon, kRemoteIcon, kRamIcon, kFloppyIcon };
const std::vector<std::string> kIconNames{
    "drive-harddisk", "drive-removable-media",     "drive-optical",
    "folder-remote",  "drive-harddisk-solidstate", "media-floppy"};

char LetterOf(std::string_view root) {
  if (root.size() < 2 || root[1] != ':' || !std::isalpha(static_cast<unsigned char>(root[0]))) {
    return 0;
  }
  return ToLowerAscii(root[0]);
}

std::string FirstLine(const std::string& path) {
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

bool IsOneOf(const std::string& type, std::initializer_list<std::string_view> types) {
  for (std::string_view candidate : types) {
    if (type == candidate) return true;
  }
  return false;
}

std::string FileSystemName(const std::string& type) {
  if (type == "vfat") return "FAT32";
  if (type == "msdos") return "FAT";
  if (type == "exfat") return "exFAT";
  if (type == "iso9660") return "CDFS";
  if (type == "udf") return "UDF";
  return "NTFS";  // what Wine reports for Unix file systems
}

}  // namespace

unsigned DriveTypeOfMount(const Mount& mount, bool removableDevice) {
  const std::string& type = mount.type;
  if (IsOneOf(type, {"iso9660", "udf"})) return DRIVE_CDROM;
  if (IsOneOf(type, {"nfs", "nfs4", "cifs", "smb3", "smbfs", "ncpfs", "afs", "9p", "fuse.sshfs",
                     "sshfs", "davfs", "fuse.davfs2"})) {
    return DRIVE_REMOTE;
  }
  if (IsOneOf(type, {"tmpfs", "ramfs"})) return DRIVE_RAMDISK;
  if (removableDevice) return DRIVE_REMOVABLE;
  return DRIVE_FIXED;
}

MachineDrives::MachineDrives(const Machine& machine, RegistryService& registry,
                             std::vector<Mount> mounts)
    : machine_(machine), registry_(registry), mounts_(std::move(mounts)) {}

std::optional<std::string> MachineDrives::Folder(std::string_view root) const {
  char letter = LetterOf(root);
  if (letter == 0) return std::nullopt;
  return machine_.DriveFolder(letter);
}

std::uint32_t MachineDrives::GetLogicalDrives() {
  std::uint32_t bits = 0;
  for (const DriveMapping& drive : machine_.Drives()) bits |= 1u << (drive.letter - 'a');
  return bits;
}

unsigned MachineDrives::GetDriveTypeA(std::string_view root) {
  char letter = LetterOf(root);
  if (letter == 0) return DRIVE_NO_ROOT_DIR;
  std::optional<std::string> folder = machine_.DriveFolder(letter);
  if (!folder) return DRIVE_NO_ROOT_DIR;
  // Wine's own setting comes first.
  std::string configured =
      ToLowerAscii(RegReadValue(registry_, vkString, RegistryRoot::HKEY_LOCAL_MACHINE,
                                "Software\\Wine\\Drives", std::string(1, letter) + ":"));
  if (configured == "hd") return DRIVE_FIXED;
  if (configured == "network") return DRIVE_REMOTE;
  if (configured == "floppy") return DRIVE_REMOVABLE;
  if (configured == "cdrom") return DRIVE_CDROM;
  if (configured == "ramdisk") return DRIVE_RAMDISK;
  std::optional<Mount> mount = MountOf(mounts_, *folder);
  if (!mount) return DRIVE_FIXED;
  return DriveTypeOfMount(*mount, IsRemovableDevice(mount->source));
}

std::optional<VolumeInformation> MachineDrives::GetVolumeInformationA(std::string_view root) {
  std::optional<std::string> folder = Folder(root);
  if (!folder) return std::nullopt;
  struct statvfs volume {};
  struct stat info {};
  if (::statvfs(folder->c_str(), &volume) != 0 || ::stat(folder->c_str(), &info) != 0) {
    return std::nullopt;
  }
  VolumeInformation result;
  result.volumeName = FirstLine(*folder + "/.windows-label");
  std::string serial = FirstLine(*folder + "/.windows-serial");
  try {
    result.serialNumber =
        serial.empty() ? 0 : static_cast<std::uint32_t>(std::stoul(serial, nullptr, 16));
  } catch (const std::exception&) {
    result.serialNumber = 0;
  }
  if (serial.empty()) {
    // Stable for the file system: its id, else its device number.
    std::uint64_t id = volume.f_fsid != 0 ? volume.f_fsid : info.st_dev;
    result.serialNumber = static_cast<std::uint32_t>(id ^ (id >> 32));
    if (result.serialNumber == 0) result.serialNumber = 1;
  }
  std::optional<Mount> mount = MountOf(mounts_, *folder);
  result.fileSystemName = FileSystemName(mount ? mount->type : "");
  return result;
}

DiskSpace MachineDrives::GetDiskFreeSpaceExA(std::string_view root) {
  std::optional<std::string> folder = Folder(root);
  struct statvfs volume {};
  if (!folder || ::statvfs(folder->c_str(), &volume) != 0) return {};
  auto unit = static_cast<std::int64_t>(volume.f_frsize ? volume.f_frsize : volume.f_bsize);
  return {static_cast<std::int64_t>(volume.f_bavail) * unit,
          static_cast<std::int64_t>(volume.f_blocks) * unit};
}

unsigned MachineDrives::SetErrorMode(unsigned mode) {
  // Nothing on this machine shows a system error dialog; the mode is only remembered.
  return std::exchange(errorMode_, mode);
}

std::optional<ShellFileInfo> MachineDrives::SHGetFileInfoA(std::string_view root, unsigned) {
  char letter = LetterOf(root);
  if (letter == 0) return std::nullopt;
  unsigned type = GetDriveTypeA(root);
  if (type == DRIVE_NO_ROOT_DIR && !(GetLogicalDrives() & (1u << (letter - 'a')))) {
    return std::nullopt;
  }
  std::string label;
  if (type != DRIVE_NO_ROOT_DIR) {
    if (auto volume = GetVolumeInformationA(root)) label = volume->volumeName;
  }
  std::string kind;
  int icon = kFixedIcon;
  switch (type) {
    case DRIVE_REMOVABLE:
      kind = letter <= 'b' ? "3\xC2\xBD Floppy" : "Removable Disk";
      icon = letter <= 'b' ? kFloppyIcon : kRemovableIcon;
      break;
    case DRIVE_CDROM:
      kind = "CD Drive";
      icon = kOpticalIcon;
      break;
    case DRIVE_REMOTE:
      kind = "Network Drive";
      icon = kRemoteIcon;
      break;
    case DRIVE_RAMDISK:
      kind = "RAM Disk";
      icon = kRamIcon;
      break;
    default:
      kind = "Local Disk";
      break;
  }
  std::string upper(1, static_cast<char>(std::toupper(letter)));
  return ShellFileInfo{(label.empty() ? kind : label) + " (" + upper + ":)", kind, icon};
}

std::vector<std::string> MachineDrives::SystemImageList(bool) {
  return kIconNames;
}

}  // namespace platform
