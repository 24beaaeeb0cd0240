#include "emptyfolders/empty_folder_scan.h"

#include <vector>

#include "platform/dir_and_file.h"

namespace emptyfolders {

namespace {

constexpr std::uint32_t kHiddenOrSystem =
    platform::FILE_ATTRIBUTE_HIDDEN | platform::FILE_ATTRIBUTE_SYSTEM;

struct Subfolder {
  std::string name;
  bool visible;
};

// Reads a folder's subfolders; false when it cannot be read or holds a file.
bool ReadFolder(platform::Folder& folder, std::vector<Subfolder>& subfolders, bool& holdsFile) {
  holdsFile = false;
  return folder.List([&](const platform::FolderEntry& entry) {
    if (entry.isFolder()) {
      subfolders.push_back(
          {std::string(entry.name()), (entry.attributes() & kHiddenOrSystem) == 0});
    } else {
      holdsFile = true;
    }
    return true;
  });
}

bool TreeIsEmpty(platform::Folder& folder) {
  std::vector<Subfolder> subfolders;
  bool holdsFile = false;
  if (!ReadFolder(folder, subfolders, holdsFile) || holdsFile) return false;
  for (const Subfolder& sub : subfolders) {
    std::unique_ptr<platform::Folder> opened = folder.OpenFolder(sub.name);
    if (!opened || !TreeIsEmpty(*opened)) return false;
  }
  return true;
}

void RemoveTreeIn(platform::Folder& parent, const std::string& name) {
  std::unique_ptr<platform::Folder> folder = parent.OpenFolder(name);
  if (!folder) return;
  std::vector<Subfolder> subfolders;
  bool holdsFile = false;
  if (!ReadFolder(*folder, subfolders, holdsFile)) return;
  for (const Subfolder& sub : subfolders) RemoveTreeIn(*folder, sub.name);
  if (holdsFile) return;
  // Removal is refused while anything is left in the folder; only an emptied folder that is
  // read-only, hidden or system has its attributes cleared to go.
  if (parent.RemoveFolder(name)) return;
  bool holdsAnything = false;
  folder->List([&](const platform::FolderEntry&) {
    holdsAnything = true;
    return false;
  });
  if (holdsAnything) return;
  platform::ClearFileAttributes(parent, name);
  parent.RemoveFolder(name);
}

}  // namespace

int EmptyFolderScan::FindEmptyFolder(const std::string& path) {
  if (view_.stopped) return 0;
  std::unique_ptr<platform::Folder> folder = platform::OpenFolderWithoutLinks(files_, path);
  int listed = 0;
  if (folder) Walk(*folder, path, true, listed);
  return listed;
}

bool EmptyFolderScan::Walk(platform::Folder& folder, const std::string& path, bool listing,
                           int& listed) {
  if (view_.stopped) return false;
  if (listing) {
    view_.progress.setText("Scanning " + path + "...");
    view_.processMessages();
    if (view_.stopped) return false;
  }
  // The rows this folder's tree adds go above those that were there when it began.
  const int rowsBefore = view_.results.rowCount();
  std::vector<Subfolder> subfolders;
  bool holdsFile = false;
  if (!ReadFolder(folder, subfolders, holdsFile)) return false;
  if (holdsFile && !listing) return false;

  bool empty = !holdsFile;
  std::vector<std::string> group;
  for (const Subfolder& sub : subfolders) {
    std::unique_ptr<platform::Folder> opened = folder.OpenFolder(sub.name);
    bool subEmpty =
        opened && (listing && sub.visible ? Walk(*opened, path + "\\" + sub.name, true, listed)
                                          : TreeIsEmpty(*opened));
    if (view_.stopped) return false;
    if (listing && sub.visible && subEmpty) group.push_back(sub.name);
    empty = empty && subEmpty;
    if (!empty && !listing) return false;
  }

  if (!group.empty()) {
    std::vector<ui::ListRow> rows;
    for (const std::string& name : group) {
      ui::ListRow row;
      row.cells = {name, path};
      row.checked = true;
      row.data = path + "\\" + name;
      rows.push_back(std::move(row));
    }
    const int count = static_cast<int>(rows.size());
    view_.results.insertRows(view_.results.rowCount() - rowsBefore, std::move(rows));
    listed += count;
    view_.EmptyFolderCount += count;
    view_.counter.setVisible(true);
    view_.counter.setText(std::to_string(view_.EmptyFolderCount) + " Folder(s)");
  }
  return empty;
}

bool IsEmptyTree(platform::FileSystem& files, const std::string& path) {
  std::unique_ptr<platform::Folder> folder = platform::OpenFolderWithoutLinks(files, path);
  return folder && TreeIsEmpty(*folder);
}

bool RemoveEmptyTree(platform::FileSystem& files, const std::string& path) {
  auto [parentPath, name] = platform::SplitLastName(path);
  if (name.empty()) return false;
  std::unique_ptr<platform::Folder> parent = platform::OpenFolderWithoutLinks(files, parentPath);
  if (!parent) return false;
  RemoveTreeIn(*parent, name);
  return !parent->Attributes(name).has_value();
}

}  // namespace emptyfolders
