#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "platform/machine/host_files.h"
#include "platform/machine/unix_paths.h"
#include "support/temporary_folder.h"

namespace {

using namespace platform;
using testing_support::TemporaryFolder;

class HostFilesTest : public ::testing::Test {
 protected:
  HostFiles files{[](std::string_view path) { return UnmappedWindowsPathToUnix(path); }};
  TemporaryFolder temp;
  std::string Windows(const std::string& name) {
    return UnixToUnmappedWindowsPath(temp.path() + "/" + name);
  }
};

TEST_F(HostFilesTest, ReplacesWholeFilesKeepingTheirPermissionsAndLeavingNoTemporaryFile) {
  const std::string path = temp.path() + "/spvProfile.dat";
  EXPECT_EQ(files.ReadWholeFile(Windows("spvProfile.dat")).status, ReadStatus::Missing);
  EXPECT_FALSE(files.FileExists(Windows("spvProfile.dat")));

  ASSERT_TRUE(files.ReplaceWholeFile(Windows("spvProfile.dat"), "[A]\r\nx=1\r\n"));
  ::chmod(path.c_str(), 0640);
  ASSERT_TRUE(files.ReplaceWholeFile(Windows("spvProfile.dat"), "new"));

  FileContent content = files.ReadWholeFile(Windows("spvProfile.dat"));
  EXPECT_EQ(content.status, ReadStatus::Ok);
  EXPECT_EQ(content.bytes, "new");
  struct stat info {};
  ::stat(path.c_str(), &info);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.path()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST_F(HostFilesTest, AReadOnlyFileOrAMissingFolderRefusesTheWrite) {
  const std::string path = temp.path() + "/locked.dat";
  testing_support::WriteUnixFile(path, "old");
  ::chmod(path.c_str(), 0444);
  EXPECT_FALSE(files.ReplaceWholeFile(Windows("locked.dat"), "new"));
  EXPECT_EQ(testing_support::ReadUnixFile(path), "old");
  EXPECT_FALSE(files.ReplaceWholeFile(Windows("no/such/folder.dat"), "x"));
  EXPECT_FALSE(files.ReplaceWholeFile("C:\\unmapped.dat", "x"));
}

TEST_F(HostFilesTest, AFolderIsUnreadableAndALinkKeepsPointingWhereItDid) {
  std::filesystem::create_directory(temp.path() + "/folder");
  EXPECT_EQ(files.ReadWholeFile(Windows("folder")).status, ReadStatus::Unreadable);
  EXPECT_FALSE(files.FileExists(Windows("folder")));

  testing_support::WriteUnixFile(temp.path() + "/real.dat", "old");
  std::filesystem::create_symlink(temp.path() + "/real.dat", temp.path() + "/link.dat");
  ASSERT_TRUE(files.ReplaceWholeFile(Windows("link.dat"), "new"));
  EXPECT_TRUE(std::filesystem::is_symlink(temp.path() + "/link.dat"));
  EXPECT_EQ(testing_support::ReadUnixFile(temp.path() + "/real.dat"), "new");
}

}  // namespace
