#include "diskclean/disk_cleaner.h"

namespace diskclean {

namespace {
constexpr int kDrivesNode = 3;
}

DiskCleaner::DiskCleaner(app::TForm1& form) : form_(form) {
  form_.sgbDiskCleanScan.setHint("Scan the marked drives");
  form_.sgbDiskCleanRemove.setHint("Remove the checked files from drives");
  form_.sgbDiskCleanSettings.setHint("Customize settings");
  form_.lblDiskCleaner.onClick = [this] { lblDiskCleanerClick(); };
  form_.sgbDiskCleanSettings.onClick = [this] { sgbDiskCleanSettingsClick(); };
}

void DiskCleaner::lblDiskCleanerClick() {
  form_.ShowPages("snbDiskCleaner", "snbDiskCleaner");
}

// The Drives node is selected, but the right page stays on the general settings until the user
// clicks a node.
void DiskCleaner::sgbDiskCleanSettingsClick() {
  form_.ShowPages("snbSettings", "snbSettings");
  form_.ReturnPages = {"snbDiskCleaner", "snbDiskCleaner"};
  form_.tvSettings.setSelectedIndex(kDrivesNode);
}

}  // namespace diskclean
