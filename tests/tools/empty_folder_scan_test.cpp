#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "emptyfolders/empty_folder_scan.h"
#include "support/file_backends.h"

namespace {

using emptyfolders::EmptyFolderScan;
using platform::FILE_ATTRIBUTE_HIDDEN;
using platform::FILE_ATTRIBUTE_SYSTEM;
using testing_support::FileBackend;

class EmptyFolders : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override { backend = testing_support::MakeBackend(GetParam()); }

  // The rows as "location|name", after scanning the named top-level folders of C:.
  std::vector<std::string> Scan(std::initializer_list<const char*> topFolders) {
    EmptyFolderScan scan(backend->files(),
                         {results, progress, counter, [this] { ++pumps; }, stopped, count});
    for (const char* top : topFolders) scan.FindEmptyFolder(std::string("C:\\") + top);
    std::vector<std::string> rows;
    for (const ui::ListRow& row : results.rows()) rows.push_back(row.cells[1] + "|" + row.cells[0]);
    return rows;
  }

  std::unique_ptr<FileBackend> backend;
  ui::ListView results{"lvEmptyFolderResult"};
  ui::StatusPane progress{"spStatus1", 465};
  ui::StatusPane counter{"spStatus3", 0};
  bool stopped = false;
  int pumps = 0;
  std::int32_t count = 0;
};

TEST_P(EmptyFolders, ListsGroupsDeepestFirstAndWeighsEveryKindOfFile) {
  backend->AddFolder("C:\\Top\\A\\A1");
  backend->AddFolder("C:\\Top\\B");
  backend->AddFile("C:\\Top\\Zero\\empty.txt", 0);                       // a zero-byte file counts
  backend->AddFile("C:\\Top\\Secret\\h.dat", 3, FILE_ATTRIBUTE_HIDDEN);  // so does a hidden one
  backend->AddFile("C:\\Top\\Dotted\\.cache\\blob", 9);                  // and one in a dot folder
  backend->AddFolder("C:\\Top\\Hid\\Inner", FILE_ATTRIBUTE_HIDDEN);
  backend->AddLinkOut("C:\\Top\\Linked\\link");  // a link is a file
  backend->AddFolder("C:\\Other\\Deep\\Deeper");
  backend->AddFolder("C:\\Lonely");  // at the root: never listed

  auto rows = Scan({"Top", "Other", "Lonely"});

  // Top's own group (A, B, Hid) stands below A's group (A1); Other's groups stand above Top's.
  // A folder's group is in search order, which on the machine is the file system's own.
  if (GetParam() == "machine") std::sort(rows.begin() + 3, rows.end());
  EXPECT_EQ(rows,
            (std::vector<std::string>{"C:\\Other\\Deep|Deeper", "C:\\Other|Deep", "C:\\Top\\A|A1",
                                      "C:\\Top|A", "C:\\Top|B", "C:\\Top|Hid"}));
  EXPECT_EQ(count, 6);
  EXPECT_EQ(counter.text(), "6 Folder(s)");
  for (const ui::ListRow& row : results.rows()) EXPECT_TRUE(row.checked);
  EXPECT_TRUE(backend->OutsideIntact());
}

TEST_P(EmptyFolders, HiddenAndSystemFoldersAreNeitherListedNorSearched) {
  backend->AddFolder("C:\\Top\\Shown");
  backend->AddFolder("C:\\Top\\Hidden", FILE_ATTRIBUTE_HIDDEN);
  backend->AddFolder("C:\\Top\\Hidden\\EmptyInside");
  backend->AddFolder("C:\\Top\\Sys", FILE_ATTRIBUTE_SYSTEM);
  // A hidden folder itself: its empty child is not listed.
  backend->AddFolder("C:\\Top\\.config");
  backend->AddFolder("C:\\Top\\.config\\empty");
  auto rows = Scan({"Top"});
  EXPECT_EQ(rows, (std::vector<std::string>{"C:\\Top|Shown"}));
}

TEST_P(EmptyFolders, StopKeepsTheRowsFoundSoFar) {
  if (GetParam() == "machine") GTEST_SKIP() << "needs a known search order";
  backend->AddFolder("C:\\Top\\A\\Empty1");
  backend->AddFolder("C:\\Top\\B\\Empty2");
  backend->AddFile("C:\\Top\\A\\keep.txt");
  backend->AddFile("C:\\Top\\B\\keep.txt");
  EmptyFolderScan scan(backend->files(), {results, progress, counter,
                                          [this] {
                                            if (++pumps == 4) stopped = true;
                                          },
                                          stopped, count});
  scan.FindEmptyFolder("C:\\Top");
  ASSERT_EQ(results.rowCount(), 1);
  EXPECT_EQ(results.row(0).cells[0], "Empty1");
}

TEST_P(EmptyFolders, RemovalTakesEmptyFoldersButLeavesOneThatGainedAFile) {
  backend->AddFolder("C:\\Top\\Gone\\Sub\\SubSub", platform::FILE_ATTRIBUTE_READONLY);
  backend->AddFolder("C:\\Top\\Busy\\Sub");
  backend->AddFile("C:\\Top\\Busy\\Sub\\new.txt", 4);  // came after the scan

  EXPECT_TRUE(emptyfolders::IsEmptyTree(backend->files(), "C:\\Top\\Gone"));
  EXPECT_FALSE(emptyfolders::IsEmptyTree(backend->files(), "C:\\Top\\Busy"));
  EXPECT_TRUE(emptyfolders::RemoveEmptyTree(backend->files(), "C:\\Top\\Gone"));
  EXPECT_FALSE(backend->Exists("C:\\Top\\Gone"));
  EXPECT_FALSE(emptyfolders::RemoveEmptyTree(backend->files(), "C:\\Top\\Busy"));
  EXPECT_TRUE(backend->Exists("C:\\Top\\Busy\\Sub\\new.txt"));
  // A folder already gone (with an enclosing folder removed first) counts as removed.
  EXPECT_TRUE(emptyfolders::RemoveEmptyTree(backend->files(), "C:\\Top\\Missing"));
}

TEST_P(EmptyFolders, RemovalNeverGoesThroughALink) {
  backend->AddLinkOut("C:\\Top\\Trap");
  EXPECT_FALSE(emptyfolders::RemoveEmptyTree(backend->files(), "C:\\Top\\Trap"));
  EXPECT_FALSE(emptyfolders::IsEmptyTree(backend->files(), "C:\\Top\\Trap"));
  EXPECT_TRUE(backend->Exists("C:\\Top\\Trap"));
  EXPECT_TRUE(backend->OutsideIntact());
}

INSTANTIATE_TEST_SUITE_P(Backends, EmptyFolders, ::testing::Values("memory", "machine"),
                         [](const auto& info) { return info.param; });

// On the machine a folder can be swapped for a link between the scan and the removal.
TEST(EmptyFolderRemoval, AFolderSwappedForALinkAfterTheScanLeadsNowhere) {
  testing_support::MachineBackend backend;
  backend.AddFolder("C:\\Top\\Victim\\Empty", 0);
  std::string victim = *backend.machine().machine.ToUnix("C:\\Top\\Victim");
  testing_support::TemporaryFolder outside;
  std::filesystem::create_directory(outside.path() + "/Empty");
  testing_support::WriteUnixFile(outside.path() + "/Empty/precious.doc", "data");
  std::filesystem::remove_all(victim);
  std::filesystem::create_directory_symlink(outside.path(), victim);

  EXPECT_FALSE(emptyfolders::RemoveEmptyTree(backend.files(), "C:\\Top\\Victim\\Empty"));
  EXPECT_TRUE(std::filesystem::exists(outside.path() + "/Empty/precious.doc"));
}

TEST(EmptyFolderScanMachine, AnUnreadableFolderIsNeverTakenForEmpty) {
  testing_support::MachineBackend backend;
  backend.AddFolder("C:\\Top\\Locked\\Inner", 0);
  std::string locked = *backend.machine().machine.ToUnix("C:\\Top\\Locked");
  std::filesystem::permissions(locked, std::filesystem::perms::none);
  if (::access(locked.c_str(), R_OK) == 0)
    GTEST_SKIP() << "running as root: every folder is readable";
  EXPECT_FALSE(emptyfolders::IsEmptyTree(backend.files(), "C:\\Top\\Locked"));
}

}  // namespace

namespace {

TEST(EmptyFolderScanMemory, AnUnreadableFolderAndItsParentsAreNotEmpty) {
  platform::MemoryFileSystem files;
  files.AddFolder("C:\\Top\\Parent\\Locked\\Inner");
  files.AddFolder("C:\\Top\\Fine");
  files.Deny("C:\\Top\\Parent\\Locked");
  ui::ListView results("lv");
  ui::StatusPane progress("p", 0), counter("c", 0);
  bool stopped = false;
  std::int32_t count = 0;
  EmptyFolderScan scan(files, {results, progress, counter, [] {}, stopped, count});
  EXPECT_EQ(scan.FindEmptyFolder("C:\\Top"), 1);
  EXPECT_EQ(results.row(0).cells[0], "Fine");
  EXPECT_FALSE(emptyfolders::IsEmptyTree(files, "C:\\Top\\Parent"));
}

}  // namespace
