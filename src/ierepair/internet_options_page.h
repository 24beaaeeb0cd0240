#pragma once

#include "app/main_form.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/check_list.h"

namespace ierepair {

// The Internet Options page "snbInternetOptions": the browser's policies that hide its whole
// Internet Options dialog, or some of its tabs.
class InternetOptionsPage {
 public:
  explicit InternetOptionsPage(app::TForm1& form);
  InternetOptionsPage(const InternetOptionsPage&) = delete;
  InternetOptionsPage& operator=(const InternetOptionsPage&) = delete;

  ui::CheckBox spcbDiableIEOptions{"spcbDiableIEOptions", "Disable Internet Options"};
  ui::CheckList clbIEOption{"clbIEOption"};
  ui::Button xpbInternetOptionsSelAll{"xpbInternetOptionsSelAll", "Select &All",
                                      "Select all the options"};
  ui::Button xpbInternetOptionsUnselAll{"xpbInternetOptionsUnselAll", "&Unselect All",
                                        "Unselect all the options"};

  // Shows the page and adds the marks of the policies that are set; none are removed.
  void Open();
  // The action button on this page.
  void ApplyInternetOptions();

  void spcbDiableIEOptionsClick();
  void xpbInternetOptionsSelAllClick();
  void xpbInternetOptionsUnselAllClick();

 private:
  void Declare();

  app::TForm1& form_;
  // Set while the page marks the box from the registry: that is not the user's click.
  bool loading_ = false;
};

}  // namespace ierepair
