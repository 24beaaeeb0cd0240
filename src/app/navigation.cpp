#include "app/main_form.h"

namespace app {

void TForm1::ShowPages(std::string_view left, std::string_view right) {
  nbRight.setActivePage(right);
  nbLeft.setActivePage(left);
}

void TForm1::sgbMainWelcomeClick() {
  ShowPages("snbDefault", "snbWelcome");
  ReportRefresh();
}

void TForm1::sgbRepairClick() {
  ShowPages("snbDefault", "snbDefault");
}

void TForm1::sgbCleanClick() {
  ShowPages("snbDefault", "snbClean");
}

void TForm1::sgbSettingsClick() {
  ShowPages("snbSettings", "snbSettings");
  ReturnPages = {"snbDefault", "snbWelcome"};
}

void TForm1::xpbSettingsBackClick() {
  if (ReturnPages.first == "OneClick") {
    ReturnToOneClick();
    return;
  }
  ShowPages(ReturnPages.first, ReturnPages.second);
  if (ReturnPages.second == "snbWelcome") bgMain.press(sgbMainWelcome);
}

void TForm1::ReturnToOneClick() {
  if (Form2) Form2->ShowWindow();
  ShowPages("snbDefault", "snbWelcome");
  bgMain.press(sgbMainWelcome);
}

void TForm1::sgbHistoryCleanActionBackClick() {
  ShowPages("snbDefault", "snbClean");
  bgMain.press(sgbClean);
}

void TForm1::nbRightPageChanged() {
  const std::string& page = nbRight.activeName();
  sgbIERepairActionSave.setVisible(page == "snbIERepair");
  rpIERepairAction.setHeight(page == "snbIERepair" ? 153 : 120);
  sgbHistoryCleanActionSave.setVisible(page == "snbCleanQuickStart");
  rpHistoryCleanAction.setHeight(page == "snbCleanQuickStart" ? 152 : 120);
  spStatus2.setVisible(page == "snbDiskCleaner");
  spStatus3.setVisible(page == "snbDiskCleaner");
}

void TForm1::aaStatusHintHint(const std::string& hint) {
  spStatus1.setText(hint);
}

void TForm1::lblIERepairMouseMove(ui::Label& label) {
  label.setBold(true);
  label.setUnderline(true);
}

void TForm1::lblIERepairMouseLeave(ui::Label& label) {
  label.setBold(true);
  label.setUnderline(false);
}

void TForm1::xpbOneClickClick() {
  if (Form2) Form2->ShowDefaultPage();
}

}  // namespace app
