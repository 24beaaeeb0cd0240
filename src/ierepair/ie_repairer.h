#pragma once

#include <string>

#include "app/main_form.h"
#include "ierepair/context_menu_page.h"
#include "ierepair/ie_view_page.h"
#include "ierepair/internet_options_page.h"
#include "ierepair/toolbar_page.h"
#include "ui/button.h"
#include "ui/status_bar.h"

namespace ierepair {

// The IE Repairer's pages and handlers on the main window.
class IERepairer {
 public:
  explicit IERepairer(app::TForm1& form);
  IERepairer(const IERepairer&) = delete;
  IERepairer& operator=(const IERepairer&) = delete;

  ui::Button xpbIESelAll{"xpbIESelAll", "Select &All", "Select all the options"};
  ui::Button xpbIEUnselAll{"xpbIEUnselAll", "&Unselect All", "Unselect all the options"};

  IEViewPage view;
  InternetOptionsPage internetOptions;
  ContextMenuPage contextMenu;
  ToolbarPage toolbar;

  // Runs the fixes marked in clbIEQuickStart at this moment, in catalogue order, with a line
  // before and after each on `pane`, then "Completed"; with `ShowReport`, a box lists what ran.
  // Returns how many fixes ran. The callers record the Summary.
  int RepairIE(bool ShowReport, ui::StatusPane& pane);

  void lblIERepairClick();
  void sgbIERepairQSClick();
  void sgbIERepairViewClick();
  void sgbIERepairIEOptionsClick();
  void sgbIERepairContextMenuClick();
  void sgbIERepairToolbarClick();
  void sgbIERepairActionBackClick();
  // The action button acts on the page shown on the right.
  void sgbIERepairActionRepairClick();
  void xpbIESelAllClick();
  void xpbIEUnselAllClick();

 private:
  void DeclareQuickStartPage();
  void QuickStartRepair(const std::string& time);

  app::TForm1& form_;
};

}  // namespace ierepair
