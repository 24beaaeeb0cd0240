#include <gtest/gtest.h>

#include "platform/dir_and_file.h"
#include "support/test_machine.h"

namespace {

using testing_support::TestMachine;

class EmptyFolderFinderPage : public ::testing::Test {
 protected:
  void SetUp() override {
    machine.fileSystem.AddFolder("C:\\Data\\Old\\Older");
    machine.fileSystem.AddFolder("C:\\Data\\Spare");
    machine.fileSystem.AddFile("C:\\Data\\Keep\\notes.txt", 12);
    program = &machine.start();
    finder = &program->emptyFolderFinder;
    form = &program->form1;
    form->lblEmptyFolderFinder.click();
  }

  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const ui::ListRow& row : finder->lvEmptyFolderResult.rows()) names.push_back(row.cells[0]);
    return names;
  }

  TestMachine machine;
  program::Program* program = nullptr;
  emptyfolders::EmptyFolderFinder* finder = nullptr;
  app::TForm1* form = nullptr;
};

TEST_F(EmptyFolderFinderPage, ScanListsTheEmptyFoldersOfTheCheckedDrives) {
  form->bgEmptyFolderScan.click();
  EXPECT_EQ(Names(), (std::vector<std::string>{"Older", "Old", "Spare"}));
  EXPECT_EQ(finder->lvEmptyFolderResult.row(0).cells[1], "C:\\Data\\Old");
  EXPECT_EQ(form->bgEmptyFolderScan.caption(), "S&can");
  EXPECT_EQ(form->spStatus3.text(), "3 Folder(s)");

  form->lvEmptyScanIn.setChecked(0, false);
  form->bgEmptyFolderScan.click();
  EXPECT_TRUE(Names().empty());
}

TEST_F(EmptyFolderFinderPage, StopDuringTheScanEndsItWithTheCaptionBack) {
  machine.pump.pending = [&] {
    if (form->bgEmptyFolderScan.caption() == "&Stop") form->bgEmptyFolderScan.click();
  };
  form->bgEmptyFolderScan.click();
  EXPECT_TRUE(form->EmptyScanStopped);
  EXPECT_EQ(form->spStatus1.text(), "Stop");
  EXPECT_EQ(form->bgEmptyFolderScan.caption(), "S&can");
  EXPECT_LT(finder->lvEmptyFolderResult.rowCount(), 3);
}

TEST_F(EmptyFolderFinderPage, RemoveDeletesTheCheckedFoldersBottomUpAndKeepsOnesThatGainedFiles) {
  form->bgEmptyFolderScan.click();
  finder->lvEmptyFolderResult.setChecked(2, false);  // Spare stays
  machine.fileSystem.AddFile("C:\\Data\\Old\\Older\\late.txt", 1);

  form->bgEmptyFolderRemove.click();

  ASSERT_EQ(machine.dialogs.boxes.size(), 1u);
  EXPECT_EQ(machine.dialogs.boxes[0].text,
            "Do you really want to delete check marked items permanently?");
  EXPECT_EQ(machine.dialogs.boxes[0].flags, ui::kConfirmFlags);
  // The file that came after the scan keeps both folders and their rows.
  EXPECT_TRUE(machine.fileSystem.Exists("C:\\Data\\Old\\Older\\late.txt"));
  EXPECT_EQ(Names(), (std::vector<std::string>{"Older", "Old", "Spare"}));
  EXPECT_EQ(finder->EmptyFolderCount, 3);

  machine.fileSystem = platform::MemoryFileSystem();
  machine.fileSystem.AddFolder("C:\\Data\\Old\\Older");
  machine.fileSystem.AddFolder("C:\\Data\\Spare");
  form->bgEmptyFolderRemove.click();
  EXPECT_FALSE(machine.fileSystem.Exists("C:\\Data\\Old"));
  EXPECT_EQ(Names(), (std::vector<std::string>{"Spare"}));
  EXPECT_EQ(finder->EmptyFolderCount, 1);
  EXPECT_EQ(form->spStatus3.text(), "1 Folder(s)");
}

TEST_F(EmptyFolderFinderPage, RecyclingAsksTheShellForOnlyFoldersStillEmpty) {
  form->bgEmptyFolderScan.click();
  finder->chkEmptyFolderSendToRB.toggle();
  machine.fileSystem.AddFile("C:\\Data\\Spare\\late.txt", 1);
  machine.fileOperations.perform = [&](const platform::ShellFileOperation& operation) {
    platform::DeleteDirTree(machine.fileSystem, operation.pFrom);
  };

  form->bgEmptyFolderRemove.click();

  EXPECT_EQ(machine.dialogs.boxes[0].text,
            "Do you really want to send check marked items to Recycle Bin?");
  ASSERT_EQ(machine.fileOperations.operations.size(), 1u);
  EXPECT_EQ(machine.fileOperations.operations[0].pFrom, "C:\\Data\\Old");
  EXPECT_EQ(machine.fileOperations.operations[0].fFlags, 0x0450u);
  EXPECT_EQ(Names(), (std::vector<std::string>{"Spare"}));
}

TEST_F(EmptyFolderFinderPage, TheMenuOpensFoldersInTheFileManagerAndMarksAllRows) {
  form->bgEmptyFolderScan.click();
  finder->pmEmptyFolder.item("miFindFolder").click();
  EXPECT_TRUE(machine.shell.requests.empty());  // nothing selected

  finder->lvEmptyFolderResult.openContextMenu(1);
  finder->pmEmptyFolder.item("miExplorerFolder").click();
  finder->pmEmptyFolder.item("miFindFolder").click();
  ASSERT_EQ(machine.shell.requests.size(), 2u);
  EXPECT_EQ(machine.shell.requests[0].file, "explorer.exe");
  EXPECT_EQ(machine.shell.requests[0].parameters, "/e, C:\\Data\\Old");
  EXPECT_EQ(machine.shell.requests[1].parameters, "/select, C:\\Data\\Old");
  EXPECT_EQ(machine.shell.requests[1].showCommand, 3);

  finder->pmEmptyFolder.item("miUnselectAll").click();
  for (const ui::ListRow& row : finder->lvEmptyFolderResult.rows()) EXPECT_FALSE(row.checked);
  finder->pmEmptyFolder.item("miSelectAll").click();
  for (const ui::ListRow& row : finder->lvEmptyFolderResult.rows()) EXPECT_TRUE(row.checked);
}

}  // namespace
