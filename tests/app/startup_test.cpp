#include <gtest/gtest.h>

#include "support/test_machine.h"

namespace {

using testing_support::TestMachine;

TEST(StartUp, AnErrorShowsItsBoxSkipsTheRestAndStillShowsTheWindow) {
  TestMachine machine;
  // Nothing can be written beside the program: the first start-up step that writes (the mask
  // list, before the profile) fails.
  machine.files.DenyWritesUnder("C:\\Program Files\\Sparvane");
  app::TForm1& form = machine.start().form1;

  ASSERT_EQ(machine.dialogs.boxes.size(), 1u);
  const auto& box = machine.dialogs.boxes[0];
  EXPECT_EQ(box.text, "Unable to write to C:\\Program Files\\Sparvane\\spvMask.ini");
  EXPECT_FALSE(machine.files.Get(machine.profilePath()).has_value());
  EXPECT_EQ(box.caption, "Sparvane Utilities 2006");
  EXPECT_EQ(box.flags & ui::MB_ICONMASK, ui::MB_ICONERROR);
  // The list initialisers after the profile step did not run.
  for (int i = 0; i < form.clbIEQuickStart.count(); ++i)
    EXPECT_FALSE(form.clbIEQuickStart.checked(i));
  EXPECT_TRUE(form.Form1.showing());
  EXPECT_EQ(form.nbRight.activeName(), "snbWelcome");
}

TEST(StartUp, PlatformFamilyIsRemembered) {
  TestMachine machine;
  EXPECT_TRUE(machine.start().form1.NtPlatform);
  machine.system.platformId = platform::VER_PLATFORM_WIN32_WINDOWS;
  EXPECT_FALSE(machine.start().form1.NtPlatform);
}

TEST(StartUp, MinimizeToTrayKeepsTheWindowHiddenUntilTheTrayIconIsDoubleClicked) {
  TestMachine machine;
  machine.files.Put(machine.profilePath(), "[General]\r\nItem1=1\r\nItem2=1\r\n");
  app::TForm1& form = machine.start().form1;

  EXPECT_FALSE(form.Form1.showing());
  EXPECT_EQ(form.Form1.state(), ui::WindowState::Hidden);
  EXPECT_TRUE(form.ctiTrayIcon.visible());
  EXPECT_TRUE(form.ctiTrayIcon.minimizeToTray());

  form.ctiTrayIcon.doubleClick();
  EXPECT_TRUE(form.Form1.showing());
  EXPECT_EQ(form.nbRight.activeName(), "snbWelcome");
  EXPECT_TRUE(form.ctiTrayIcon.visible());

  // While the switch is on, minimizing goes to the tray again.
  form.Form1.minimize();
  EXPECT_EQ(form.Form1.state(), ui::WindowState::Hidden);
  EXPECT_FALSE(form.Form1.taskbarButton());
}

TEST(StartUp, TheOtherWindowsAreMadeAfterTheMainWindowButStayHidden) {
  TestMachine machine;
  program::Program& program = machine.start();
  EXPECT_EQ(program.form1.Form2, &program.form2);
  EXPECT_EQ(program.form1.Form3, &program.form3);
  EXPECT_FALSE(program.form2.Form2.showing());
  EXPECT_FALSE(program.form3.Form3.showing());
  EXPECT_EQ(program.form3.Form3.caption(), "About Sparvane Utilities 2006");
  EXPECT_EQ(program.form3.lblVersion.caption(), "(version: 2.2.0.0625)");
}

}  // namespace

namespace {

TEST(StartUpDrives, BothDriveListsShowEveryDriveMarkedTheScanInListWithoutIcons) {
  testing_support::TestMachine machine;
  machine.drives.Add('D', {platform::DRIVE_FIXED,
                           platform::VolumeInformation{"Data", 5, "NTFS"},
                           {1 << 20, 2 << 20},
                           "",
                           0});
  app::TForm1& form = machine.start().form1;

  ASSERT_EQ(form.lvDisk.rowCount(), 2);
  ASSERT_EQ(form.lvEmptyScanIn.rowCount(), 2);
  EXPECT_EQ(form.lvDisk.row(1).cells[0], "Local Disk (D:)");
  for (int i = 0; i < 2; ++i) {
    EXPECT_TRUE(form.lvDisk.checked(i));
    EXPECT_TRUE(form.lvEmptyScanIn.checked(i));
    EXPECT_EQ(form.lvEmptyScanIn.row(i).cells, form.lvDisk.row(i).cells);
    EXPECT_EQ(form.lvEmptyScanIn.row(i).imageIndex, -1);
  }
  EXPECT_EQ(form.lvDisk.row(0).imageIndex, 0);
  EXPECT_EQ(form.lvEmptyScanIn.columns().size(), 5u);
}

}  // namespace
