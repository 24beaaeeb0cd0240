#include <gtest/gtest.h>

#include "diskclean/list_file.h"
#include "support/test_machine.h"

namespace {

using testing_support::TestMachine;

constexpr int kTypeOfFilesNode = 4;
constexpr int kDrivesNode = 3;

std::string MaskFile(const TestMachine& m) {
  return m.system.executableFolder + "spvMask.ini";
}
std::string IdleFile(const TestMachine& m) {
  return m.system.executableFolder + "spvIdleMask.ini";
}
std::string DriveFile(const TestMachine& m) {
  return m.system.executableFolder + "spvDrive.ini";
}

TEST(ListFiles, LinesEndAtEveryKindOfBreakAndAreWrittenWithCrLf) {
  const std::pair<std::string, std::vector<std::string>> kCases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\n", {"a"}},
      {"a\nb\rc\r\nd", {"a", "b", "c", "d"}},
      {"a\r\n\r\nb\r\n", {"a", "", "b"}},
      {"\n", {""}},
      {"a\r\r\n", {"a", ""}},
  };
  for (const auto& [bytes, lines] : kCases) {
    EXPECT_EQ(diskclean::ParseLines(bytes), lines) << bytes;
  }
  EXPECT_EQ(diskclean::JoinLines({"*.tmp", "", "~*.*"}), "*.tmp\r\n\r\n~*.*\r\n");
  EXPECT_EQ(diskclean::JoinLines({}), "");
}

class FileTypes : public ::testing::Test {
 protected:
  program::Program& Start() {
    program = &machine.start();
    return *program;
  }
  diskclean::JunkFileTypes& types() { return program->diskCleaner.fileTypes; }
  app::TForm1& form() { return program->form1; }
  std::vector<std::string> Shown() {
    std::vector<std::string> shown;
    for (const auto& item : types().clbFileTypes.items()) {
      shown.push_back((item.checked ? "+" : "-") + item.text);
    }
    return shown;
  }

  TestMachine machine;
  program::Program* program = nullptr;
};

TEST_F(FileTypes, AFirstStartShowsTheDefaultsAndWritesOnlyTheMaskFile) {
  Start();
  ASSERT_EQ(types().clbFileTypes.count(), 37);
  for (int i = 0; i < 37; ++i) EXPECT_TRUE(types().clbFileTypes.checked(i));
  EXPECT_EQ(types().clbFileTypes.text(2), "~*.*");
  EXPECT_EQ(types().clbFileTypes.text(4), "~*.*");
  EXPECT_EQ(types().clbFileTypes.text(36), "*.gid");
  auto written = machine.files.Get(MaskFile(machine));
  ASSERT_TRUE(written);
  EXPECT_EQ(diskclean::ParseLines(*written), types().DefaultMasks);
  EXPECT_EQ(written->substr(0, 14), "*.tmp\r\n*.temp\r");
  EXPECT_FALSE(machine.files.Get(IdleFile(machine)));
  EXPECT_FALSE(machine.files.Get(DriveFile(machine)));
  EXPECT_EQ(types().ActiveMasks().size(), 37u);
  EXPECT_FALSE(types().xpbEditFileType.enabled());
  EXPECT_FALSE(types().xpbRemoveFileType.enabled());
}

TEST_F(FileTypes, AnEmptyMaskFileIsReplacedByTheDefaults) {
  machine.files.Put(MaskFile(machine), "");
  Start();
  EXPECT_EQ(types().MaskList.size(), 37u);
  EXPECT_EQ(diskclean::ParseLines(*machine.files.Get(MaskFile(machine))).size(), 37u);
}

TEST_F(FileTypes, AnUncheckedMaskIsLeftOutEverywhereItStands) {
  machine.files.Put(MaskFile(machine), "*.tmp\r\n~*.*\r\n*.bak\r\n~*.*\r\n\r\n");
  Start();
  form().sgbSettings.click();
  form().tvSettings.click(kTypeOfFilesNode);
  types().clbFileTypes.toggle(1);
  types().xpbAddFileType.click();  // cancelled: nothing
  machine.dialogs.inputs.push_back(std::string("*.log"));
  types().xpbAddFileType.click();
  form().xpbSettingsOk.click();

  EXPECT_EQ(*machine.files.Get(MaskFile(machine)),
            "*.tmp\r\n~*.*\r\n*.bak\r\n~*.*\r\n\r\n*.log\r\n");
  EXPECT_EQ(*machine.files.Get(IdleFile(machine)), "~*.*\r\n*.log\r\n");
  EXPECT_EQ(*machine.files.Get(DriveFile(machine)), "");

  Start();
  EXPECT_EQ(Shown(),
            (std::vector<std::string>{"+*.tmp", "-~*.*", "+*.bak", "-~*.*", "+", "-*.log"}));
  EXPECT_EQ(types().ActiveMasks(), (std::vector<std::string>{"*.tmp", "*.bak", ""}));
}

TEST_F(FileTypes, UnsavedEditsGiveWayToTheSavedListWhenThePageIsShownAgain) {
  machine.files.Put(MaskFile(machine), "*.tmp\r\n*.bak\r\n");
  Start();
  form().sgbSettings.click();
  form().tvSettings.click(kTypeOfFilesNode);
  types().xpbDefaultFileType.click();
  EXPECT_EQ(types().clbFileTypes.count(), 37);
  form().xpbSettingsBack.click();
  form().sgbSettings.click();
  form().tvSettings.click(kTypeOfFilesNode);
  EXPECT_EQ(Shown(), (std::vector<std::string>{"+*.tmp", "+*.bak"}));
}

TEST_F(FileTypes, EditAndRemoveActOnTheSelectedEntry) {
  machine.files.Put(MaskFile(machine), "*.tmp\r\n*.bak\r\n*.old\r\n");
  machine.files.Put(IdleFile(machine), "*.bak\r\n");
  Start();
  auto& list = types().clbFileTypes;
  list.select(1);
  EXPECT_TRUE(types().xpbEditFileType.enabled());
  EXPECT_TRUE(types().xpbRemoveFileType.enabled());

  machine.dialogs.inputs.push_back(std::string(""));  // an empty answer changes nothing
  machine.dialogs.inputs.push_back(std::string("*.bk1"));
  types().xpbEditFileType.click();
  types().xpbEditFileType.click();
  EXPECT_EQ(Shown(), (std::vector<std::string>{"+*.tmp", "-*.bk1", "+*.old"}));
  EXPECT_EQ(machine.dialogs.inputPrompts.back(), "Modify File Type|Input a new file type:|*.bak");

  machine.dialogs.answers = {ui::IDNO, ui::IDYES};
  types().xpbRemoveFileType.click();
  EXPECT_EQ(list.count(), 3);
  types().xpbRemoveFileType.click();
  EXPECT_EQ(Shown(), (std::vector<std::string>{"+*.tmp", "+*.old"}));
  ASSERT_EQ(machine.dialogs.boxes.size(), 2u);
  EXPECT_EQ(machine.dialogs.boxes[0].text,
            "Are you sure you want to permanently remove the selected File Type? This can "
            "not\r\nbe reversed.\r\n\r\nIf you only want to exclude this item you may do so by "
            "unchecking it's corresponding\r\nbox.");
  EXPECT_EQ(machine.dialogs.boxes[0].caption, "Confirm");
  EXPECT_EQ(machine.dialogs.boxes[0].flags, ui::kConfirmFlags);
}

TEST_F(FileTypes, ExcludedDrivesStayUncheckedAndStaleOnesAreDroppedAtSave) {
  machine.drives.Add('D', {});
  machine.files.Put(DriveFile(machine), "Local Disk (D:)\r\nOld Stick (E:)\r\n");
  Start();
  EXPECT_TRUE(form().lvDisk.checked(0));
  EXPECT_FALSE(form().lvDisk.checked(1));
  EXPECT_TRUE(form().lvEmptyScanIn.checked(1));  // the Empty Folder Finder keeps every drive

  form().sgbSettings.click();
  form().lvDisk.toggle(0);  // unchecked and not saved
  form().tvSettings.click(kDrivesNode);
  EXPECT_EQ(form().nbRight.activeName(), "snbSelectDisk");
  EXPECT_FALSE(form().lvDisk.checked(0));
  form().lvDisk.toggle(0);
  form().xpbSettingsOk.click();
  EXPECT_EQ(*machine.files.Get(DriveFile(machine)), "Local Disk (D:)\r\n");
}

TEST_F(FileTypes, AListThatCannotBeWrittenStopsTheSave) {
  Start();
  machine.files.SetReadOnly(IdleFile(machine), true);
  form().chkAutoLoad.toggle();
  form().xpbSettingsOk.click();
  ASSERT_EQ(machine.dialogs.errors().size(), 1u);
  EXPECT_EQ(machine.dialogs.errors()[0].text,
            "Unable to write to C:\\Program Files\\Sparvane\\spvIdleMask.ini");
  // The profile part of the save did not run.
  EXPECT_EQ(form().profile.Open().ReadString("General", "Item1", "?"), "0");
}

}  // namespace
