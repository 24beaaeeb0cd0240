#include <gtest/gtest.h>

#include "support/test_machine.h"

namespace {

using testing_support::TestMachine;

std::string CrLfLines(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) text += std::string(line) + "\r\n";
  return text;
}

const std::string kFirstRunProfile = CrLfLines({
    "[IE Repairer]",
    "Item1=1",
    "Item2=1",
    "Item3=1",
    "Item4=1",
    "Item5=1",
    "Item6=0",
    "Item7=1",
    "Item8=0",
    "Item9=0",
    "Item10=0",
    "Item11=0",
    "Item12=0",
    "[System Repairer]",
    "Item1=1",
    "Item2=1",
    "Item3=1",
    "Item4=1",
    "Item5=1",
    "Item6=0",
    "Item7=0",
    "Item8=1",
    "Item9=0",
    "Item10=0",
    "[History Cleaner]",
    "Item1=0",
    "Item2=0",
    "Item3=0",
    "Item4=0",
    "Item5=1",
    "Item6=1",
    "Item7=0",
    "Item8=0",
    "[General]",
    "Item1=0",
    "Item2=0",
    "Item3=0",
    "Item4=0",
    "[One Click]",
    "Item1=1",
    "Item2=1",
    "Item3=1",
    "Item4=1",
    "[IE View]",
    "BgPic=0",
    "ImgPath=",
    "[Summary]",
    "IERepairer=Not yet run!",
    "IERepairerTime=",
    "SysRepairer=Not yet run!",
    "SysRepairerTime=",
    "HistoryCleaner=Not yet run!",
    "HistoryCleanerTime=",
    "DiskCleaner=Not yet run!",
    "DiskCleanerSize=",
    "DiskCleanerTime=",
});

std::vector<bool> Marks(const ui::CheckList& list) {
  std::vector<bool> marks;
  for (int i = 0; i < list.count(); ++i) marks.push_back(list.checked(i));
  return marks;
}

std::vector<bool> Bits(std::string_view bits) {
  std::vector<bool> marks;
  for (char c : bits) marks.push_back(c == '1');
  return marks;
}

TEST(ProfileFirstRun, CreatesTheCompleteProfileAndShowsItsMarks) {
  TestMachine machine;
  app::TForm1& form = machine.start().form1;

  EXPECT_EQ(machine.profileBytes(), kFirstRunProfile);
  EXPECT_EQ(Marks(form.clbIEQuickStart), Bits("111110100000"));
  EXPECT_EQ(Marks(form.clbSysRepairQS), Bits("1111100100"));
  EXPECT_EQ(Marks(form.clbHistoryCleanQS), Bits("0000110000"));
  EXPECT_EQ(Marks(form.clbOneClick), Bits("1111"));
  for (const ui::Label* result : {&form.lblIERepairResult, &form.lblSysRepairResult,
                                  &form.lblHistoryCleanResult, &form.lblDiskCleanResult}) {
    EXPECT_EQ(result->caption(), "Not yet run!");
  }
  EXPECT_TRUE(form.sgbMainWelcome.pressed());
  EXPECT_EQ(form.nbRight.activeName(), "snbWelcome");
  EXPECT_TRUE(form.Form1.showing());
  EXPECT_TRUE(machine.dialogs.boxes.empty());
}

TEST(ProfileFirstRun, AnExistingProfileIsReadNotRewritten) {
  TestMachine machine;
  machine.files.Put(machine.system.executableFolder + "spvMask.ini", "*.tmp\r\n");
  machine.files.Put(machine.profilePath(), "");
  app::TForm1& form = machine.start().form1;

  EXPECT_EQ(machine.files.writeCount(), 0);
  EXPECT_EQ(machine.profileBytes(), "");
  // Every key reads as its first-run value.
  EXPECT_EQ(Marks(form.clbIEQuickStart), Bits("111110100000"));
  EXPECT_EQ(Marks(form.clbHistoryCleanQS), Bits("0000110000"));
  EXPECT_EQ(form.lblDiskCleanResult.caption(), "Not yet run!");
}

TEST(ProfileFirstRun, AMissingSectionReadsAsItsDefaults) {
  TestMachine machine;
  machine.files.Put(machine.system.executableFolder + "spvMask.ini", "*.tmp\r\n");
  machine.files.Put(machine.profilePath(), CrLfLines({"[System Repairer]", "Item1=0"}));
  app::TForm1& form = machine.start().form1;

  EXPECT_EQ(Marks(form.clbIEQuickStart), Bits("111110100000"));
  EXPECT_EQ(Marks(form.clbSysRepairQS), Bits("0111100100"));
  EXPECT_EQ(machine.files.writeCount(), 0);
}

TEST(ProfileFirstRun, ValuesThatAreNotIntegersReadAsTheDefault) {
  TestMachine machine;
  machine.files.Put(
      machine.profilePath(),
      CrLfLines({"[General]", "Item1=1", "Item3=abc", "[One Click]", "Item1=0x1", "Item2=0",
                 "Item3=$0", "Item4=", "[IE View]", "BgPic=-1", "ImgPath=C:\\pics\\bar.bmp"}));
  app::TForm1& form = machine.start().form1;

  EXPECT_TRUE(form.chkAutoLoad.checked());
  EXPECT_FALSE(form.chkExeOnStart.checked());
  EXPECT_EQ(Marks(form.clbOneClick), Bits("1001"));
  EXPECT_TRUE(form.spcbToolBarBgImage.checked());
  EXPECT_EQ(form.edtImage.text(), "C:\\pics\\bar.bmp");
}

TEST(ProfileGeneralSettings, AutoLoadEnablesTheTrayBox) {
  TestMachine machine;
  machine.files.Put(machine.profilePath(), CrLfLines({"[General]", "Item1=1", "Item2=0"}));
  app::TForm1& form = machine.start().form1;
  EXPECT_TRUE(form.chkMinimize.enabled());

  form.chkMinimize.toggle();
  EXPECT_TRUE(form.chkMinimize.checked());
  form.chkAutoLoad.toggle();
  EXPECT_FALSE(form.chkMinimize.enabled());
  EXPECT_FALSE(form.chkMinimize.checked());
}

TEST(ProfileGeneralSettings, TheTrayBoxStartsDisabledWithoutAutoLoad) {
  TestMachine machine;
  app::TForm1& form = machine.start().form1;
  EXPECT_FALSE(form.chkAutoLoad.checked());
  EXPECT_FALSE(form.chkMinimize.enabled());
}

struct QuickStartSave {
  const char* name;
  ui::CheckList& (*list)(app::TForm1&);
  ui::Button& (*save)(app::TForm1&);
  const char* section;
  int storedItems;
};

class ProfileQuickStartSave : public ::testing::TestWithParam<QuickStartSave> {};

TEST_P(ProfileQuickStartSave, StoresTheMarksOfItsOwnSection) {
  const QuickStartSave& c = GetParam();
  TestMachine machine;
  app::TForm1& form = machine.start().form1;
  ui::CheckList& list = c.list(form);
  // Show the page whose Save button this is, so the button is usable.
  form.nbRight.setActivePage(c.name);
  ui::CheckAll(list);
  list.setChecked(0, false);

  c.save(form).click();

  platform::PrivateProfile file = form.profile.Open();
  EXPECT_FALSE(file.ReadBool(c.section, "Item1", true));
  for (int i = 2; i <= c.storedItems; ++i) {
    EXPECT_TRUE(file.ReadBool(c.section, app::ItemKey(i), false)) << c.section << " Item" << i;
  }
  // Only the stored items have keys.
  EXPECT_EQ(file.ReadSection(c.section).size(), static_cast<std::size_t>(c.storedItems));
  EXPECT_EQ(form.nbRight.activeName(), c.name);
  EXPECT_TRUE(machine.dialogs.boxes.empty());

  // A restart shows the stored marks; unstored items start unmarked.
  app::TForm1& again = machine.start().form1;
  ui::CheckList& restarted = c.list(again);
  EXPECT_FALSE(restarted.checked(0));
  for (int i = 1; i < restarted.count(); ++i) {
    EXPECT_EQ(restarted.checked(i), i < c.storedItems) << c.section << " item " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    AllThree, ProfileQuickStartSave,
    ::testing::Values(
        QuickStartSave{"snbIERepair",
                       [](app::TForm1& f) -> ui::CheckList& { return f.clbIEQuickStart; },
                       [](app::TForm1& f) -> ui::Button& { return f.sgbIERepairActionSave; },
                       "IE Repairer", 12},
        QuickStartSave{"snbSysRepair",
                       [](app::TForm1& f) -> ui::CheckList& { return f.clbSysRepairQS; },
                       [](app::TForm1& f) -> ui::Button& { return f.sgbSysRepairQSSave; },
                       "System Repairer", 10},
        QuickStartSave{"snbCleanQuickStart",
                       [](app::TForm1& f) -> ui::CheckList& { return f.clbHistoryCleanQS; },
                       [](app::TForm1& f) -> ui::Button& { return f.sgbHistoryCleanActionSave; },
                       "History Cleaner", 8}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProfileQuickStartSaveFailure, ReportsTheFileAndKeepsTheFlagsCopiedBeforeIt) {
  TestMachine machine;
  app::TForm1& form = machine.start().form1;
  const std::string before = machine.profileBytes();
  machine.files.SetReadOnly(machine.profilePath(), true);
  ui::UncheckAll(form.clbIEQuickStart);

  form.nbRight.setActivePage("snbIERepair");
  form.sgbIERepairActionSave.click();

  ASSERT_EQ(machine.dialogs.errors().size(), 1u);
  EXPECT_EQ(machine.dialogs.errors()[0].text,
            "Unable to write to C:\\Program Files\\Sparvane\\spvProfile.dat");
  EXPECT_EQ(machine.profileBytes(), before);
  // The marks were copied into the flags before the first write failed.
  for (bool flag : form.ProfileFlags.IERepairer) EXPECT_FALSE(flag);
}

TEST(ProfileQuickStartSave, ReturnsToTheOneClickWindowWhenTheVisitCameFromThere) {
  TestMachine machine;
  app::TForm1& form = machine.start().form1;
  program::Program& program = machine.program();
  form.ReturnPages = {"OneClick", "OneClick"};
  form.nbRight.setActivePage("snbSysRepair");

  form.sgbSysRepairQSSave.click();

  EXPECT_TRUE(program.form2.Form2.showing());
  EXPECT_EQ(form.nbRight.activeName(), "snbWelcome");
  EXPECT_EQ(form.nbLeft.activeName(), "snbDefault");
  EXPECT_TRUE(form.sgbMainWelcome.pressed());
}

TEST(ProfileHistoryMarks, TheUnstoredErasersKeepTheirMarksAcrossQuickStart) {
  TestMachine machine;
  app::TForm1& form = machine.start().form1;
  form.lblHistory.click();
  ui::CheckAll(form.clbHistoryCleanQS);

  form.sgbHistoryCleanQS.click();

  // Erasers 1 to 8 are back to their saved marks; the last two keep theirs.
  EXPECT_EQ(Marks(form.clbHistoryCleanQS), Bits("0000110011"));
}

}  // namespace
