#include "diskclean/disk_cleaner.h"

#include "diskclean/drive_inventory.h"

namespace diskclean {

namespace {
constexpr int kDrivesNode = 3;
}

DiskCleaner::DiskCleaner(app::TForm1& form) : form_(form) {
  form_.sgbDiskCleanScan.setHint("Scan the marked drives");
  form_.sgbDiskCleanRemove.setHint("Remove the checked files from drives");
  form_.sgbDiskCleanSettings.setHint("Customize settings");
  DeclareDrivesPage();
  form_.startup.GetSystemIcons = [this] { GetSystemIcons(); };
  form_.startup.AddDisks = [this] { AddDisks(); };
  form_.lblDiskCleaner.onClick = [this] { lblDiskCleanerClick(); };
  form_.sgbDiskCleanSettings.onClick = [this] { sgbDiskCleanSettingsClick(); };
}

void DiskCleaner::DeclareDrivesPage() {
  using namespace ui::layout;
  ShowDriveColumns(form_.lvDisk);
  ui::Page& page = form_.nbRight.page("snbSelectDisk");
  page.layout = column({item(page.make<ui::Label>("lblSelectDiskText",
                                                  "Select the drives to search for Junk Files")),
                        item(form_.lvDisk)});
}

void DiskCleaner::GetSystemIcons() {
  diskclean::GetSystemIcons(form_.services.drives, form_.lvDisk);
}

void DiskCleaner::AddDisks() {
  diskclean::AddDisks(form_.services.drives, form_.lvDisk);
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
