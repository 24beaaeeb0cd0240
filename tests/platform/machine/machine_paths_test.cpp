#include <gtest/gtest.h>

#include <filesystem>

#include "platform/machine/machine.h"
#include "support/temporary_machine.h"

namespace {

using testing_support::TemporaryMachine;
using testing_support::WriteUnixFile;

TEST(MachinePaths, WindowsPathsFindTheirFilesWithoutRegardToCase) {
  TemporaryMachine temp;
  WriteUnixFile(temp.driveC() + "/users/Bob/Temp/Report.TMP", "x");
  WriteUnixFile(temp.driveC() + "/users/Bob/temp/other.txt", "y");  // a second, case-different
  const std::string c = temp.driveC();
  struct Case {
    const char* windows;
    std::string unixPath;
  };
  const Case kCases[] = {
      {"C:\\", c},
      {"c:", c},
      {"C:\\USERS\\bob\\TEMP\\report.tmp", ""},  // checked below: one of the two Temp folders
      {"C:\\users\\Bob\\Temp\\Report.TMP", c + "/users/Bob/Temp/Report.TMP"},
      {"C:\\users\\Bob\\temp\\OTHER.TXT", c + "/users/Bob/temp/other.txt"},
      {"C:/users/Bob/./Temp/../Temp/Report.TMP", c + "/users/Bob/Temp/Report.TMP"},
      {"C:\\..\\..\\users", c + "/users"},
      {"C:\\users\\Nobody\\New Folder\\a.txt", c + "/users/Nobody/New Folder/a.txt"},
      {"\\\\?\\C:\\users", c + "/users"},
      {"\\\\?\\unix\\etc\\hostname", "/etc/hostname"},
  };
  for (const Case& k : kCases) {
    std::optional<std::string> unixPath = temp.machine.ToUnix(k.windows);
    ASSERT_TRUE(unixPath.has_value()) << k.windows;
    if (!k.unixPath.empty()) {
      EXPECT_EQ(*unixPath, k.unixPath) << k.windows;
    }
  }
  std::string mixed = *temp.machine.ToUnix("C:\\USERS\\bob\\TEMP\\report.tmp");
  EXPECT_TRUE(std::filesystem::exists(mixed)) << mixed;
  for (const char* unmapped : {"D:\\x", "\\\\server\\share\\x", "relative\\path", ""}) {
    EXPECT_FALSE(temp.machine.ToUnix(unmapped).has_value()) << unmapped;
  }
}

TEST(MachinePaths, UnixPathsShowOnTheDeepestDriveOrAsUnmapped) {
  TemporaryMachine temp;
  temp.MapDrive('z', "/");
  std::string data = temp.prefix() + "/data";
  temp.MapDrive('d', data);
  EXPECT_EQ(temp.machine.ToWindows(temp.driveC() + "/windows/system32"), "C:\\windows\\system32");
  EXPECT_EQ(temp.machine.ToWindows(temp.driveC()), "C:\\");
  EXPECT_EQ(temp.machine.ToWindows(data + "/x"), "D:\\x");
  EXPECT_EQ(temp.machine.ToWindows("/etc/hostname"), "Z:\\etc\\hostname");

  TemporaryMachine only;
  EXPECT_EQ(only.machine.ToWindows("/etc/hostname"), "\\\\?\\unix\\etc\\hostname");
  EXPECT_EQ(*only.machine.ToUnix(only.machine.ToWindows("/etc/hostname")), "/etc/hostname");
}

TEST(MachinePaths, DrivesAreTheDosdevicesLinks) {
  TemporaryMachine temp;
  temp.MapDrive('e', temp.prefix() + "/media");
  std::filesystem::create_directory_symlink(temp.prefix() + "/gone",
                                            temp.prefix() + "/dosdevices/f:");
  // Device entries ("c::") and other files are not drives.
  std::filesystem::create_symlink("/dev/null", temp.prefix() + "/dosdevices/c::");
  auto drives = temp.machine.Drives();
  ASSERT_EQ(drives.size(), 3u);
  EXPECT_EQ(drives[0].letter, 'c');
  EXPECT_EQ(drives[1].letter, 'e');
  EXPECT_EQ(drives[2].letter, 'f');
  EXPECT_EQ(drives[2].target, "");
  EXPECT_FALSE(temp.machine.ToUnix("F:\\").has_value());
}

}  // namespace
