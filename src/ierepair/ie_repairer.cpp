#include "ierepair/ie_repairer.h"

#include "app/summary.h"
#include "ierepair/ie_catalogue.h"
#include "ierepair/ie_fixes.h"

namespace ierepair {

using namespace ui::layout;

IERepairer::IERepairer(app::TForm1& form)
    : view(form), internetOptions(form), contextMenu(form), toolbar(form), form_(form) {
  app::ShowCatalogue(form_.clbIEQuickStart, IEOptionCatalogue());
  DeclareQuickStartPage();
  form_.lblIERepair.onClick = [this] { lblIERepairClick(); };
  form_.sgbIERepairQS.onClick = [this] { sgbIERepairQSClick(); };
  form_.sgbIERepairView.onClick = [this] { sgbIERepairViewClick(); };
  form_.sgbIERepairIEOptions.onClick = [this] { sgbIERepairIEOptionsClick(); };
  form_.sgbIERepairContextMenu.onClick = [this] { sgbIERepairContextMenuClick(); };
  form_.sgbIERepairToolbar.onClick = [this] { sgbIERepairToolbarClick(); };
  form_.sgbIERepairActionBack.onClick = [this] { sgbIERepairActionBackClick(); };
  form_.sgbIERepairActionRepair.onClick = [this] { sgbIERepairActionRepairClick(); };
  xpbIESelAll.onClick = [this] { xpbIESelAllClick(); };
  xpbIEUnselAll.onClick = [this] { xpbIEUnselAllClick(); };
}

void IERepairer::DeclareQuickStartPage() {
  ui::Page& page = form_.nbRight.page("snbIERepair");
  page.layout = column(
      {item(page.make<ui::Label>("lblIEQuickStartText",
                                 "You can repair Internet Explorer by one click.")),
       item(page.make<ui::Label>(
           "lblIEQuickStartHint",
           "Select options which you want to repair and press Repair button to execute.")),
       item(form_.clbIEQuickStart), row({item(xpbIESelAll), item(xpbIEUnselAll), stretch()})});
}

int IERepairer::RepairIE(bool ShowReport, ui::StatusPane& pane) {
  int count = 0;
  std::string ReportText;
  const app::OptionCatalogue catalogue = IEOptionCatalogue();
  for (std::size_t i = 0; i < catalogue.size(); ++i) {
    const int index = static_cast<int>(i);
    if (index >= form_.clbIEQuickStart.count() || !form_.clbIEQuickStart.checked(index)) continue;
    const app::QuickStartOption& option = catalogue[i];
    ++count;
    ReportText += option.item;
    ReportText += '\r';
    pane.setText(option.before);
    // A data-type error ends the run here: no "Completed", no box.
    RunIEFix(form_.services.registry, index + 1);
    pane.setText(option.after);
  }
  pane.setText("Completed");
  if (ShowReport) {
    if (ReportText.empty()) ReportText = "No option is selected";
    form_.application.dialogs().MessageBox(
        "IE Repairer has successfully executed the next options:\r" + ReportText, "Hint",
        ui::kHintFlags);
  }
  return count;
}

void IERepairer::sgbIERepairActionRepairClick() {
  // Taken first on every page: the Summary records the moment of the click.
  const std::string time = form_.GetTimeStr();
  const std::string page = form_.nbRight.activeName();
  if (page == "snbIERepair") {
    QuickStartRepair(time);
  } else if (page == "snbIEView") {
    view.SaveView();
  } else if (page == "snbInternetOptions") {
    internetOptions.ApplyInternetOptions();
  } else if (page == "snbContextMenu") {
    contextMenu.DeleteEntries();
  } else if (page == "snbToolbar") {
    toolbar.DeleteButtons();
  }
}

void IERepairer::QuickStartRepair(const std::string& time) {
  if (form_.application.dialogs().MessageBox(
          "Are you sure you want to execute check marked option(s)?", "Warning",
          ui::kConfirmFlags) != ui::IDYES) {
    return;
  }
  const int count = RepairIE(true, form_.spStatus1);
  if (count > 0) {
    platform::PrivateProfile profile = form_.profile.Open();
    app::WriteSummary(profile, app::kIERepairerRecord, count, time);
  }
}

void IERepairer::lblIERepairClick() {
  form_.ShowPages("snbIERepair", "snbIERepair");
  form_.sgbIERepairActionRepair.setCaption("&Repair");
  form_.bgIERepair.press(form_.sgbIERepairQS);
}

void IERepairer::sgbIERepairQSClick() {
  form_.ShowPages("snbIERepair", "snbIERepair");
  form_.sgbIERepairActionRepair.setCaption("&Repair");
}

void IERepairer::sgbIERepairViewClick() {
  view.Open();
}

void IERepairer::sgbIERepairIEOptionsClick() {
  internetOptions.Open();
}

void IERepairer::sgbIERepairContextMenuClick() {
  contextMenu.Open();
}

void IERepairer::sgbIERepairToolbarClick() {
  toolbar.Open();
}

void IERepairer::sgbIERepairActionBackClick() {
  form_.ShowPages("snbDefault", "snbDefault");
}

void IERepairer::xpbIESelAllClick() {
  ui::CheckAll(form_.clbIEQuickStart);
}

void IERepairer::xpbIEUnselAllClick() {
  ui::UncheckAll(form_.clbIEQuickStart);
}

}  // namespace ierepair
