#pragma once

#include <cstdint>

#include "app/main_form.h"
#include "ui/check_box.h"
#include "ui/list_view.h"
#include "ui/popup_menu.h"

namespace emptyfolders {

// The Empty Folder Finder's pages and handlers on the main window.
class EmptyFolderFinder {
 public:
  explicit EmptyFolderFinder(app::TForm1& form);
  EmptyFolderFinder(const EmptyFolderFinder&) = delete;
  EmptyFolderFinder& operator=(const EmptyFolderFinder&) = delete;

  ui::ListView lvEmptyFolderResult{"lvEmptyFolderResult"};
  ui::PopupMenu pmEmptyFolder{"pmEmptyFolder"};
  ui::CheckBox chkEmptyFolderSendToRB{"chkEmptyFolderSendToRB", "Send to Recycle Bin"};

  std::int32_t EmptyFolderCount = 0;

  void lblEmptyFolderFinderClick();
  void bgEmptyFolderScanClick();
  void bgEmptyFolderRemoveClick();
  void bgEmptyFolderSettingsClick();
  void sgbEmptyFolderSettingsOkClick();
  void ExplorerFolderClick();
  void FindFolderClick();
  void SelectAllClick();
  void UnselectAllClick();

 private:
  void DeclarePages();
  void ShowCount();
  void OpenInExplorer(const char* option);

  app::TForm1& form_;
};

}  // namespace emptyfolders
