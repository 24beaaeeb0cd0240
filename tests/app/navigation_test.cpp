#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "support/test_machine.h"

namespace {

using testing_support::TestMachine;

struct Navigation {
  const char* trigger;
  std::function<void(program::Program&)> act;
  const char* left;
  const char* right;
  // The radio button that shows pressed afterwards, if the navigation presses one.
  std::function<ui::Button&(app::TForm1&)> pressed;
};

std::vector<Navigation> NavigationTable() {
  using P = program::Program;
  using F = app::TForm1;
  return {
      {"sgbMainWelcome", [](P& p) { p.form1.sgbMainWelcome.click(); }, "snbDefault", "snbWelcome",
       [](F& f) -> ui::Button& { return f.sgbMainWelcome; }},
      {"sgbRepair", [](P& p) { p.form1.sgbRepair.click(); }, "snbDefault", "snbDefault",
       [](F& f) -> ui::Button& { return f.sgbRepair; }},
      {"sgbClean", [](P& p) { p.form1.sgbClean.click(); }, "snbDefault", "snbClean",
       [](F& f) -> ui::Button& { return f.sgbClean; }},
      {"sgbSettings", [](P& p) { p.form1.sgbSettings.click(); }, "snbSettings", "snbSettings",
       nullptr},
      {"lblIERepair", [](P& p) { p.form1.lblIERepair.click(); }, "snbIERepair", "snbIERepair",
       [](F& f) -> ui::Button& { return f.sgbIERepairQS; }},
      {"sgbIERepairView", [](P& p) { p.form1.sgbIERepairView.click(); }, "snbIERepair", "snbIEView",
       [](F& f) -> ui::Button& { return f.sgbIERepairView; }},
      {"sgbIERepairIEOptions", [](P& p) { p.form1.sgbIERepairIEOptions.click(); }, "snbIERepair",
       "snbInternetOptions", [](F& f) -> ui::Button& { return f.sgbIERepairIEOptions; }},
      {"sgbIERepairContextMenu", [](P& p) { p.form1.sgbIERepairContextMenu.click(); },
       "snbIERepair", "snbContextMenu",
       [](F& f) -> ui::Button& { return f.sgbIERepairContextMenu; }},
      {"sgbIERepairToolbar", [](P& p) { p.form1.sgbIERepairToolbar.click(); }, "snbIERepair",
       "snbToolbar", [](F& f) -> ui::Button& { return f.sgbIERepairToolbar; }},
      {"lblSysRepair", [](P& p) { p.form1.lblSysRepair.click(); }, "snbSysRepair", "snbSysRepair",
       [](F& f) -> ui::Button& { return f.sgbSysRepairQS; }},
      {"sgbSysRepairGeneral", [](P& p) { p.form1.sgbSysRepairGeneral.click(); }, "snbSysRepair",
       "snbGeneral", [](F& f) -> ui::Button& { return f.sgbSysRepairGeneral; }},
      {"sgbSysRepairOEM", [](P& p) { p.form1.sgbSysRepairOEM.click(); }, "snbSysRepair", "snbOEM",
       [](F& f) -> ui::Button& { return f.sgbSysRepairOEM; }},
      {"lblHistory", [](P& p) { p.form1.lblHistory.click(); }, "snbClean", "snbCleanQuickStart",
       [](F& f) -> ui::Button& { return f.sgbHistoryCleanQS; }},
      {"sgbHistoryCleanTypedUrls", [](P& p) { p.form1.sgbHistoryCleanTypedUrls.click(); },
       "snbClean", "snbTypedUrls", [](F& f) -> ui::Button& { return f.sgbHistoryCleanTypedUrls; }},
      {"sgbHistoryCleanCookies", [](P& p) { p.form1.sgbHistoryCleanCookies.click(); }, "snbClean",
       "snbCookies", [](F& f) -> ui::Button& { return f.sgbHistoryCleanCookies; }},
      {"lblDiskCleaner", [](P& p) { p.form1.lblDiskCleaner.click(); }, "snbDiskCleaner",
       "snbDiskCleaner", nullptr},
      {"lblEmptyFolderFinder", [](P& p) { p.form1.lblEmptyFolderFinder.click(); }, "snbEmptyFolder",
       "snbEmptyFolder", nullptr},
      {"bgEmptyFolderSettings",
       [](P& p) {
         p.form1.lblEmptyFolderFinder.click();
         p.form1.bgEmptyFolderSettings.click();
       },
       "snbEmptyFolderSettings", "snbEmptyFolderSettings", nullptr},
      {"sgbEmptyFolderSettingsOk",
       [](P& p) {
         p.form1.lblEmptyFolderFinder.click();
         p.form1.bgEmptyFolderSettings.click();
         p.form1.sgbEmptyFolderSettingsOk.click();
       },
       "snbEmptyFolder", "snbEmptyFolder", nullptr},
      {"sgbIERepairActionBack",
       [](P& p) {
         p.form1.lblIERepair.click();
         p.form1.sgbIERepairActionBack.click();
       },
       "snbDefault", "snbDefault", nullptr},
      {"sgbSysRepairQSBack",
       [](P& p) {
         p.form1.lblSysRepair.click();
         p.form1.sgbSysRepairQSBack.click();
       },
       "snbDefault", "snbDefault", nullptr},
      {"sgbSysRepairActionBack",
       [](P& p) {
         p.form1.sgbSysRepairOEM.click();
         p.form1.sgbSysRepairActionBack.click();
       },
       "snbDefault", "snbDefault", nullptr},
      {"sgbGeneralActionBack",
       [](P& p) {
         p.form1.sgbSysRepairGeneral.click();
         p.form1.sgbGeneralActionBack.click();
       },
       "snbDefault", "snbDefault", nullptr},
      {"sgbHistoryCleanActionBack",
       [](P& p) {
         p.form1.lblHistory.click();
         p.form1.sgbHistoryCleanActionBack.click();
       },
       "snbDefault", "snbClean", [](F& f) -> ui::Button& { return f.sgbClean; }},
      {"sgbDiskCleanBack",
       [](P& p) {
         p.form1.lblDiskCleaner.click();
         p.form1.sgbDiskCleanBack.click();
       },
       "snbDefault", "snbClean", [](F& f) -> ui::Button& { return f.sgbClean; }},
      {"bgEmptyFolderBack",
       [](P& p) {
         p.form1.lblEmptyFolderFinder.click();
         p.form1.bgEmptyFolderBack.click();
       },
       "snbDefault", "snbClean", [](F& f) -> ui::Button& { return f.sgbClean; }},
      {"sgbDiskCleanSettings",
       [](P& p) {
         p.form1.lblDiskCleaner.click();
         p.form1.sgbDiskCleanSettings.click();
       },
       "snbSettings", "snbSettings", nullptr},
  };
}

TEST(Navigation, EveryTriggerShowsItsPages) {
  for (const Navigation& step : NavigationTable()) {
    SCOPED_TRACE(step.trigger);
    TestMachine machine;
    program::Program& program = machine.start();
    // Leave the start pages first, so every navigation is a real change.
    program.form1.sgbSettings.click();
    if (std::string(step.trigger) == "sgbSettings") program.form1.sgbRepair.click();

    step.act(program);

    EXPECT_EQ(program.form1.nbLeft.activeName(), step.left);
    EXPECT_EQ(program.form1.nbRight.activeName(), step.right);
    if (step.pressed) {
      ui::Button& button = step.pressed(program.form1);
      EXPECT_TRUE(button.pressed());
      ASSERT_NE(button.group(), nullptr);
      EXPECT_EQ(button.group()->pressedButton(), &button);
    }
    EXPECT_TRUE(machine.dialogs.boxes.empty());
  }
}

TEST(Navigation, EveryPageOfBothNotebooksIsReached) {
  std::set<std::string> left;
  std::set<std::string> right;
  for (const Navigation& step : NavigationTable()) {
    left.insert(step.left);
    right.insert(step.right);
  }
  // The settings tree reaches the rest.
  right.insert({"snbOneClick", "snbSelectDisk", "snbTypeOfFiles"});
  TestMachine machine;
  app::TForm1& form = machine.start().form1;
  for (const auto& page : form.nbLeft.pages())
    EXPECT_TRUE(left.count(page->name())) << page->name();
  for (const auto& page : form.nbRight.pages()) {
    EXPECT_TRUE(right.count(page->name())) << page->name();
  }
}

TEST(Navigation, TheSystemRepairerActionNotebookFollowsItsPage) {
  TestMachine machine;
  app::TForm1& form = machine.start().form1;
  EXPECT_EQ(form.nbSysRepairAction.activeName(), "snbQuickStart");
  form.sgbSysRepairOEM.click();
  EXPECT_EQ(form.nbSysRepairAction.activeName(), "snbOEM");
  form.sgbSysRepairGeneral.click();
  EXPECT_EQ(form.nbSysRepairAction.activeName(), "snbGeneral");
  form.sgbSysRepairQS.click();
  EXPECT_EQ(form.nbSysRepairAction.activeName(), "snbQuickStart");
}

TEST(Navigation, ActionButtonCaptionsFollowThePage) {
  TestMachine machine;
  app::TForm1& form = machine.start().form1;
  struct Step {
    ui::Button& trigger;
    const char* caption;
  };
  ui::Button& ieAction = form.sgbIERepairActionRepair;
  for (const Step& step :
       {Step{form.sgbIERepairView, "&Save"}, Step{form.sgbIERepairIEOptions, "&Save"},
        Step{form.sgbIERepairContextMenu, "&Delete"}, Step{form.sgbIERepairIEOptions, "&Delete"},
        Step{form.sgbIERepairQS, "&Repair"}}) {
    step.trigger.click();
    EXPECT_EQ(ieAction.caption(), step.caption) << step.trigger.name();
  }
  form.lblHistory.click();
  form.sgbHistoryCleanCookies.click();
  EXPECT_EQ(form.sgbHistoryCleanActionClean.caption(), "&Delete");
  form.sgbHistoryCleanQS.click();
  EXPECT_EQ(form.sgbHistoryCleanActionClean.caption(), "&Clean");
}

TEST(ReturnPages, SettingsBackReturnsWhereTheSettingsWereOpenedFrom) {
  TestMachine machine;
  app::TForm1& form = machine.start().form1;

  form.lblDiskCleaner.click();
  form.sgbDiskCleanSettings.click();
  EXPECT_EQ(form.ReturnPages,
            (std::pair<std::string, std::string>{"snbDiskCleaner", "snbDiskCleaner"}));
  EXPECT_EQ(form.tvSettings.selectedIndex(), 3);
  form.xpbSettingsBack.click();
  EXPECT_EQ(form.nbLeft.activeName(), "snbDiskCleaner");
  EXPECT_EQ(form.nbRight.activeName(), "snbDiskCleaner");

  form.sgbSettings.click();
  form.sgbRepair.click();  // somewhere else in between
  form.sgbSettings.click();
  form.xpbSettingsBack.click();
  EXPECT_EQ(form.nbLeft.activeName(), "snbDefault");
  EXPECT_EQ(form.nbRight.activeName(), "snbWelcome");
  EXPECT_TRUE(form.sgbMainWelcome.pressed());
}

TEST(ReturnPages, AVisitFromTheOneClickWindowGoesBackToIt) {
  TestMachine machine;
  program::Program& program = machine.start();
  app::TForm1& form = program.form1;
  form.ReturnPages = {"OneClick", "OneClick"};
  form.nbLeft.setActivePage("snbSettings");
  form.nbRight.setActivePage("snbOneClick");

  form.xpbSettingsBack.click();

  EXPECT_TRUE(program.form2.Form2.showing());
  EXPECT_EQ(form.nbLeft.activeName(), "snbDefault");
  EXPECT_EQ(form.nbRight.activeName(), "snbWelcome");
  EXPECT_TRUE(form.sgbMainWelcome.pressed());
  // The marker stays until one of the Settings buttons is pressed.
  EXPECT_EQ(form.ReturnPages.first, "OneClick");
}

TEST(ReturnPages, PressingSettingsDropsTheOneClickMarker) {
  TestMachine machine;
  program::Program& program = machine.start();
  app::TForm1& form = program.form1;
  form.ReturnPages = {"OneClick", "OneClick"};

  form.sgbSettings.click();
  form.xpbSettingsBack.click();

  EXPECT_FALSE(program.form2.Form2.showing());
  EXPECT_EQ(form.nbRight.activeName(), "snbWelcome");
}

TEST(SettingsTree, NodesChooseTheRightPage) {
  const std::pair<int, const char*> kNodes[] = {
      {0, "snbSettings"},    {1, "snbOneClick"},    {2, "snbSelectDisk"},  {3, "snbSelectDisk"},
      {4, "snbTypeOfFiles"}, {5, "snbTypeOfFiles"}, {6, "snbTypeOfFiles"},
  };
  TestMachine machine;
  app::TForm1& form = machine.start().form1;
  form.sgbSettings.click();
  // Nodes 5 and 6 leave the page the previous node showed.
  for (const auto& [node, page] : kNodes) {
    form.tvSettings.click(node);
    EXPECT_EQ(form.nbRight.activeName(), page) << "node " << node;
    EXPECT_EQ(form.nbLeft.activeName(), "snbSettings");
  }
}

TEST(SettingsTree, SettingsKeepsTheTreeSelection) {
  TestMachine machine;
  app::TForm1& form = machine.start().form1;
  form.sgbSettings.click();
  form.tvSettings.click(4);
  form.sgbRepair.click();
  form.sgbSettings.click();
  EXPECT_EQ(form.nbRight.activeName(), "snbSettings");
  EXPECT_EQ(form.tvSettings.selectedIndex(), 4);
}

TEST(PageChange, SaveButtonsAndCounterPanesShowOnlyOnTheirPages) {
  TestMachine machine;
  app::TForm1& form = machine.start().form1;
  struct Expect {
    const char* page;
    bool ieSave;
    int ieHeight;
    bool historySave;
    int historyHeight;
    bool counters;
  };
  for (const Expect& e : {Expect{"snbWelcome", false, 120, false, 120, false},
                          Expect{"snbIERepair", true, 153, false, 120, false},
                          Expect{"snbCleanQuickStart", false, 120, true, 152, false},
                          Expect{"snbDiskCleaner", false, 120, false, 120, true},
                          Expect{"snbIEView", false, 120, false, 120, false}}) {
    form.nbRight.setActivePage(e.page);
    EXPECT_EQ(form.sgbIERepairActionSave.visible(), e.ieSave) << e.page;
    EXPECT_EQ(form.rpIERepairAction.height(), e.ieHeight) << e.page;
    EXPECT_EQ(form.sgbHistoryCleanActionSave.visible(), e.historySave) << e.page;
    EXPECT_EQ(form.rpHistoryCleanAction.height(), e.historyHeight) << e.page;
    EXPECT_EQ(form.spStatus2.visible(), e.counters) << e.page;
    EXPECT_EQ(form.spStatus3.visible(), e.counters) << e.page;
  }
}

TEST(StatusHint, TheHintOfTheControlUnderTheMouseShowsInTheFirstPane) {
  TestMachine machine;
  app::TForm1& form = machine.start().form1;
  form.ibMiniToTray.mouseEnter();
  EXPECT_EQ(form.spStatus1.text(), "Minimize to system tray");
  form.ibMiniToTray.mouseLeave();
  EXPECT_EQ(form.spStatus1.text(), "");
  form.lblWebSite.mouseEnter();
  EXPECT_EQ(form.spStatus1.text(), "Visit our website!");
}

TEST(LinkLabels, UnderlinedOnlyWhileTheMouseIsOverThem) {
  TestMachine machine;
  app::TForm1& form = machine.start().form1;
  for (ui::Label* link : {&form.lblIERepair, &form.lblSysRepair, &form.lblHistory,
                          &form.lblDiskCleaner, &form.lblEmptyFolderFinder}) {
    link->mouseEnter();
    EXPECT_TRUE(link->bold() && link->underline()) << link->name();
    link->mouseLeave();
    EXPECT_TRUE(link->bold()) << link->name();
    EXPECT_FALSE(link->underline()) << link->name();
  }
}

TEST(SelectAll, EachPairMarksAndUnmarksItsOwnList) {
  TestMachine machine;
  program::Program& program = machine.start();
  app::TForm1& form = program.form1;
  struct Pair {
    ui::Button& all;
    ui::Button& none;
    ui::CheckList& list;
  };
  for (const Pair& pair :
       {Pair{program.ieRepairer.xpbIESelAll, program.ieRepairer.xpbIEUnselAll,
             form.clbIEQuickStart},
        Pair{program.systemRepairer.xpbSysSelAll, program.systemRepairer.xpbSysUnselAll,
             form.clbSysRepairQS},
        Pair{program.historyCleaner.xpbCleanSelAll, program.historyCleaner.xpbCleanUnselAll,
             form.clbHistoryCleanQS},
        Pair{form.xpbCheckOneClick, form.xpbUncheckOneClick, form.clbOneClick}}) {
    SCOPED_TRACE(pair.list.name());
    ASSERT_GT(pair.list.count(), 0);
    pair.all.click();
    for (int i = 0; i < pair.list.count(); ++i) EXPECT_TRUE(pair.list.checked(i));
    pair.none.click();
    for (int i = 0; i < pair.list.count(); ++i) EXPECT_FALSE(pair.list.checked(i));
    EXPECT_EQ(pair.all.hint(), "Select all the options");
    EXPECT_EQ(pair.none.hint(), "Unselect all the options");
  }
}

}  // namespace
