#pragma once

#include "app/main_form.h"
#include "ui/button.h"
#include "ui/check_list.h"
#include "ui/label.h"

namespace ierepair {

// The Context Menu page "snbContextMenu": the browser's context-menu extensions. An entry is
// hidden by moving its key from MenuExt into the program's parking key MenuExtBak beside it,
// and shown again by moving it back.
class ContextMenuPage {
 public:
  explicit ContextMenuPage(app::TForm1& form);
  ContextMenuPage(const ContextMenuPage&) = delete;
  ContextMenuPage& operator=(const ContextMenuPage&) = delete;

  ui::CheckList clbContextMenuNodisplay{"clbContextMenuNodisplay"};
  ui::CheckList clbContextMenuDisplay{"clbContextMenuDisplay"};
  ui::Button xpbContextMenuAdd{"xpbContextMenuAdd", ">>"};
  ui::Button xpbContextMenuDel{"xpbContextMenuDel", "<<"};
  ui::Label lblContextMenuNameContent{"lblContextMenuNameContent"};
  ui::Label lblContextMenuLocationContent{"lblContextMenuLocationContent"};

  // Shows the page and fills both lists.
  void Open();
  // The action button on this page: deletes the marked entries of both lists, unasked.
  void DeleteEntries();

  void xpbContextMenuAddClick();
  void xpbContextMenuDelClick();
  void clbContextMenuNodisplayClick();
  void clbContextMenuDisplayClick();

 private:
  void Declare();
  void FillLists();
  // Moves the marked entries of `list` from one store to the other (names below the browser's
  // key).
  void MoveMarked(const ui::CheckList& list, const char* from, const char* to);
  void ShowDetails(const ui::CheckList& list, const char* storeKey);

  app::TForm1& form_;
};

}  // namespace ierepair
