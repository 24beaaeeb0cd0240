#include <gtest/gtest.h>

#include "support/test_machine.h"

namespace {

using testing_support::TestMachine;

TEST(TitleBar, MinimizeGoesToTheTaskBarAndTurnsTheTraySwitchOff) {
  TestMachine machine;
  machine.files.Put(machine.profilePath(), "[General]\r\nItem2=1\r\n");
  app::TForm1& form = machine.start().form1;
  form.ctiTrayIcon.doubleClick();

  form.ibMinimize.click();

  EXPECT_EQ(form.Form1.state(), ui::WindowState::Minimized);
  EXPECT_FALSE(form.ctiTrayIcon.minimizeToTray());
  form.ctiTrayIcon.doubleClick();
  EXPECT_TRUE(form.Form1.showing());
}

TEST(TitleBar, MiniToTrayHidesTheWindowAndItsTaskBarButton) {
  TestMachine machine;
  app::TForm1& form = machine.start().form1;
  EXPECT_FALSE(form.ctiTrayIcon.visible());

  form.ibMiniToTray.click();
  EXPECT_EQ(form.Form1.state(), ui::WindowState::Hidden);
  EXPECT_FALSE(form.Form1.taskbarButton());
  EXPECT_TRUE(form.ctiTrayIcon.visible());

  int broughtToFront = 0;
  auto connection = form.Form1.broughtToFront.connect([&] { ++broughtToFront; });
  form.ctiTrayIcon.doubleClick();
  EXPECT_TRUE(form.Form1.showing());
  EXPECT_TRUE(form.Form1.taskbarButton());
  EXPECT_EQ(broughtToFront, 1);
}

TEST(TitleBar, CloseEndsTheProgramWithoutAsking) {
  TestMachine machine;
  app::TForm1& form = machine.start().form1;
  form.ibClose.click();
  EXPECT_EQ(form.Form1.state(), ui::WindowState::Closed);
  EXPECT_TRUE(machine.dialogs.boxes.empty());
}

TEST(HelpMenu, ItemsAskTheShellToOpenTheirTargets) {
  TestMachine machine;
  app::TForm1& form = machine.start().form1;
  int popups = 0;
  auto connection = form.PopupMenu1.popupRequested.connect([&] { ++popups; });
  form.FlatButton1.click();
  EXPECT_EQ(popups, 1);

  std::vector<std::string> names;
  for (const auto& item : form.PopupMenu1.items()) names.push_back(item->name());
  EXPECT_EQ(names, (std::vector<std::string>{"Help1", "N1", "Website1", "Support1", "Feedback1",
                                             "N2", "About1"}));

  machine.shell.result = 2;  // the shell cannot open anything: nothing is shown
  for (const char* name : {"Help1", "Website1", "Support1", "Feedback1"}) {
    form.PopupMenu1.item(name).click();
  }
  form.lblWebSite.click();
  ASSERT_EQ(machine.shell.requests.size(), 5u);
  EXPECT_EQ(machine.shell.requests[0].file, "sparvane.chm");
  EXPECT_EQ(machine.shell.requests[0].verb, "open");
  EXPECT_EQ(machine.shell.requests[0].parameters, "");
  EXPECT_EQ(machine.shell.requests[0].directory, "");
  EXPECT_EQ(machine.shell.requests[1].file, app::kWebAddress);
  EXPECT_EQ(machine.shell.requests[2].file, std::string("mailto:") + app::kSupportAddress);
  EXPECT_EQ(machine.shell.requests[3].file, std::string("mailto:") + app::kFeedbackAddress);
  EXPECT_EQ(machine.shell.requests[4].file, app::kWebAddress);
  EXPECT_TRUE(machine.dialogs.boxes.empty());
}

TEST(HelpMenu, AboutShowsTheAboutWindowWhoseLinksOpenThroughTheShell) {
  TestMachine machine;
  program::Program& program = machine.start();
  program.form1.PopupMenu1.item("About1").click();
  EXPECT_TRUE(program.form3.Form3.showing());
  EXPECT_TRUE(program.form1.Form1.showing());

  program.form3.lblWeb.click();
  program.form3.lblSupport.click();
  ASSERT_EQ(machine.shell.requests.size(), 2u);
  EXPECT_EQ(machine.shell.requests[0].file, app::kWebAddress);
  EXPECT_EQ(machine.shell.requests[1].file, std::string("mailto:") + app::kSupportAddress);
}

TEST(OneClickButton, ShowsTheOneClickWindowOnItsFirstPage) {
  TestMachine machine;
  program::Program& program = machine.start();
  program.form1.xpbOneClick.click();
  EXPECT_TRUE(program.form2.Form2.showing());
  EXPECT_EQ(program.form2.nbOneClick.activeName(), "Default");
  EXPECT_EQ(program.form1.nbRight.activeName(), "snbWelcome");
}

}  // namespace
