#include "platform/machine/machine_file_operations.h"

#include <sys/stat.h>

#include <cerrno>
#include <optional>
#include <string>
#include <vector>

namespace platform {

namespace {

// The codes Windows answers with.
constexpr int kSucceeded = 0;
constexpr int kUnsupported = 1;                                 // ERROR_INVALID_FUNCTION
constexpr int kNoSuchPath = 2;                                  // ERROR_FILE_NOT_FOUND
constexpr int kNotRemoved = 5;                                  // ERROR_ACCESS_DENIED
constexpr int kUnusablePath = 0x7C;                             // the shell's "invalid files"
constexpr int kEmptyingFailed = static_cast<int>(0x80004005u);  // E_FAIL
constexpr int kUnusableRoot = static_cast<int>(0x80070057u);    // E_INVALIDARG

}  // namespace

int MachineFileOperations::DeleteOne(std::string_view windowsPath, bool toTrash) {
  // A whole drive is never deleted, nor recycled.
  std::optional<WindowsPathParts> parts = ParseWindowsPath(windowsPath);
  if (!parts || parts->components.empty()) return kUnusablePath;
  std::optional<std::string> path = machine_.ToUnix(windowsPath);
  if (!path) return kUnusablePath;
  struct stat info {};
  if (::lstat(path->c_str(), &info) != 0) {
    return errno == ENOENT || errno == ENOTDIR ? kNoSuchPath : kNotRemoved;
  }
  if (toTrash) return MoveToTrash(*path, trash_).moved ? kSucceeded : kNotRemoved;
  return RemoveTree(*path) ? kSucceeded : kNotRemoved;
}

int MachineFileOperations::SHFileOperationA(const ShellFileOperation& operation) {
  if (operation.wFunc != FO_DELETE) return kUnsupported;
  const bool toTrash = (operation.fFlags & FOF_ALLOWUNDO) != 0;
  // The source list is NUL-separated and ends at an empty name.
  std::string_view list = operation.pFrom;
  int result = kSucceeded;
  bool named = false;
  while (!list.empty()) {
    std::size_t end = list.find('\0');
    std::string_view path = list.substr(0, end);
    if (path.empty()) break;
    named = true;
    int one = DeleteOne(path, toTrash);
    if (result == kSucceeded) result = one;
    if (end == std::string_view::npos) break;
    list.remove_prefix(end + 1);
  }
  return named ? result : kUnusablePath;
}

int MachineFileOperations::SHEmptyRecycleBinA(std::string_view rootPath, unsigned /*flags*/) {
  rootPath = rootPath.substr(0, rootPath.find('\0'));
  std::vector<std::string> folders = TrashFolders(trash_);
  if (!rootPath.empty()) {
    std::optional<std::string> root = machine_.ToUnix(rootPath);
    struct stat drive {};
    if (!root || ::stat(root->c_str(), &drive) != 0) return kUnusableRoot;
    std::erase_if(folders, [&](const std::string& folder) {
      struct stat info {};
      return ::stat(folder.c_str(), &info) != 0 || info.st_dev != drive.st_dev;
    });
  }
  bool empty = true;
  for (const std::string& folder : folders) empty = EmptyTrash(folder) && empty;
  return empty ? kSucceeded : kEmptyingFailed;
}

}  // namespace platform
