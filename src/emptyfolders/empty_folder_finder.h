#pragma once

#include "app/main_form.h"
#include "ui/check_box.h"

namespace emptyfolders {

// The Empty Folder Finder's pages and handlers on the main window.
class EmptyFolderFinder {
 public:
  explicit EmptyFolderFinder(app::TForm1& form);
  EmptyFolderFinder(const EmptyFolderFinder&) = delete;
  EmptyFolderFinder& operator=(const EmptyFolderFinder&) = delete;

  ui::CheckBox chkEmptyFolderSendToRB{"chkEmptyFolderSendToRB", "Send to Recycle Bin"};

  void lblEmptyFolderFinderClick();
  void bgEmptyFolderSettingsClick();
  void sgbEmptyFolderSettingsOkClick();

 private:
  void DeclareSettingsPage();

  app::TForm1& form_;
};

}  // namespace emptyfolders
