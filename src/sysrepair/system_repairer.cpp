#include "sysrepair/system_repairer.h"

#include <string>

#include "app/summary.h"
#include "sysrepair/sys_catalogue.h"
#include "sysrepair/sys_fixes.h"

namespace sysrepair {

using namespace ui::layout;

SystemRepairer::SystemRepairer(app::TForm1& form) : general(form), oem(form), form_(form) {
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
  form_.sgbSysRepairQSClean.onClick = [this] { sgbSysRepairQSCleanClick(); };
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
  general.Fill();
}

void SystemRepairer::sgbSysRepairOEMClick() {
  ShowSystemPage("snbOEM", "snbOEM");
  oem.Load();
}

void SystemRepairer::sgbSysRepairActionBackClick() {
  form_.ShowPages("snbDefault", "snbDefault");
}

int SystemRepairer::RepairSystem(bool ShowReport, ui::StatusPane& pane) {
  int count = 0;
  std::string ReportText;
  const app::OptionCatalogue catalogue = SystemOptionCatalogue();
  for (std::size_t i = 0; i < catalogue.size(); ++i) {
    const int option = static_cast<int>(i);
    if (option >= form_.clbSysRepairQS.count() || !form_.clbSysRepairQS.checked(option)) continue;
    const app::QuickStartOption& entry = catalogue[i];
    ++count;
    ReportText += entry.item;
    ReportText += '\r';
    pane.setText(entry.before);
    // A refused integer write ends the run here: no box, and the caller records nothing.
    RunSystemFix(form_.services.registry, option);
    pane.setText(entry.after);
  }
  if (ShowReport) {
    if (ReportText.empty()) ReportText = "No option is selected";
    form_.application.dialogs().MessageBox(
        "System Repairer has successfully executed the next options:\r" + ReportText, "Hint",
        ui::kHintFlags);
  }
  return count;
}

void SystemRepairer::sgbSysRepairQSCleanClick() {
  if (form_.application.dialogs().MessageBox(
          "Are you sure you want to execute check marked option(s)?", "Warning",
          ui::kConfirmFlags) != ui::IDYES) {
    return;
  }
  const int count = RepairSystem(true, form_.spStatus1);
  if (count > 0) {
    // This tool records the moment its run ended.
    const std::string time = form_.GetTimeStr();
    platform::PrivateProfile profile = form_.profile.Open();
    app::WriteSummary(profile, app::kSysRepairerRecord, count, time);
  }
}

void SystemRepairer::xpbSysSelAllClick() {
  ui::CheckAll(form_.clbSysRepairQS);
}

void SystemRepairer::xpbSysUnselAllClick() {
  ui::UncheckAll(form_.clbSysRepairQS);
}

}  // namespace sysrepair
