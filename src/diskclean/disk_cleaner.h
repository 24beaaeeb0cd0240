#pragma once

#include <cstdint>

#include "app/main_form.h"
#include "diskclean/junk_file_types.h"
#include "ui/button.h"
#include "ui/list_view.h"

namespace diskclean {

// The Disk Cleaner's pages and handlers on the main window.
class DiskCleaner {
 public:
  explicit DiskCleaner(app::TForm1& form);
  DiskCleaner(const DiskCleaner&) = delete;
  DiskCleaner& operator=(const DiskCleaner&) = delete;

  JunkFileTypes fileTypes;
  ui::ListView lvDiskCleaner{"lvDiskCleaner"};
  ui::Button xpbDiskCleanSelAll{"xpbDiskCleanSelAll", "Select &All", "Select all the options"};
  ui::Button xpbDiskCleanUnselAll{"xpbDiskCleanUnselAll", "&Unselect All",
                                  "Unselect all the options"};

  std::int32_t FoundFileCount = 0;
  std::int64_t FoundSizeKB = 0;

  void GetSystemIcons();
  void AddDisks();
  void lblDiskCleanerClick();
  void sgbDiskCleanScanClick();
  void sgbDiskCleanRemoveClick();
  void sgbDiskCleanSettingsClick();
  void xpbDiskCleanSelAllClick();
  void xpbDiskCleanUnselAllClick();

 private:
  void DeclarePages();
  void MarkAll(bool checked);

  app::TForm1& form_;
};

}  // namespace diskclean
