#pragma once

#include "app/main_form.h"

namespace diskclean {

// The Disk Cleaner's pages and handlers on the main window.
class DiskCleaner {
 public:
  explicit DiskCleaner(app::TForm1& form);
  DiskCleaner(const DiskCleaner&) = delete;
  DiskCleaner& operator=(const DiskCleaner&) = delete;

  void GetSystemIcons();
  void AddDisks();
  void lblDiskCleanerClick();
  void sgbDiskCleanSettingsClick();

 private:
  void DeclareDrivesPage();

  app::TForm1& form_;
};

}  // namespace diskclean
