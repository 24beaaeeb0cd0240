#pragma once

#include <string_view>

#include "app/main_form.h"
#include "sysrepair/general_page.h"
#include "sysrepair/oem_page.h"
#include "ui/button.h"
#include "ui/status_bar.h"

namespace sysrepair {

// The System Repairer's pages and handlers on the main window.
class SystemRepairer {
 public:
  explicit SystemRepairer(app::TForm1& form);
  SystemRepairer(const SystemRepairer&) = delete;
  SystemRepairer& operator=(const SystemRepairer&) = delete;

  ui::Button xpbSysSelAll{"xpbSysSelAll", "Select &All", "Select all the options"};
  ui::Button xpbSysUnselAll{"xpbSysUnselAll", "&Unselect All", "Unselect all the options"};

  GeneralPage general;
  OEMPage oem;

  // Runs the fixes marked in clbSysRepairQS at this moment, in catalogue order, with a line
  // before and after each on `pane`; with `ShowReport`, a box lists what ran. Returns how many
  // fixes ran. The callers record the Summary.
  int RepairSystem(bool ShowReport, ui::StatusPane& pane);

  void lblSysRepairClick();
  void sgbSysRepairQSClick();
  void sgbSysRepairGeneralClick();
  void sgbSysRepairOEMClick();
  void sgbSysRepairActionBackClick();
  void sgbSysRepairQSCleanClick();
  void xpbSysSelAllClick();
  void xpbSysUnselAllClick();

 private:
  void DeclareQuickStartPage();
  void ShowSystemPage(std::string_view right, std::string_view action);

  app::TForm1& form_;
};

}  // namespace sysrepair
