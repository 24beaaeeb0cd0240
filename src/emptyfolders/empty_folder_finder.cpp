#include "emptyfolders/empty_folder_finder.h"

#include "diskclean/drive_inventory.h"
#include "emptyfolders/empty_folder_scan.h"
#include "platform/dir_and_file.h"
#include "platform/text.h"

namespace emptyfolders {

namespace {

constexpr char kScan[] = "S&can";
constexpr char kStop[] = "&Stop";
constexpr int kSwShowMaximized = 3;

// The caption of a scan button returns to "S&can" however the scan ends.
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

EmptyFolderFinder::EmptyFolderFinder(app::TForm1& form) : form_(form) {
  form_.bgEmptyFolderScan.setHint("Scan the drives you select  to find empty folders");
  form_.bgEmptyFolderRemove.setHint("Remove the checked items");
  form_.bgEmptyFolderSettings.setHint("Change the settings ");
  form_.sgbEmptyFolderSettingsOk.setHint("OK and back to Empty Folder Finder");
  form_.lblEmptyFolderFinder.setHint("Find and remove the empty folders");
  DeclarePages();
  form_.lblEmptyFolderFinder.onClick = [this] { lblEmptyFolderFinderClick(); };
  form_.bgEmptyFolderScan.onClick = [this] { bgEmptyFolderScanClick(); };
  form_.bgEmptyFolderRemove.onClick = [this] { bgEmptyFolderRemoveClick(); };
  form_.bgEmptyFolderSettings.onClick = [this] { bgEmptyFolderSettingsClick(); };
  form_.sgbEmptyFolderSettingsOk.onClick = [this] { sgbEmptyFolderSettingsOkClick(); };
  pmEmptyFolder.addItem("miExplorerFolder", "Ex&plorer Folder...").onClick = [this] {
    ExplorerFolderClick();
  };
  pmEmptyFolder.addItem("miFindFolder", "Find Folder...").onClick = [this] { FindFolderClick(); };
  pmEmptyFolder.addItem("N3", "-");
  pmEmptyFolder.addItem("miSelectAll", "&Select All").onClick = [this] { SelectAllClick(); };
  pmEmptyFolder.addItem("miUnselectAll", "&Unselect All").onClick = [this] { UnselectAllClick(); };
  lvEmptyFolderResult.contextMenu = &pmEmptyFolder;
}

void EmptyFolderFinder::DeclarePages() {
  using namespace ui::layout;
  lvEmptyFolderResult.setCheckBoxes(true);
  lvEmptyFolderResult.setColumns({{"Name", 160, false}, {"Location", 280, false}});
  ui::Page& results = form_.nbRight.page("snbEmptyFolder");
  results.layout = column({item(results.make<ui::Label>(
                               "lblEmptyFolderText",
                               "You can find and delete empty folders to enhance the performance "
                               "of your system")),
                           item(lvEmptyFolderResult)});
  ui::Page& settings = form_.nbRight.page("snbEmptyFolderSettings");
  settings.layout = column(
      {item(settings.make<ui::Label>("lblEmptyFolderSettingsText",
                                     "Select the drives you wish to scan from the following list")),
       group("grpScanIn", "Scan In", {item(form_.lvEmptyScanIn)}),
       group("grpOption", "Option", {item(chkEmptyFolderSendToRB)})});
}

void EmptyFolderFinder::ShowCount() {
  form_.spStatus3.setVisible(true);
  form_.spStatus3.setText(std::to_string(EmptyFolderCount) + " Folder(s)");
}

void EmptyFolderFinder::bgEmptyFolderScanClick() {
  if (form_.bgEmptyFolderScan.caption() == kStop) {
    // This click arrives through the message pumping of the running scan.
    form_.bgEmptyFolderScan.setCaption(kScan);
    form_.EmptyScanStopped = true;
    form_.spStatus1.setText("Stop");
    return;
  }
  EmptyFolderCount = 0;
  ScanCaption caption(form_.bgEmptyFolderScan);
  form_.EmptyScanStopped = false;
  lvEmptyFolderResult.clear();
  EmptyFolderScan scan(
      form_.services.fileSystem,
      {lvEmptyFolderResult, form_.spStatus1, form_.spStatus3,
       [this] { form_.application.ProcessMessages(); }, form_.EmptyScanStopped, EmptyFolderCount});
  for (int i = 0; i < form_.lvEmptyScanIn.rowCount() && !form_.EmptyScanStopped; ++i) {
    if (!form_.lvEmptyScanIn.checked(i)) continue;
    const std::string root =
        std::string(1, diskclean::DriveLetterOf(form_.lvEmptyScanIn.row(i).cells[0])) + ":\\";
    if (form_.services.drives.GetDriveTypeA(root) == platform::DRIVE_CDROM) continue;
    std::vector<std::string> names;
    platform::ListSubDirs(form_.services.fileSystem, root, names);
    for (const std::string& name : names) {
      if (form_.EmptyScanStopped) break;
      scan.FindEmptyFolder(root + name);
    }
  }
}

void EmptyFolderFinder::bgEmptyFolderRemoveClick() {
  const bool toRecycleBin = chkEmptyFolderSendToRB.checked();
  const char* question = toRecycleBin
                             ? "Do you really want to send check marked items to Recycle Bin?"
                             : "Do you really want to delete check marked items permanently?";
  if (form_.application.dialogs().MessageBox(question, "Confirm", ui::kConfirmFlags) != ui::IDYES) {
    return;
  }
  platform::FileSystem& files = form_.services.fileSystem;
  for (int i = lvEmptyFolderResult.rowCount() - 1; i >= 0; --i) {
    if (!lvEmptyFolderResult.checked(i)) continue;
    const std::string path = platform::Trim(lvEmptyFolderResult.row(i).data);
    if (toRecycleBin) {
      // Only what is still empty goes to the Recycle Bin with its row.
      if (IsEmptyTree(files, path)) {
        platform::ShellDeleteDir(form_.services.fileOperations, path, true);
      }
    } else {
      RemoveEmptyTree(files, path);
    }
    // A folder that is still there (it has gained a file since the scan) keeps its row.
    if (platform::GetFileAttributesA(files, path).has_value()) continue;
    lvEmptyFolderResult.removeRow(i);
    --EmptyFolderCount;
    ShowCount();
  }
}

void EmptyFolderFinder::OpenInExplorer(const char* option) {
  const int selected = lvEmptyFolderResult.selectedIndex();
  if (selected < 0) return;
  const ui::ListRow& row = lvEmptyFolderResult.row(selected);
  form_.services.shell.ShellExecuteA("", "explorer.exe",
                                     std::string(option) + row.cells[1] + "\\" + row.cells[0], "",
                                     kSwShowMaximized);
}

void EmptyFolderFinder::ExplorerFolderClick() {
  OpenInExplorer("/e, ");
}

void EmptyFolderFinder::FindFolderClick() {
  OpenInExplorer("/select, ");
}

void EmptyFolderFinder::SelectAllClick() {
  lvEmptyFolderResult.beginUpdate();
  for (int i = 0; i < lvEmptyFolderResult.rowCount(); ++i) lvEmptyFolderResult.setChecked(i, true);
  lvEmptyFolderResult.endUpdate();
}

void EmptyFolderFinder::UnselectAllClick() {
  lvEmptyFolderResult.beginUpdate();
  for (int i = 0; i < lvEmptyFolderResult.rowCount(); ++i) {
    lvEmptyFolderResult.setChecked(i, false);
  }
  lvEmptyFolderResult.endUpdate();
}

void EmptyFolderFinder::lblEmptyFolderFinderClick() {
  form_.ShowPages("snbEmptyFolder", "snbEmptyFolder");
}

void EmptyFolderFinder::bgEmptyFolderSettingsClick() {
  form_.ShowPages("snbEmptyFolderSettings", "snbEmptyFolderSettings");
}

void EmptyFolderFinder::sgbEmptyFolderSettingsOkClick() {
  form_.ShowPages("snbEmptyFolder", "snbEmptyFolder");
}

}  // namespace emptyfolders
