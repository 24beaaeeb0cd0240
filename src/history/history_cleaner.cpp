#include "history/history_cleaner.h"

#include "history/history_catalogue.h"

namespace history {

using namespace ui::layout;

HistoryCleaner::HistoryCleaner(app::TForm1& form) : form_(form) {
  app::ShowCatalogue(form_.clbHistoryCleanQS, HistoryOptionCatalogue());
  DeclareQuickStartPage();
  form_.lblHistory.onClick = [this] { lblHistoryClick(); };
  form_.sgbHistoryCleanQS.onClick = [this] { sgbHistoryCleanQSClick(); };
  form_.sgbHistoryCleanTypedUrls.onClick = [this] { sgbHistoryCleanTypedUrlsClick(); };
  form_.sgbHistoryCleanCookies.onClick = [this] { sgbHistoryCleanCookiesClick(); };
  xpbCleanSelAll.onClick = [this] { xpbCleanSelAllClick(); };
  xpbCleanUnselAll.onClick = [this] { xpbCleanUnselAllClick(); };
}

void HistoryCleaner::DeclareQuickStartPage() {
  ui::Page& page = form_.nbRight.page("snbCleanQuickStart");
  page.layout = column(
      {item(page.make<ui::Label>("lblCleanQuickStartText",
                                 "You can erase the traces of browsing and computer use by one "
                                 "click.")),
       item(page.make<ui::Label>(
           "lblCleanQuickStartHint",
           "Select options which you want to clean and press Clean button to execute.")),
       item(form_.clbHistoryCleanQS),
       row({item(xpbCleanSelAll), item(xpbCleanUnselAll), stretch()})});
}

void HistoryCleaner::lblHistoryClick() {
  form_.ShowPages("snbClean", "snbCleanQuickStart");
  form_.bgHistoryClean.press(form_.sgbHistoryCleanQS);
  form_.sgbHistoryCleanActionClean.setCaption("&Clean");
}

void HistoryCleaner::sgbHistoryCleanQSClick() {
  form_.ShowPages("snbClean", "snbCleanQuickStart");
  form_.sgbHistoryCleanActionClean.setCaption("&Clean");
  // Unsaved marks of the stored erasers are dropped.
  form_.HistoryCleanInit();
}

void HistoryCleaner::sgbHistoryCleanTypedUrlsClick() {
  form_.ShowPages("snbClean", "snbTypedUrls");
  form_.sgbHistoryCleanActionClean.setCaption("&Delete");
}

void HistoryCleaner::sgbHistoryCleanCookiesClick() {
  form_.ShowPages("snbClean", "snbCookies");
  form_.sgbHistoryCleanActionClean.setCaption("&Delete");
}

void HistoryCleaner::xpbCleanSelAllClick() {
  ui::CheckAll(form_.clbHistoryCleanQS);
}

void HistoryCleaner::xpbCleanUnselAllClick() {
  ui::UncheckAll(form_.clbHistoryCleanQS);
}

}  // namespace history
