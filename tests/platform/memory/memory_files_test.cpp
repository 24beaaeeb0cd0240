#include "platform/memory/memory_files.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(MemoryFilesTest, PathsIgnoreLetterCase) {
  MemoryFiles files;
  files.Put("C:\\Windows\\System32\\OEMInfo.ini", "a");
  EXPECT_TRUE(files.FileExists("c:\\windows\\system32\\oeminfo.INI"));
  EXPECT_TRUE(files.ReplaceWholeFile("C:\\WINDOWS\\System32\\Oeminfo.ini", "b"));
  EXPECT_EQ(files.Get("C:\\Windows\\System32\\OEMInfo.ini"), "b");
  FileContent content = files.ReadWholeFile("c:\\windows\\system32\\oeminfo.ini");
  EXPECT_EQ(content.status, ReadStatus::Ok);
  EXPECT_EQ(content.bytes, "b");

  files.Remove("C:\\windows\\SYSTEM32\\oeminfo.ini");
  EXPECT_FALSE(files.FileExists("C:\\Windows\\System32\\OEMInfo.ini"));
  EXPECT_EQ(files.ReadWholeFile("C:\\Windows\\System32\\OEMInfo.ini").status, ReadStatus::Missing);
}

TEST(MemoryFilesTest, DeniedFolderCoversItsFilesAndSubfoldersOnly) {
  MemoryFiles files;
  files.DenyWritesUnder("C:\\Windows\\");
  files.DenyWritesUnder("D:\\Locked");
  EXPECT_FALSE(files.ReplaceWholeFile("c:\\windows\\win.ini", "x"));
  EXPECT_FALSE(files.ReplaceWholeFile("C:\\Windows\\System32\\OEMInfo.ini", "x"));
  EXPECT_FALSE(files.ReplaceWholeFile("d:\\locked\\a.dat", "x"));
  EXPECT_TRUE(files.ReplaceWholeFile("D:\\LockedOut\\a.dat", "x"));
  EXPECT_TRUE(files.ReplaceWholeFile("C:\\WindowsApps\\a.dat", "x"));
  EXPECT_FALSE(files.FileExists("C:\\Windows\\win.ini"));
  EXPECT_EQ(files.writeCount(), 2);
}

TEST(MemoryFilesTest, ReadOnlyFileRefusesWritesUntilCleared) {
  MemoryFiles files;
  files.SetReadOnly("C:\\a.ini", true);  // before the file exists
  EXPECT_FALSE(files.ReplaceWholeFile("C:\\a.ini", "new"));
  EXPECT_FALSE(files.FileExists("C:\\a.ini"));
  files.Put("C:\\a.ini", "old");
  EXPECT_FALSE(files.ReplaceWholeFile("c:\\A.INI", "new"));
  EXPECT_EQ(files.Get("C:\\a.ini"), "old");
  EXPECT_EQ(files.writeCount(), 0);

  files.SetReadOnly("c:\\A.ini", false);
  EXPECT_TRUE(files.ReplaceWholeFile("C:\\a.ini", "new"));
  EXPECT_EQ(files.Get("C:\\a.ini"), "new");
  EXPECT_EQ(files.writeCount(), 1);
}

TEST(MemoryFilesTest, UnreadableFileStillExistsAndMayBeWritten) {
  MemoryFiles files;
  files.SetUnreadable("C:\\a.ini", true);
  EXPECT_EQ(files.ReadWholeFile("C:\\a.ini").status, ReadStatus::Missing);
  files.Put("C:\\a.ini", "secret");
  FileContent content = files.ReadWholeFile("c:\\a.ini");
  EXPECT_EQ(content.status, ReadStatus::Unreadable);
  EXPECT_EQ(content.bytes, "");
  EXPECT_TRUE(files.FileExists("C:\\a.ini"));
  EXPECT_TRUE(files.ReplaceWholeFile("C:\\a.ini", "new"));
  files.SetUnreadable("C:\\a.ini", false);
  EXPECT_EQ(files.ReadWholeFile("C:\\a.ini").bytes, "new");
}

}  // namespace
}  // namespace platform
