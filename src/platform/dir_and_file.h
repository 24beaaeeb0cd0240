#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "platform/shell_file_operations.h"
#include "platform/system_info.h"

// Folder walks, sizes and deletions. No helper shows a message or raises an error: failures are
// skipped entry by entry and show only in the results.
namespace platform {

struct DirSize {
  std::int64_t Bytes = 0;
  std::int32_t FileCount = 0;
};

// Sums the sizes of a folder's entries (recursing into subfolders when asked) and counts its
// files. Hidden and system entries count like any others; links count as files.
DirSize GetDirSize(FileSystem& files, std::string_view folder, bool recurse);
// Appends the names of a folder's subfolders, hidden ones included, system ones not.
void ListSubDirs(FileSystem& files, std::string_view folder, std::vector<std::string>& names);
// Clears read-only, hidden and system; true when none of them is left.
bool ClearFileAttributes(FileSystem& files, std::string_view path);
bool ClearFileAttributes(Folder& parent, std::string_view name);
// Deletes a folder with everything in it, depth first; true when the folder is gone.
bool DeleteDirTree(FileSystem& files, std::string_view folder);
// The Windows directory with a trailing backslash; empty when the system gives none.
std::string GetWindowsDirPath(SystemInfo& system);
// Deletes everything in a folder and makes it again, empty; a folder that could not be emptied
// stays as it is.
void EmptyDir(FileSystem& files, std::string_view folder);
// Asks the shell to delete a folder tree without confirmation, to the Recycle Bin if asked.
void ShellDeleteDir(ShellFileOperations& shell, std::string_view folder, bool toRecycleBin);
// Empties the Prefetch folder of the Windows directory, when there is one.
void CleanPrefetch(FileSystem& files, SystemInfo& system);

}  // namespace platform
