#include "diskclean/junk_file_types.h"

#include <algorithm>

#include "diskclean/list_file.h"

namespace diskclean {

namespace {

constexpr char kMaskFile[] = "spvMask.ini";
constexpr char kIdleMaskFile[] = "spvIdleMask.ini";
constexpr char kDriveFile[] = "spvDrive.ini";

const std::vector<std::string> kDefaultMasks = {
    "*.tmp",       "*.temp", "~*.*",  "*.~*",      "~*.*",         "*.*~",         "*.^*",  "*.??$",
    "*.?~?",       "*.??~",  "*.---", "*._mp",     "*.~mp",        "*.old",        "*.chk", "*.nch",
    "*.ncb",       "*.wri",  "*.exp", "chklist.*", "file????._dd", "mscreate.dir", "*.aps", "*.bak",
    "*.bk?",       "*.bsc",  "*.dmp", "*.dsm",     "*.ilk",        "*.pch",        "*.rws", "*.sbr",
    "backup*.wbk", "*.fts",  "*.ftg", "*.$$$",     "*.gid"};

bool Contains(const std::vector<std::string>& lines, const std::string& text) {
  return std::find(lines.begin(), lines.end(), text) != lines.end();
}

}  // namespace

JunkFileTypes::JunkFileTypes(app::TForm1& form) : form_(form) {
  DeclarePage();
  xpbEditFileType.setEnabled(false);
  xpbRemoveFileType.setEnabled(false);
  xpbAddFileType.onClick = [this] { xpbAddFileTypeClick(); };
  xpbEditFileType.onClick = [this] { xpbEditFileTypeClick(); };
  xpbRemoveFileType.onClick = [this] { xpbRemoveFileTypeClick(); };
  xpbDefaultFileType.onClick = [this] { xpbDefaultFileTypeClick(); };
  clbFileTypes.onClick = [this] { clbFileTypesClick(); };
  form_.startup.LoadMaskLists = [this] { LoadMaskLists(); };
  form_.settings.ShowDrives = [this] { ShowDrives(); };
  form_.settings.ShowFileTypes = [this] { ShowFileTypes(); };
  form_.settings.SaveMaskLists = [this] { SaveMaskLists(); };
}

void JunkFileTypes::DeclarePage() {
  using namespace ui::layout;
  ui::Page& page = form_.nbRight.page("snbTypeOfFiles");
  page.layout =
      column({item(page.make<ui::Label>(
                  "lblTypeOfFilesText",
                  "You can define the type of files which you would like to search for here")),
              row({item(clbFileTypes),
                   column({item(xpbAddFileType), item(xpbEditFileType), item(xpbRemoveFileType),
                           item(xpbDefaultFileType), stretch()})})});
}

std::string JunkFileTypes::ListPath(const char* name) const {
  return form_.services.system.ExecutableFolder() + name;
}

std::vector<std::string> JunkFileTypes::ActiveMasks() const {
  std::vector<std::string> active;
  for (const std::string& mask : MaskList) {
    if (!Contains(UncheckedMasks, mask)) active.push_back(mask);
  }
  return active;
}

void JunkFileTypes::LoadMaskLists() {
  platform::FileService& files = form_.services.files;
  DefaultMasks = kDefaultMasks;
  if (ListFile drives = ReadListFile(files, ListPath(kDriveFile));
      drives.status == platform::ReadStatus::Ok) {
    ExcludedDrives = drives.lines;
  }
  if (ListFile idle = ReadListFile(files, ListPath(kIdleMaskFile));
      idle.status == platform::ReadStatus::Ok) {
    UncheckedMasks = idle.lines;
  }
  ListFile masks = ReadListFile(files, ListPath(kMaskFile));
  if (masks.status == platform::ReadStatus::Ok && !masks.lines.empty()) {
    MaskList = masks.lines;
  } else {
    MaskList = DefaultMasks;
    // A file that is there but cannot be read is left as it is.
    if (masks.status != platform::ReadStatus::Unreadable) {
      RewriteListFile(files, ListPath(kMaskFile), MaskList);
    }
  }
  UncheckExcludedDrives();
  FillFileTypes();
}

void JunkFileTypes::UncheckExcludedDrives() {
  ui::ListView& drives = form_.lvDisk;
  for (int i = 0; i < drives.rowCount(); ++i) {
    if (Contains(ExcludedDrives, drives.row(i).cells[0])) drives.setChecked(i, false);
  }
}

void JunkFileTypes::FillFileTypes() {
  clbFileTypes.setItems(MaskList);
  for (int i = 0; i < clbFileTypes.count(); ++i) {
    clbFileTypes.setChecked(i, !Contains(UncheckedMasks, clbFileTypes.text(i)));
  }
}

void JunkFileTypes::ShowDrives() {
  form_.nbRight.setActivePage("snbSelectDisk");
  UncheckExcludedDrives();
}

void JunkFileTypes::ShowFileTypes() {
  form_.nbRight.setActivePage("snbTypeOfFiles");
  FillFileTypes();
}

void JunkFileTypes::SaveMaskLists() {
  platform::FileService& files = form_.services.files;
  ExcludedDrives.clear();
  for (int i = 0; i < form_.lvDisk.rowCount(); ++i) {
    if (!form_.lvDisk.checked(i)) ExcludedDrives.push_back(form_.lvDisk.row(i).cells[0]);
  }
  RewriteListFile(files, ListPath(kDriveFile), ExcludedDrives);
  MaskList.clear();
  UncheckedMasks.clear();
  for (int i = 0; i < clbFileTypes.count(); ++i) {
    MaskList.push_back(clbFileTypes.text(i));
    if (!clbFileTypes.checked(i)) UncheckedMasks.push_back(clbFileTypes.text(i));
  }
  RewriteListFile(files, ListPath(kMaskFile), MaskList);
  RewriteListFile(files, ListPath(kIdleMaskFile), UncheckedMasks);
}

void JunkFileTypes::xpbAddFileTypeClick() {
  auto answer =
      form_.application.dialogs().InputBox("Add New File Type", "Input a new file type:", "");
  if (answer && !answer->empty()) clbFileTypes.addItem(*answer, false);
}

void JunkFileTypes::xpbEditFileTypeClick() {
  const int selected = clbFileTypes.selectedIndex();
  if (selected < 0) return;
  auto answer = form_.application.dialogs().InputBox(
      "Modify File Type", "Input a new file type:", clbFileTypes.text(selected));
  if (answer && !answer->empty()) clbFileTypes.setItemText(selected, *answer);
}

void JunkFileTypes::xpbRemoveFileTypeClick() {
  const int selected = clbFileTypes.selectedIndex();
  if (selected < 0) return;
  const char* question =
      "Are you sure you want to permanently remove the selected File Type? This can not\r\nbe "
      "reversed.\r\n\r\nIf you only want to exclude this item you may do so by unchecking it's "
      "corresponding\r\nbox.";
  if (form_.application.dialogs().MessageBox(question, "Confirm", ui::kConfirmFlags) == ui::IDYES) {
    clbFileTypes.removeItem(selected);
    clbFileTypes.setSelectedIndex(-1);
  }
}

void JunkFileTypes::xpbDefaultFileTypeClick() {
  clbFileTypes.setItems(DefaultMasks);
  ui::CheckAll(clbFileTypes);
}

void JunkFileTypes::clbFileTypesClick() {
  xpbEditFileType.setEnabled(true);
  xpbRemoveFileType.setEnabled(true);
}

}  // namespace diskclean
