#include <gtest/gtest.h>

#include <algorithm>

#include "support/file_backends.h"
#include "platform/dir_and_file.h"
#include "platform/directory_search.h"
#include "platform/memory/memory_system_info.h"

namespace {

using namespace platform;
using testing_support::FileBackend;

class FolderHelpers : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override { backend = testing_support::MakeBackend(GetParam()); }

  std::vector<std::string> Search(const std::string& pattern, std::uint32_t mask) {
    std::vector<std::string> names;
    DirectorySearch(backend->files(), pattern, mask, [&](const SearchRecord& entry) {
      names.emplace_back(entry.Name());
      return true;
    });
    std::sort(names.begin(), names.end());
    return names;
  }

  std::unique_ptr<FileBackend> backend;
};

TEST_P(FolderHelpers, SearchMasksLeaveOutWhatTheyDoNotInclude) {
  backend->AddFolder("C:\\Top");
  backend->AddFile("C:\\Top\\plain.txt");
  backend->AddFile("C:\\Top\\locked.txt", 0, FILE_ATTRIBUTE_READONLY);
  backend->AddFile("C:\\Top\\secret.txt", 0, FILE_ATTRIBUTE_HIDDEN);
  backend->AddFile("C:\\Top\\.dotted");
  backend->AddFile("C:\\Top\\boot.ini", 0, FILE_ATTRIBUTE_SYSTEM);
  backend->AddFolder("C:\\Top\\Sub");
  backend->AddFolder("C:\\Top\\Hidden", FILE_ATTRIBUTE_HIDDEN);
  backend->AddFolder("C:\\Top\\Sys", FILE_ATTRIBUTE_SYSTEM);

  struct Case {
    std::uint32_t mask;
    std::vector<std::string> names;
  };
  const Case kCases[] = {
      {0x3F,
       {".", "..", ".dotted", "Hidden", "Sub", "Sys", "boot.ini", "locked.txt", "plain.txt",
        "secret.txt"}},
      {0x37,
       {".", "..", ".dotted", "Hidden", "Sub", "Sys", "boot.ini", "locked.txt", "plain.txt",
        "secret.txt"}},
      {0x12, {".", "..", ".dotted", "Hidden", "Sub", "locked.txt", "plain.txt", "secret.txt"}},
      {0x10, {".", "..", "Sub", "locked.txt", "plain.txt"}},
      {0x00, {"locked.txt", "plain.txt"}},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(Search("C:\\Top\\*.*", c.mask), c.names) << std::hex << c.mask;
  }
  // The dots come with every folder but a drive root, and only when the name pattern takes them.
  EXPECT_EQ(Search("C:\\Top\\*.txt", 0x3F),
            (std::vector<std::string>{"locked.txt", "plain.txt", "secret.txt"}));
  EXPECT_EQ(Search("C:\\*", 0x3F), (std::vector<std::string>{"Top"}));
  EXPECT_TRUE(Search("C:\\Missing\\*.*", 0x3F).empty());
}

TEST_P(FolderHelpers, SearchMatchesNamesWithoutRegardToCase) {
  backend->AddFile("C:\\Temp\\REPORT.TMP");
  backend->AddFile("C:\\Temp\\~report.doc");
  backend->AddFile("C:\\Temp\\keep.txt");
  EXPECT_EQ(Search("c:\\temp\\*.tmp", 0x3F), (std::vector<std::string>{"REPORT.TMP"}));
  EXPECT_EQ(Search("C:\\TEMP\\~*.*", 0x3F), (std::vector<std::string>{"~report.doc"}));
}

TEST_P(FolderHelpers, DirSizeCountsFilesOfEveryKindAndDescendsIntoDotFolders) {
  backend->AddFolder("C:\\Empty\\One\\Two");
  backend->AddFile("C:\\Zero\\a.txt");
  backend->AddFile("C:\\Zero\\b.txt");
  backend->AddFile("C:\\Mixed\\.cache\\blob", 300);
  backend->AddFile("C:\\Mixed\\hidden.dat", 20, FILE_ATTRIBUTE_HIDDEN);
  backend->AddFile("C:\\Mixed\\system.dat", 5, FILE_ATTRIBUTE_SYSTEM);
  backend->AddFile("C:\\Big\\huge.bin", 5'000'000'000ULL);

  struct Case {
    const char* folder;
    bool recurse;
    std::int64_t bytes;
    std::int32_t files;
  };
  const Case kCases[] = {
      {"C:\\Empty", true, 0, 0},
      {"C:\\Zero\\", true, 0, 2},
      {"C:\\Mixed", true, 325, 3},
      {"C:\\Mixed", false, 25, 2},
      {"C:\\Big", true, 5'000'000'000LL, 1},
      {"C:\\Missing", true, 0, 0},
  };
  for (const Case& c : kCases) {
    DirSize size = GetDirSize(backend->files(), c.folder, c.recurse);
    EXPECT_EQ(size.Bytes, c.bytes) << c.folder;
    EXPECT_EQ(size.FileCount, c.files) << c.folder;
  }
}

TEST_P(FolderHelpers, SubfoldersOfARootAreNamesWithHiddenButWithoutSystemFolders) {
  backend->AddFolder("C:\\Windows");
  backend->AddFolder("C:\\Hidden", FILE_ATTRIBUTE_HIDDEN);
  backend->AddFolder("C:\\System Volume Information", FILE_ATTRIBUTE_SYSTEM);
  backend->AddFile("C:\\pagefile.sys");
  for (const char* root : {"C:\\", "C:"}) {
    std::vector<std::string> names{"kept"};
    ListSubDirs(backend->files(), root, names);
    std::sort(names.begin() + 1, names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"kept", "Hidden", "Windows"})) << root;
  }
}

TEST_P(FolderHelpers, DeleteDirTreeRemovesProtectedEntriesButNeverFollowsALink) {
  backend->AddFile("C:\\Doomed\\plain.txt", 10);
  backend->AddFile("C:\\Doomed\\ro.txt", 1, FILE_ATTRIBUTE_READONLY);
  backend->AddFile("C:\\Doomed\\Deep\\sys.txt", 1, FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN);
  backend->AddFolder("C:\\Doomed\\Locked", FILE_ATTRIBUTE_READONLY);
  backend->AddLinkOut("C:\\Doomed\\link");
  backend->AddFile("C:\\Sibling\\stay.txt");

  EXPECT_TRUE(DeleteDirTree(backend->files(), "C:\\Doomed\\"));
  EXPECT_FALSE(backend->Exists("C:\\Doomed"));
  EXPECT_TRUE(backend->Exists("C:\\Sibling\\stay.txt"));
  EXPECT_TRUE(backend->OutsideIntact());
  // Gone already: still reported gone.
  EXPECT_TRUE(DeleteDirTree(backend->files(), "C:\\Doomed"));
}

TEST_P(FolderHelpers, CleanPrefetchEmptiesTheFolderOrLeavesItsAbsenceAlone) {
  platform::MemorySystemInfo system;
  system.windowsDirectory = "C:\\windows";
  backend->AddFolder("C:\\windows");
  CleanPrefetch(backend->files(), system);
  EXPECT_FALSE(backend->Exists("C:\\windows\\Prefetch"));

  backend->AddFile("C:\\windows\\Prefetch\\APP.EXE-1234.pf", 100);
  backend->AddFile("C:\\windows\\Prefetch\\Layout.ini", 10, FILE_ATTRIBUTE_READONLY);
  CleanPrefetch(backend->files(), system);
  EXPECT_TRUE(backend->Exists("C:\\windows\\Prefetch"));
  EXPECT_FALSE(backend->Exists("C:\\windows\\Prefetch\\APP.EXE-1234.pf"));
  EXPECT_FALSE(backend->Exists("C:\\windows\\Prefetch\\Layout.ini"));
}

TEST_P(FolderHelpers, ClearFileAttributesLeavesNoProtectionBit) {
  backend->AddFile("C:\\f\\all.txt", 0,
                   FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  EXPECT_TRUE(ClearFileAttributes(backend->files(), "C:\\f\\all.txt"));
  auto attributes = GetFileAttributesA(backend->files(), "C:\\f\\all.txt");
  ASSERT_TRUE(attributes.has_value());
  EXPECT_EQ(*attributes & 0x07, 0u);
  EXPECT_FALSE(ClearFileAttributes(backend->files(), "C:\\f\\missing.txt"));
}

INSTANTIATE_TEST_SUITE_P(Backends, FolderHelpers, ::testing::Values("memory", "machine"),
                         [](const auto& info) { return info.param; });

// Files in use exist only in memory: a Linux file can always be unlinked.
TEST(FolderHelpersInMemory, ALockedFileKeepsItsFolderWhichEmptyDirDoesNotRecreate) {
  platform::MemoryFileSystem files;
  files.AddFile("C:\\windows\\Prefetch\\busy.pf");
  files.AddFile("C:\\windows\\Prefetch\\old.pf");
  files.Lock("C:\\windows\\Prefetch\\busy.pf");

  EXPECT_FALSE(DeleteDirTree(files, "C:\\windows\\Prefetch"));
  EXPECT_EQ(files.Names("C:\\windows\\Prefetch"), (std::vector<std::string>{"busy.pf"}));
  EmptyDir(files, "C:\\windows\\Prefetch");
  EXPECT_EQ(files.Names("C:\\windows\\Prefetch"), (std::vector<std::string>{"busy.pf"}));
}

}  // namespace
