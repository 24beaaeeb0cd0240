#include <gtest/gtest.h>

#include "diskclean/junk_scan.h"
#include "platform/memory/memory_file_system.h"

namespace {

using diskclean::JunkScan;
using platform::FILE_ATTRIBUTE_HIDDEN;
using platform::FILE_ATTRIBUTE_SYSTEM;

const std::vector<std::string> kMasks = {"*.tmp", "~*.*", "*.~*", "~*.*", "*.old"};

class JunkScanTest : public ::testing::Test {
 protected:
  std::vector<std::vector<std::string>> Scan(const std::vector<std::string>& masks,
                                             const std::string& root = "C:\\") {
    JunkScan scan(files, masks,
                  {results, progress, fileCounter, sizeCounter,
                   [this] {
                     ++pumps;
                     if (onPump) onPump();
                   },
                   stopped});
    scan.ScanDisk(root);
    foundFiles = scan.FoundFileCount;
    foundKB = scan.FoundSizeKB;
    std::vector<std::vector<std::string>> rows;
    for (const ui::ListRow& row : results.rows()) rows.push_back(row.cells);
    return rows;
  }

  platform::MemoryFileSystem files;
  ui::ListView results{"lvDiskCleaner"};
  ui::StatusPane progress{"spStatus1", 465};
  ui::StatusPane fileCounter{"spStatus2", 0};
  ui::StatusPane sizeCounter{"spStatus3", 0};
  bool stopped = false;
  int pumps = 0;
  std::function<void()> onPump;
  std::int32_t foundFiles = 0;
  std::int64_t foundKB = 0;
};

TEST_F(JunkScanTest, RowsComeGroupedByMaskWithinAFolderAndFoldersDepthFirst) {
  files.AddFile("C:\\Temp\\~Report.TMP", 1537);
  files.AddFile("C:\\Temp\\a.tmp", 0);
  files.AddFile("C:\\Temp\\keep.txt", 10);
  files.AddFolder("C:\\Temp\\Archive.old");  // a folder that matches is never listed
  files.AddFile("C:\\Temp\\Archive.old\\x.old", 2048);
  files.AddFile("C:\\Temp\\Hidden\\h.tmp", 5, FILE_ATTRIBUTE_HIDDEN);
  files.AddFile("C:\\boot.tmp", 1, FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN);

  auto rows = Scan(kMasks);

  const std::vector<std::vector<std::string>> kExpected = {
      {"boot.tmp", "         1KB", "c:\\"},
      {"~report.tmp", "         3KB", "c:\\temp\\"},
      {"a.tmp", "         1KB", "c:\\temp\\"},
      {"~report.tmp", "         3KB", "c:\\temp\\"},
      {"~report.tmp", "         3KB", "c:\\temp\\"},
      {"x.old", "         3KB", "c:\\temp\\archive.old\\"},
      {"h.tmp", "         1KB", "c:\\temp\\hidden\\"},
  };
  EXPECT_EQ(rows, kExpected);
  EXPECT_EQ(results.row(1).data, "C:\\Temp\\~Report.TMP");
  for (const ui::ListRow& row : results.rows()) EXPECT_TRUE(row.checked);
  // A 1,537-byte file shows 3KB but counts 2; empty files count 0.
  EXPECT_EQ(foundFiles, 7);
  EXPECT_EQ(foundKB, 1 + 2 + 0 + 2 + 2 + 2 + 1);
  EXPECT_EQ(fileCounter.text(), "7 File(s)");
  EXPECT_EQ(sizeCounter.text(), "10 KB");
  EXPECT_EQ(progress.text(), "Scanning c:\\temp\\hidden ...");
  EXPECT_EQ(pumps, 4);  // once per folder
}

TEST_F(JunkScanTest, StopEndsTheScanAtTheNextFolderKeepingWhatWasFound) {
  files.AddFile("C:\\a\\1.tmp");
  files.AddFile("C:\\a\\b\\2.tmp");
  files.AddFile("C:\\a\\b\\c\\3.tmp");
  onPump = [this] {
    if (pumps == 3) stopped = true;  // the Stop click arrives while the third folder is read
  };
  auto rows = Scan({"*.tmp"});
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0][0], "1.tmp");
}

TEST_F(JunkScanTest, NothingFoundLeavesTheCountersAsTheyWere) {
  fileCounter.setText("5 File(s)");
  files.AddFile("C:\\a\\keep.txt");
  Scan(kMasks);
  EXPECT_EQ(results.rowCount(), 0);
  EXPECT_EQ(fileCounter.text(), "5 File(s)");
}

TEST(JunkSizes, DisplaySizeRoundsHalvesUpAndGroupsThousands) {
  const std::pair<std::uint64_t, const char*> kCases[] = {
      {0, "         1KB"},         {1, "         1KB"},
      {1024, "         2KB"},      {1536, "         2KB"},
      {1537, "         3KB"},      {2047, "         3KB"},
      {5'000'000, "     4,884KB"}, {12'000'000'000ULL, "11,718,751KB"},
  };
  for (const auto& [size, text] : kCases) EXPECT_EQ(diskclean::DisplaySize(size), text) << size;
  EXPECT_EQ(diskclean::SizeKB(0), 0);
  EXPECT_EQ(diskclean::SizeKB(1), 1);
  EXPECT_EQ(diskclean::SizeKB(1537), 2);
}

}  // namespace
