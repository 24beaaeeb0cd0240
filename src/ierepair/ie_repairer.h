#pragma once

#include "app/main_form.h"
#include "ui/button.h"

namespace ierepair {

// The IE Repairer's pages and handlers on the main window.
class IERepairer {
 public:
  explicit IERepairer(app::TForm1& form);
  IERepairer(const IERepairer&) = delete;
  IERepairer& operator=(const IERepairer&) = delete;

  ui::Button xpbIESelAll{"xpbIESelAll", "Select &All", "Select all the options"};
  ui::Button xpbIEUnselAll{"xpbIEUnselAll", "&Unselect All", "Unselect all the options"};

  void lblIERepairClick();
  void sgbIERepairQSClick();
  void sgbIERepairViewClick();
  void sgbIERepairIEOptionsClick();
  void sgbIERepairContextMenuClick();
  void sgbIERepairToolbarClick();
  void sgbIERepairActionBackClick();
  void xpbIESelAllClick();
  void xpbIEUnselAllClick();

 private:
  void DeclareQuickStartPage();

  app::TForm1& form_;
};

}  // namespace ierepair
