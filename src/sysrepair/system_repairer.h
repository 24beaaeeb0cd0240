#pragma once

#include "app/main_form.h"
#include "ui/button.h"

namespace sysrepair {

// The System Repairer's pages and handlers on the main window.
class SystemRepairer {
 public:
  explicit SystemRepairer(app::TForm1& form);
  SystemRepairer(const SystemRepairer&) = delete;
  SystemRepairer& operator=(const SystemRepairer&) = delete;

  ui::Button xpbSysSelAll{"xpbSysSelAll", "Select &All", "Select all the options"};
  ui::Button xpbSysUnselAll{"xpbSysUnselAll", "&Unselect All", "Unselect all the options"};

  void lblSysRepairClick();
  void sgbSysRepairQSClick();
  void sgbSysRepairGeneralClick();
  void sgbSysRepairOEMClick();
  void sgbSysRepairActionBackClick();
  void xpbSysSelAllClick();
  void xpbSysUnselAllClick();

 private:
  void DeclareQuickStartPage();
  void ShowSystemPage(std::string_view right, std::string_view action);

  app::TForm1& form_;
};

}  // namespace sysrepair
