#include "ierepair/ie_repairer.h"

#include "ierepair/ie_catalogue.h"

namespace ierepair {

using namespace ui::layout;

IERepairer::IERepairer(app::TForm1& form) : form_(form) {
  app::ShowCatalogue(form_.clbIEQuickStart, IEOptionCatalogue());
  DeclareQuickStartPage();
  form_.lblIERepair.onClick = [this] { lblIERepairClick(); };
  form_.sgbIERepairQS.onClick = [this] { sgbIERepairQSClick(); };
  form_.sgbIERepairView.onClick = [this] { sgbIERepairViewClick(); };
  form_.sgbIERepairIEOptions.onClick = [this] { sgbIERepairIEOptionsClick(); };
  form_.sgbIERepairContextMenu.onClick = [this] { sgbIERepairContextMenuClick(); };
  form_.sgbIERepairToolbar.onClick = [this] { sgbIERepairToolbarClick(); };
  form_.sgbIERepairActionBack.onClick = [this] { sgbIERepairActionBackClick(); };
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
  form_.ShowPages("snbIERepair", "snbIEView");
  form_.sgbIERepairActionRepair.setCaption("&Save");
}

// The action button keeps the caption the previous page gave it.
void IERepairer::sgbIERepairIEOptionsClick() {
  form_.ShowPages("snbIERepair", "snbInternetOptions");
}

void IERepairer::sgbIERepairContextMenuClick() {
  form_.ShowPages("snbIERepair", "snbContextMenu");
  form_.sgbIERepairActionRepair.setCaption("&Delete");
}

void IERepairer::sgbIERepairToolbarClick() {
  form_.ShowPages("snbIERepair", "snbToolbar");
  form_.sgbIERepairActionRepair.setCaption("&Delete");
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
