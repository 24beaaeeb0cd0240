#pragma once

#include <string>

#include "app/main_form.h"
#include "ui/button.h"
#include "ui/check_list.h"
#include "ui/label.h"

namespace ierepair {

// The Toolbar page "snbToolbar": the browser's add-on toolbar buttons, each a key under
// HKEY_LOCAL_MACHINE's Extensions known on the page by its "ButtonText". A button is shown or
// hidden by its "Default Visible" value; every entry with a marked text is acted on.
class ToolbarPage {
 public:
  explicit ToolbarPage(app::TForm1& form);
  ToolbarPage(const ToolbarPage&) = delete;
  ToolbarPage& operator=(const ToolbarPage&) = delete;

  ui::CheckList clbToobarNoDisplay{"clbToobarNoDisplay"};
  ui::CheckList clbToolbarDisplay{"clbToolbarDisplay"};
  ui::Button xpbToolbarAdd{"xpbToolbarAdd", ">>"};
  ui::Button xpbToolbarDel{"xpbToolbarDel", "<<"};
  ui::Label lblToolbarNameContent{"lblToolbarNameContent"};
  ui::Label lblToolbarLocationContent{"lblToolbarLocationContent"};

  // Shows the page and fills both lists.
  void Open();
  // The action button on this page: deletes the entries of the marked texts, unasked.
  void DeleteButtons();

  void xpbToolbarAddClick();
  void xpbToolbarDelClick();
  void clbToobarNoDisplayClick();
  void clbToolbarDisplayClick();

 private:
  void Declare();
  void FillLists();
  void SetVisibility(const ui::CheckList& list, const char* visible);
  void ShowDetails(const ui::CheckList& list);

  app::TForm1& form_;
};

}  // namespace ierepair
