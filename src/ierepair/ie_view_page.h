#pragma once

#include "app/main_form.h"
#include "ui/button.h"
#include "ui/edit_field.h"

namespace ierepair {

// The View page "snbIEView": the browser's title, start page and toolbar picture. The picture
// box and path (spcbToolBarBgImage, edtImage) are the main window's, set from the profile at
// start-up.
class IEViewPage {
 public:
  explicit IEViewPage(app::TForm1& form);
  IEViewPage(const IEViewPage&) = delete;
  IEViewPage& operator=(const IEViewPage&) = delete;

  ui::EditField edtTitleBar{"edtTitleBar", "Microsoft Internet Explorer"};
  ui::EditField edtHomepage{"edtHomepage", "about:blank"};
  ui::Button xpbCurrentPage{"xpbCurrentPage", "&Current Page"};
  ui::Button xpbLoad{"xpbLoad", "&Load..."};
  ui::Button xpbIEViewRestore{"xpbIEViewRestore", "&Restore Defaults"};

  // Shows the page and loads the title and start page of the current user.
  void Open();
  // The action button on this page.
  void SaveView();

  void xpbCurrentPageClick();
  void xpbLoadClick();
  void spcbToolBarBgImageClick();
  void xpbIEViewRestoreClick();

 private:
  void Declare();

  app::TForm1& form_;
};

}  // namespace ierepair
