#include <gtest/gtest.h>

#include <filesystem>

#include "platform/machine/machine_drives.h"
#include "platform/memory/memory_registry.h"
#include "platform/registry.h"
#include "support/temporary_machine.h"

namespace {

using namespace platform;
using testing_support::TemporaryMachine;

TEST(Mounts, MountInfoLinesGiveTheirPointTypeAndSource) {
  auto mounts = ParseMountInfo(
      "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
      "40 22 0:35 / /media/bob/My\\040Disk rw shared:2 master:3 - vfat /dev/sdb1 rw\n"
      "41 22 0:36 / /mnt/nas rw - nfs4 nas:/export rw\n"
      "broken line\n");
  ASSERT_EQ(mounts.size(), 3u);
  EXPECT_EQ(mounts[1].point, "/media/bob/My Disk");
  EXPECT_EQ(mounts[1].type, "vfat");
  EXPECT_EQ(mounts[2].source, "nas:/export");
  EXPECT_EQ(MountOf(mounts, "/media/bob/My Disk/photos")->type, "vfat");
  EXPECT_EQ(MountOf(mounts, "/media/bob/My Diskette")->type, "ext4");
}

TEST(MachineDrives, DriveTypesComeFromWinesSettingElseFromTheFileSystem) {
  struct Case {
    const char* fileSystem;
    const char* configured;  // HKLM\Software\Wine\Drives, or null
    unsigned type;
    const char* displayName;
  };
  const Case kCases[] = {
      {"ext4", nullptr, DRIVE_FIXED, "Local Disk (D:)"},
      {"btrfs", nullptr, DRIVE_FIXED, "Local Disk (D:)"},
      {"iso9660", nullptr, DRIVE_CDROM, "CD Drive (D:)"},
      {"udf", nullptr, DRIVE_CDROM, "CD Drive (D:)"},
      {"nfs", nullptr, DRIVE_REMOTE, "Network Drive (D:)"},
      {"cifs", nullptr, DRIVE_REMOTE, "Network Drive (D:)"},
      {"tmpfs", nullptr, DRIVE_RAMDISK, "RAM Disk (D:)"},
      {"ext4", "cdrom", DRIVE_CDROM, "CD Drive (D:)"},
      {"iso9660", "hd", DRIVE_FIXED, "Local Disk (D:)"},
      {"ext4", "network", DRIVE_REMOTE, "Network Drive (D:)"},
  };
  for (const Case& c : kCases) {
    TemporaryMachine temp;
    std::string folder = temp.prefix() + "/disk";
    temp.MapDrive('d', folder);
    MemoryRegistry registry;
    if (c.configured) {
      RegWriteValue(registry, vkString, RegistryRoot::HKEY_LOCAL_MACHINE, "Software\\Wine\\Drives",
                    "d:", c.configured);
    }
    MachineDrives drives(temp.machine, registry,
                         {{"/", "ext4", "/dev/vda"}, {folder, c.fileSystem, "/dev/loop9"}});
    EXPECT_EQ(drives.GetDriveTypeA("D:\\"), c.type)
        << c.fileSystem << " " << (c.configured ? c.configured : "");
    auto info = drives.SHGetFileInfoA("D:\\", SHGFI_DISPLAYNAME);
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->displayName, c.displayName);
  }
}

TEST(MachineDrives, LettersLabelsSerialsAndSpaceOfTheMappedDrives) {
  TemporaryMachine temp;
  std::filesystem::create_directory_symlink(temp.prefix() + "/gone",
                                            temp.prefix() + "/dosdevices/q:");
  testing_support::WriteUnixFile(temp.driveC() + "/.windows-label", "SYSTEM\n");
  testing_support::WriteUnixFile(temp.driveC() + "/.windows-serial", "1a2b3c4d\n");
  MemoryRegistry registry;
  MachineDrives drives(temp.machine, registry);

  EXPECT_EQ(drives.GetLogicalDrives(), (1u << 2) | (1u << 16));
  EXPECT_EQ(drives.GetDriveTypeA("Q:\\"), DRIVE_NO_ROOT_DIR);
  EXPECT_EQ(drives.GetDriveTypeA("M:\\"), DRIVE_NO_ROOT_DIR);
  auto volume = drives.GetVolumeInformationA("C:\\");
  ASSERT_TRUE(volume.has_value());
  EXPECT_EQ(volume->volumeName, "SYSTEM");
  EXPECT_EQ(volume->serialNumber, 0x1a2b3c4du);
  EXPECT_EQ(drives.SHGetFileInfoA("C:\\", SHGFI_DISPLAYNAME)->displayName, "SYSTEM (C:)");
  EXPECT_FALSE(drives.GetVolumeInformationA("Q:\\").has_value());
  DiskSpace space = drives.GetDiskFreeSpaceExA("C:\\");
  EXPECT_GT(space.totalBytes, 0);
  EXPECT_GE(space.totalBytes, space.freeBytesAvailable);
  EXPECT_EQ(drives.GetDiskFreeSpaceExA("Q:\\").totalBytes, -1);

  // Without Wine's files the serial number comes from the file system, never 0.
  std::filesystem::remove(temp.driveC() + "/.windows-serial");
  EXPECT_NE(drives.GetVolumeInformationA("C:\\")->serialNumber, 0u);
}

}  // namespace
