#include <gtest/gtest.h>

#include <filesystem>

#include "diskclean/junk_scan.h"
#include "support/file_backends.h"
#include "support/test_machine.h"

namespace {

using testing_support::TestMachine;

class DiskCleanerPage : public ::testing::Test {
 protected:
  void SetUp() override {
    machine.fileSystem.AddFile("C:\\Temp\\~report.tmp", 1536);
    machine.fileSystem.AddFile("C:\\Temp\\notes.txt", 100);
    machine.fileSystem.AddFile("C:\\Temp\\backup.bak", 3000, platform::FILE_ATTRIBUTE_READONLY);
    program = &machine.start();
    form = &program->form1;
    cleaner = &program->diskCleaner;
    form->lblDiskCleaner.click();
  }

  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const ui::ListRow& row : cleaner->lvDiskCleaner.rows()) names.push_back(row.cells[0]);
    return names;
  }

  TestMachine machine;
  program::Program* program = nullptr;
  app::TForm1* form = nullptr;
  diskclean::DiskCleaner* cleaner = nullptr;
};

TEST_F(DiskCleanerPage, ScanListsEveryMatchOfTheActiveMasksAndShowsTheCounters) {
  form->sgbDiskCleanScan.click();
  EXPECT_EQ(Names(),
            (std::vector<std::string>{"~report.tmp", "~report.tmp", "~report.tmp", "backup.bak"}));
  EXPECT_EQ(form->sgbDiskCleanScan.caption(), "S&can");
  EXPECT_TRUE(form->spStatus2.visible());
  EXPECT_EQ(form->spStatus2.text(), "4 File(s)");
  EXPECT_EQ(form->spStatus3.text(), "9 KB");
  EXPECT_EQ(cleaner->FoundFileCount, 4);
}

TEST_F(DiskCleanerPage, RemoveDeletesOnceAndReportsTheRowsItCouldNotDelete) {
  machine.clock.Set({2006, 1, 1, 2, 8, 0, 0, 0});
  form->sgbDiskCleanScan.click();
  machine.dialogs.whileOpen = [&](const auto&) { machine.clock.Set({2006, 1, 1, 2, 9, 0, 0, 0}); };

  form->sgbDiskCleanRemove.click();

  EXPECT_FALSE(machine.fileSystem.Exists("C:\\Temp\\~report.tmp"));
  EXPECT_TRUE(machine.fileSystem.Exists("C:\\Temp\\backup.bak"));  // read-only: not forced
  ASSERT_EQ(machine.dialogs.boxes.size(), 4u);
  EXPECT_EQ(machine.dialogs.boxes[0].text,
            "Do you really want to delete check marked items permanently? ");
  EXPECT_EQ(machine.dialogs.boxes[1].text,
            "The file: \r\n\r\nc:\\temp\\backup.bak\r\n\r\ncan not be deleted, Perhaps this file "
            "is in use, or is write-protected!");
  EXPECT_EQ(machine.dialogs.boxes[1].caption, "Error");
  EXPECT_EQ(machine.dialogs.boxes[1].flags, ui::kErrorFlags);
  // The lowest ~report.tmp row deleted the file; the two above it could not.
  EXPECT_EQ(Names(), (std::vector<std::string>{"~report.tmp", "~report.tmp", "backup.bak"}));
  platform::PrivateProfile profile = form->profile.Open();
  EXPECT_EQ(profile.ReadString("Summary", "DiskCleaner", ""), "4");
  EXPECT_EQ(profile.ReadString("Summary", "DiskCleanerSize", ""), "0.009");
  EXPECT_EQ(profile.ReadString("Summary", "DiskCleanerTime", ""), "2006/1/2 at 8:0:0");
  form->sgbMainWelcome.click();
  EXPECT_EQ(form->lblDiskCleanResult.caption(),
            "4 junk files that occupy 0.009 MB were deleted\ron 2006/1/2 at 8:0:0");
}

TEST_F(DiskCleanerPage, RemoveWithNothingCheckedOrAnsweredNoChangesNothing) {
  form->sgbDiskCleanScan.click();
  const std::string profileBefore = machine.profileBytes();
  machine.dialogs.answers = {ui::IDNO};
  form->sgbDiskCleanRemove.click();
  cleaner->xpbDiskCleanUnselAll.click();
  form->sgbDiskCleanRemove.click();
  EXPECT_EQ(machine.dialogs.boxes.size(), 2u);
  EXPECT_EQ(cleaner->lvDiskCleaner.rowCount(), 4);
  EXPECT_TRUE(machine.fileSystem.Exists("C:\\Temp\\~report.tmp"));
  EXPECT_EQ(machine.profileBytes(), profileBefore);
  cleaner->xpbDiskCleanSelAll.click();
  for (const ui::ListRow& row : cleaner->lvDiskCleaner.rows()) EXPECT_TRUE(row.checked);
}

TEST_F(DiskCleanerPage, StopDuringTheScanKeepsWhatWasFound) {
  machine.fileSystem.AddFile("C:\\Temp\\Deeper\\x.tmp");
  machine.pump.pending = [&] {
    if (machine.pump.calls == 2) form->sgbDiskCleanScan.click();
  };
  form->sgbDiskCleanScan.click();
  EXPECT_TRUE(form->ScanStopped);
  EXPECT_EQ(form->spStatus1.text(), "Stop");
  EXPECT_EQ(form->sgbDiskCleanScan.caption(), "S&can");
  EXPECT_TRUE(Names().empty());
}

TEST_F(DiskCleanerPage, UncheckedAndOpticalDrivesAreNotSearched) {
  form->lvDisk.setChecked(0, false);
  form->sgbDiskCleanScan.click();
  EXPECT_TRUE(Names().empty());
}

TEST_F(DiskCleanerPage, AnErrorEndsTheScanButTheButtonComesBack) {
  machine.pump.pending = [] { throw platform::Error("Out of memory"); };
  form->sgbDiskCleanScan.click();
  ASSERT_EQ(machine.dialogs.errors().size(), 1u);
  EXPECT_EQ(machine.dialogs.errors()[0].text, "Out of memory");
  EXPECT_EQ(form->sgbDiskCleanScan.caption(), "S&can");
}

// On a case-sensitive file system two names may differ only by case; each row deletes its own.
TEST(DiskCleanerOnTheMachine, RowsThatLookAlikeDeleteTheirOwnFiles) {
  testing_support::MachineBackend backend;
  const std::string folder = backend.machine().driveC() + "/t";
  testing_support::WriteUnixFile(folder + "/Report.tmp", "1");
  testing_support::WriteUnixFile(folder + "/report.TMP", "2");
  ui::ListView results("lv");
  ui::StatusPane a("a", 0), b("b", 0), c("c", 0);
  bool stopped = false;
  diskclean::JunkScan scan(backend.files(), {"*.tmp"}, {results, a, b, c, [] {}, stopped});
  scan.ScanDisk("C:\\");
  ASSERT_EQ(results.rowCount(), 2);
  EXPECT_EQ(results.row(0).cells[0], results.row(1).cells[0]);
  EXPECT_NE(results.row(0).data, results.row(1).data);
  EXPECT_TRUE(platform::DeleteFileA(backend.files(), results.row(0).data));
  EXPECT_TRUE(backend.Exists(results.row(1).data));
}

}  // namespace
