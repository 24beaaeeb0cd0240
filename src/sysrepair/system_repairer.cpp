#include "sysrepair/system_repairer.h"

#include "sysrepair/sys_catalogue.h"

namespace sysrepair {

using namespace ui::layout;

SystemRepairer::SystemRepairer(app::TForm1& form) : form_(form) {
  app::ShowCatalogue(form_.clbSysRepairQS, SystemOptionCatalogue());
  DeclareQuickStartPage();
  form_.lblSysRepair.onClick = [this] { lblSysRepairClick(); };
  form_.sgbSysRepairQS.onClick = [this] { sgbSysRepairQSClick(); };
  form_.sgbSysRepairGeneral.onClick = [this] { sgbSysRepairGeneralClick(); };
  form_.sgbSysRepairOEM.onClick = [this] { sgbSysRepairOEMClick(); };
  for (ui::Button* back :
       {&form_.sgbSysRepairQSBack, &form_.sgbSysRepairActionBack, &form_.sgbGeneralActionBack}) {
    back->onClick = [this] { sgbSysRepairActionBackClick(); };
  }
  xpbSysSelAll.onClick = [this] { xpbSysSelAllClick(); };
  xpbSysUnselAll.onClick = [this] { xpbSysUnselAllClick(); };
}

void SystemRepairer::DeclareQuickStartPage() {
  ui::Page& page = form_.nbRight.page("snbSysRepair");
  page.layout = column(
      {item(page.make<ui::Label>("lblSysQuickStartText",
                                 "You can repair the system settings changed by malicious code "
                                 "by one click.")),
       item(page.make<ui::Label>(
           "lblSysQuickStartHint",
           "Select options which you want to repair and press Repair button to execute.")),
       item(form_.clbSysRepairQS), row({item(xpbSysSelAll), item(xpbSysUnselAll), stretch()})});
}

void SystemRepairer::ShowSystemPage(std::string_view right, std::string_view action) {
  form_.ShowPages("snbSysRepair", right);
  form_.nbSysRepairAction.setActivePage(action);
}

void SystemRepairer::lblSysRepairClick() {
  ShowSystemPage("snbSysRepair", "snbQuickStart");
  form_.bgSysRepair.press(form_.sgbSysRepairQS);
}

void SystemRepairer::sgbSysRepairQSClick() {
  ShowSystemPage("snbSysRepair", "snbQuickStart");
}

void SystemRepairer::sgbSysRepairGeneralClick() {
  ShowSystemPage("snbGeneral", "snbGeneral");
}

void SystemRepairer::sgbSysRepairOEMClick() {
  ShowSystemPage("snbOEM", "snbOEM");
}

void SystemRepairer::sgbSysRepairActionBackClick() {
  form_.ShowPages("snbDefault", "snbDefault");
}

void SystemRepairer::xpbSysSelAllClick() {
  ui::CheckAll(form_.clbSysRepairQS);
}

void SystemRepairer::xpbSysUnselAllClick() {
  ui::UncheckAll(form_.clbSysRepairQS);
}

}  // namespace sysrepair
