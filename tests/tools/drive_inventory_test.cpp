#include <gtest/gtest.h>

#include "diskclean/drive_inventory.h"
#include "platform/memory/memory_drives.h"

namespace {

using diskclean::AddDisks;
using platform::MemoryDrives;

std::vector<std::string> Cells(const ui::ListView& list, int row) {
  return list.row(row).cells;
}

TEST(DriveInventory, ListsEveryDriveButOpticalOnesWithTheirDetails) {
  MemoryDrives drives;
  drives.Add('A', {platform::DRIVE_REMOVABLE,
                   platform::VolumeInformation{"", 7, "FAT"},
                   {1024, 1474560},
                   "3\xC2\xBD Floppy (A:)",
                   5});
  drives.Add('C', {platform::DRIVE_FIXED,
                   platform::VolumeInformation{"System", 0xABCD, "NTFS"},
                   {1023, 40'000'000'000LL},
                   "",
                   0});
  drives.Add('D', {platform::DRIVE_CDROM,
                   platform::VolumeInformation{"DVD", 9, "CDFS"},
                   {0, 700'000'000},
                   "CD Drive (D:)",
                   2});
  drives.Add('E', {platform::DRIVE_REMOVABLE, std::nullopt, {}, "Removable Disk (E:)", 1});
  drives.Add('F', {platform::DRIVE_FIXED,
                   platform::VolumeInformation{"Blank", 0, "NTFS"},
                   {5 << 20, 10 << 20},
                   "Blank (F:)",
                   0});
  ui::ListView list("lvDisk");
  diskclean::ShowDriveColumns(list);
  diskclean::GetSystemIcons(drives, list);

  AddDisks(drives, list);

  ASSERT_EQ(list.rowCount(), 4);
  // The floppy's volume is never read: its type only.
  EXPECT_EQ(Cells(list, 0),
            (std::vector<std::string>{"3\xC2\xBD Floppy (A:)", "Removable", "", "", "", ""}));
  EXPECT_EQ(Cells(list, 1), (std::vector<std::string>{"Local Disk (C:)", "Fixed", "NTFS",
                                                      "39,062,500 KB", "0 KB"}));
  // No medium, or a serial number of 0: the type only.
  EXPECT_EQ(Cells(list, 2),
            (std::vector<std::string>{"Removable Disk (E:)", "Removable", "", "", "", ""}));
  EXPECT_EQ(Cells(list, 3), (std::vector<std::string>{"Blank (F:)", "Fixed", "", "", "", ""}));
  EXPECT_EQ(list.row(0).imageIndex, 5);
  EXPECT_EQ(list.row(2).imageIndex, 1);
  for (const std::string& root : drives.queried) EXPECT_NE(root, "A:\\");
  EXPECT_EQ(drives.errorMode, 0u);  // restored
  EXPECT_EQ(diskclean::DriveLetterOf(list.row(3).cells[0]), 'F');
}

TEST(DriveInventory, WithoutASystemImageListRowsHaveNoIcons) {
  MemoryDrives drives;
  drives.imageList.clear();
  drives.Add('C', {});
  ui::ListView list("lvDisk");
  diskclean::GetSystemIcons(drives, list);
  AddDisks(drives, list);
  ASSERT_EQ(list.rowCount(), 1);
  EXPECT_EQ(list.row(0).imageIndex, -1);
}

TEST(DriveInventory, SizesAreWholeKilobytesGroupedInThrees) {
  const std::pair<std::int64_t, const char*> kCases[] = {
      {0, "0 KB"},
      {1023, "0 KB"},
      {1024, "1 KB"},
      {1'048'575, "1,023 KB"},
      {1'048'576, "1,024 KB"},
      {40'000'000'000LL, "39,062,500 KB"},
      {-1, "0 KB"},
  };
  for (const auto& [bytes, text] : kCases) EXPECT_EQ(diskclean::FormatKB(bytes), text) << bytes;
}

TEST(DriveInventory, TypeNamesFollowTheDriveTypeNumbers) {
  const char* kNames[] = {"Unknown", "NotExists", "Removable", "Fixed",
                          "Remote",  "CDROM",     "RAMDisk",   ""};
  for (unsigned type = 0; type < 8; ++type) EXPECT_EQ(diskclean::DriveTypeName(type), kNames[type]);
}

}  // namespace
