#pragma once

#include "app/main_form.h"
#include "ui/button.h"

namespace history {

// The History Cleaner's pages and handlers on the main window.
class HistoryCleaner {
 public:
  explicit HistoryCleaner(app::TForm1& form);
  HistoryCleaner(const HistoryCleaner&) = delete;
  HistoryCleaner& operator=(const HistoryCleaner&) = delete;

  ui::Button xpbCleanSelAll{"xpbCleanSelAll", "Select &All", "Select all the options"};
  ui::Button xpbCleanUnselAll{"xpbCleanUnselAll", "&Unselect All", "Unselect all the options"};

  void lblHistoryClick();
  void sgbHistoryCleanQSClick();
  void sgbHistoryCleanTypedUrlsClick();
  void sgbHistoryCleanCookiesClick();
  void xpbCleanSelAllClick();
  void xpbCleanUnselAllClick();

 private:
  void DeclareQuickStartPage();

  app::TForm1& form_;
};

}  // namespace history
