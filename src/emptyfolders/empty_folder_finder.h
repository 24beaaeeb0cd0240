#pragma once

#include "app/main_form.h"

namespace emptyfolders {

// The Empty Folder Finder's pages and handlers on the main window.
class EmptyFolderFinder {
 public:
  explicit EmptyFolderFinder(app::TForm1& form);
  EmptyFolderFinder(const EmptyFolderFinder&) = delete;
  EmptyFolderFinder& operator=(const EmptyFolderFinder&) = delete;

  void lblEmptyFolderFinderClick();
  void bgEmptyFolderSettingsClick();
  void sgbEmptyFolderSettingsOkClick();

 private:
  app::TForm1& form_;
};

}  // namespace emptyfolders
