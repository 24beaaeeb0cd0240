#include "platform/dir_and_file.h"

#include "platform/directory_search.h"
#include "platform/text.h"

namespace platform {

namespace {

constexpr std::uint32_t kClearedBits =
    FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
const WildcardPattern kEverything("*.*");

bool IsDots(std::string_view name) {
  return name == "." || name == "..";
}

void AddDirSize(Folder& folder, bool isRoot, bool recurse, DirSize& total) {
  constexpr std::uint32_t kAll = 0x3F;
  DirectorySearch(folder, isRoot, kEverything, kAll, [&](const SearchRecord& entry) {
    total.Bytes += static_cast<std::int64_t>(entry.FullSize());
    if (entry.IsFolder()) {
      if (recurse && !IsDots(entry.Name())) {
        if (std::unique_ptr<Folder> sub = folder.OpenFolder(entry.Name())) {
          AddDirSize(*sub, false, true, total);
        }
      }
    } else {
      ++total.FileCount;
    }
    return true;
  });
}

// Deletes what a folder holds, depth first; returns nothing, as failures are only skipped.
void DeleteContent(Folder& folder) {
  constexpr std::uint32_t kAllButLabels = 0x37;
  std::vector<std::pair<std::string, bool>> entries;
  // Passed as a root: the dots are not wanted here.
  DirectorySearch(folder, true, kEverything, kAllButLabels, [&](const SearchRecord& entry) {
    entries.emplace_back(std::string(entry.Name()), entry.IsFolder());
    return true;
  });
  for (const auto& [name, isFolder] : entries) {
    ClearFileAttributes(folder, name);
    if (isFolder) {
      if (std::unique_ptr<Folder> sub = folder.OpenFolder(name)) DeleteContent(*sub);
      ClearFileAttributes(folder, name);
      folder.RemoveFolder(name);
    } else {
      folder.DeleteFile(name);
    }
  }
}

}  // namespace

DirSize GetDirSize(FileSystem& files, std::string_view folder, bool recurse) {
  DirSize total;
  if (std::unique_ptr<Folder> opened = files.OpenFolder(folder)) {
    AddDirSize(*opened, IsDriveRoot(folder), recurse, total);
  }
  return total;
}

void ListSubDirs(FileSystem& files, std::string_view folder, std::vector<std::string>& names) {
  std::string pattern(folder);
  char last = pattern.empty() ? ':' : pattern.back();
  if (last != '\\' && last != ':') pattern += '\\';
  pattern += '*';
  constexpr std::uint32_t kFoldersAndHidden = 0x12;
  DirectorySearch(files, pattern, kFoldersAndHidden, [&](const SearchRecord& entry) {
    if (entry.IsFolder() && !IsDots(entry.Name())) names.emplace_back(entry.Name());
    return true;
  });
}

bool ClearFileAttributes(Folder& parent, std::string_view name) {
  if (std::optional<std::uint32_t> now = parent.Attributes(name)) {
    parent.SetAttributes(name, *now & ~FILE_ATTRIBUTE_READONLY);
  }
  std::optional<std::uint32_t> after = parent.Attributes(name);
  if (!after) return false;
  if ((*after & kClearedBits) == 0) return true;
  return parent.SetAttributes(name, FILE_ATTRIBUTE_ARCHIVE);
}

bool ClearFileAttributes(FileSystem& files, std::string_view path) {
  auto [parent, name] = SplitLastName(path);
  if (name.empty()) return GetFileAttributesA(files, path).has_value();
  std::unique_ptr<Folder> folder = files.OpenFolder(parent);
  return folder && ClearFileAttributes(*folder, name);
}

bool DeleteDirTree(FileSystem& files, std::string_view folder) {
  std::string path(folder);
  if (!path.empty() && path.back() == '\\') path.pop_back();
  auto [parent, name] = SplitLastName(path);
  if (name.empty()) return false;  // a drive root is never deleted
  std::unique_ptr<Folder> holder = files.OpenFolder(parent);
  if (!holder) return !GetFileAttributesA(files, path).has_value();
  if (std::unique_ptr<Folder> opened = holder->OpenFolder(name)) DeleteContent(*opened);
  ClearFileAttributes(*holder, name);
  holder->RemoveFolder(name);
  return !holder->Attributes(name).has_value();
}

std::string GetWindowsDirPath(SystemInfo& system) {
  constexpr std::size_t kMaxPath = 255;
  return AddTrailingBackslash(system.GetWindowsDirectoryA().substr(0, kMaxPath));
}

void EmptyDir(FileSystem& files, std::string_view folder) {
  if (DeleteDirTree(files, folder)) CreateDirectoryA(files, folder);
}

void ShellDeleteDir(ShellFileOperations& shell, std::string_view folder, bool toRecycleBin) {
  ShellFileOperation operation;
  operation.wFunc = FO_DELETE;
  operation.pFrom = std::string(folder);
  operation.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | (toRecycleBin ? FOF_ALLOWUNDO : 0);
  operation.lpszProgressTitle = "Deleting empty folders, please waiting...";
  shell.SHFileOperationA(operation);
}

void CleanPrefetch(FileSystem& files, SystemInfo& system) {
  std::string windows = GetWindowsDirPath(system);
  if (windows.empty()) return;
  std::string prefetch = windows + "Prefetch";
  std::optional<std::uint32_t> attributes = GetFileAttributesA(files, prefetch);
  if (attributes && (*attributes & FILE_ATTRIBUTE_DIRECTORY)) EmptyDir(files, prefetch);
}

}  // namespace platform
