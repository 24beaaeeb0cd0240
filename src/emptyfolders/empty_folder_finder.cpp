#include "emptyfolders/empty_folder_finder.h"

namespace emptyfolders {

EmptyFolderFinder::EmptyFolderFinder(app::TForm1& form) : form_(form) {
  form_.bgEmptyFolderScan.setHint("Scan the drives you select  to find empty folders");
  form_.bgEmptyFolderRemove.setHint("Remove the checked items");
  form_.bgEmptyFolderSettings.setHint("Change the settings ");
  form_.sgbEmptyFolderSettingsOk.setHint("OK and back to Empty Folder Finder");
  DeclareSettingsPage();
  form_.lblEmptyFolderFinder.onClick = [this] { lblEmptyFolderFinderClick(); };
  form_.bgEmptyFolderSettings.onClick = [this] { bgEmptyFolderSettingsClick(); };
  form_.sgbEmptyFolderSettingsOk.onClick = [this] { sgbEmptyFolderSettingsOkClick(); };
}

void EmptyFolderFinder::DeclareSettingsPage() {
  using namespace ui::layout;
  ui::Page& page = form_.nbRight.page("snbEmptyFolderSettings");
  page.layout = column(
      {item(page.make<ui::Label>("lblEmptyFolderSettingsText",
                                 "Select the drives you wish to scan from the following list")),
       group("grpScanIn", "Scan In", {item(form_.lvEmptyScanIn)}),
       group("grpOption", "Option", {item(chkEmptyFolderSendToRB)})});
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
