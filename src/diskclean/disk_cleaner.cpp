#include "diskclean/disk_cleaner.h"

#include <cstdio>

#include "app/summary.h"
#include "diskclean/drive_inventory.h"
#include "diskclean/junk_scan.h"
#include "platform/text.h"

namespace diskclean {

namespace {

constexpr int kDrivesNode = 3;
constexpr char kScan[] = "S&can";
constexpr char kStop[] = "&Stop";

// The caption of the Scan button returns to "S&can" however the scan ends.
class ScanCaption {
 public:
  explicit ScanCaption(ui::Button& button) : button_(button) { button_.setCaption(kStop); }
  ~ScanCaption() { button_.setCaption(kScan); }
  ScanCaption(const ScanCaption&) = delete;
  ScanCaption& operator=(const ScanCaption&) = delete;

 private:
  ui::Button& button_;
};

}  // namespace

DiskCleaner::DiskCleaner(app::TForm1& form) : fileTypes(form), form_(form) {
  form_.sgbDiskCleanScan.setHint("Scan the marked drives");
  form_.sgbDiskCleanRemove.setHint("Remove the checked files from drives");
  form_.sgbDiskCleanSettings.setHint("Customize settings");
  form_.lblDiskCleaner.setHint("Find and remove  junk files");
  DeclarePages();
  form_.startup.GetSystemIcons = [this] { GetSystemIcons(); };
  form_.startup.AddDisks = [this] { AddDisks(); };
  form_.lblDiskCleaner.onClick = [this] { lblDiskCleanerClick(); };
  form_.sgbDiskCleanScan.onClick = [this] { sgbDiskCleanScanClick(); };
  form_.sgbDiskCleanRemove.onClick = [this] { sgbDiskCleanRemoveClick(); };
  form_.sgbDiskCleanSettings.onClick = [this] { sgbDiskCleanSettingsClick(); };
  xpbDiskCleanSelAll.onClick = [this] { xpbDiskCleanSelAllClick(); };
  xpbDiskCleanUnselAll.onClick = [this] { xpbDiskCleanUnselAllClick(); };
}

void DiskCleaner::DeclarePages() {
  using namespace ui::layout;
  ShowDriveColumns(form_.lvDisk);
  ui::Page& drives = form_.nbRight.page("snbSelectDisk");
  drives.layout = column({item(drives.make<ui::Label>(
                              "lblSelectDiskText", "Select the drives to search for Junk Files")),
                          item(form_.lvDisk)});

  lvDiskCleaner.setCheckBoxes(true);
  lvDiskCleaner.setColumns({{"Name", 150, false}, {"Size", 80, true}, {"Location", 220, false}});
  ui::Page& results = form_.nbRight.page("snbDiskCleaner");
  results.layout = column(
      {item(results.make<ui::Label>("lblDiskCleanerText",
                                    "You can remove junk files from your hard disks and recovers "
                                    "disk space")),
       item(lvDiskCleaner),
       row({item(xpbDiskCleanSelAll), item(xpbDiskCleanUnselAll), stretch()})});
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

void DiskCleaner::sgbDiskCleanScanClick() {
  if (form_.sgbDiskCleanScan.caption() == kStop) {
    // This click arrives through the message pumping of the running scan.
    form_.sgbDiskCleanScan.setCaption(kScan);
    form_.ScanStopped = true;
    form_.spStatus1.setText("Stop");
    return;
  }
  lvDiskCleaner.clear();
  ScanCaption caption(form_.sgbDiskCleanScan);
  form_.ScanStopped = false;
  JunkScan scan(form_.services.fileSystem, fileTypes.ActiveMasks(),
                {lvDiskCleaner, form_.spStatus1, form_.spStatus2, form_.spStatus3,
                 [this] { form_.application.ProcessMessages(); }, form_.ScanStopped});
  FoundFileCount = 0;
  FoundSizeKB = 0;
  for (int i = 0; i < form_.lvDisk.rowCount() && !form_.ScanStopped; ++i) {
    if (!form_.lvDisk.checked(i)) continue;
    const std::string root = std::string(1, DriveLetterOf(form_.lvDisk.row(i).cells[0])) + ":\\";
    if (form_.services.drives.GetDriveTypeA(root) == platform::DRIVE_CDROM) continue;
    scan.ScanDisk(root);
    FoundFileCount = scan.FoundFileCount;
    FoundSizeKB = scan.FoundSizeKB;
  }
}

void DiskCleaner::sgbDiskCleanRemoveClick() {
  const std::string time = form_.GetTimeStr();
  ui::Dialogs& dialogs = form_.application.dialogs();
  if (dialogs.MessageBox("Do you really want to delete check marked items permanently? ", "Confirm",
                         ui::kConfirmFlags) != ui::IDYES) {
    return;
  }
  int removed = 0;
  std::int64_t removedKB = 0;
  platform::FileSystem& files = form_.services.fileSystem;
  for (int i = lvDiskCleaner.rowCount() - 1; i >= 0; --i) {
    if (!lvDiskCleaner.checked(i)) continue;
    const ui::ListRow& row = lvDiskCleaner.row(i);
    ++removed;
    const std::string shown = platform::Trim(row.cells[2] + row.cells[0]);
    // The row's real path: names that differ only by case each delete their own file.
    auto [folder, name] = platform::SplitLastName(row.data);
    std::unique_ptr<platform::Folder> parent = platform::OpenFolderWithoutLinks(files, folder);
    removedKB += SizeKB(row.number);
    if (parent && parent->DeleteFile(name)) {
      lvDiskCleaner.removeRow(i);
      continue;
    }
    dialogs.MessageBox("The file: \r\n\r\n" + shown + "\r\n\r\n" +
                           "can not be deleted, Perhaps this file is in use, " +
                           "or is write-protected!",
                       "Error", ui::kErrorFlags);
  }
  if (removed > 0) {
    char megabytes[32];
    std::snprintf(megabytes, sizeof megabytes, "%.3f", static_cast<double>(removedKB) / 1024.0);
    platform::PrivateProfile profile = form_.profile.Open();
    app::WriteSummary(profile, app::kDiskCleanerRecord, removed, time, megabytes);
  }
}

// The Drives node is selected, but the right page stays on the general settings until the user
// clicks a node.
void DiskCleaner::sgbDiskCleanSettingsClick() {
  form_.ShowPages("snbSettings", "snbSettings");
  form_.ReturnPages = {"snbDiskCleaner", "snbDiskCleaner"};
  form_.tvSettings.setSelectedIndex(kDrivesNode);
}

void DiskCleaner::MarkAll(bool checked) {
  lvDiskCleaner.beginUpdate();
  for (int i = 0; i < lvDiskCleaner.rowCount(); ++i) lvDiskCleaner.setChecked(i, checked);
  lvDiskCleaner.endUpdate();
}

void DiskCleaner::xpbDiskCleanSelAllClick() {
  MarkAll(true);
}

void DiskCleaner::xpbDiskCleanUnselAllClick() {
  MarkAll(false);
}

}  // namespace diskclean
