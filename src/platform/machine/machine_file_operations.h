#pragma once

#include <string_view>
#include <utility>

#include "platform/machine/machine.h"
#include "platform/machine/trash.h"
#include "platform/shell_file_operations.h"

namespace platform {

// The shell's deletions on the machine. The Recycle Bin is the desktop's trash, so what the
// program recycles the file manager can restore, and emptying the bin empties what it shows.
// Nothing is ever asked or shown: the flags for that are implied.
class MachineFileOperations : public ShellFileOperations {
 public:
  MachineFileOperations(const Machine& machine, TrashPlace trash)
      : machine_(machine), trash_(std::move(trash)) {}

  // FO_DELETE of each path in pFrom (NUL-separated): permanently, or into the trash with
  // FOF_ALLOWUNDO. 0 when every path went; 2 when a path names nothing; 5 when something stayed
  // (nothing is deleted when the trash cannot take it); 0x7C for a drive root or a path no
  // drive shows; 1 for any other operation.
  int SHFileOperationA(const ShellFileOperation& operation) override;
  // Empties every trash folder of the user, or with a drive's root those on the drive's file
  // system. 0 when all are empty, E_FAIL when something stayed, E_INVALIDARG for a root no
  // drive shows.
  int SHEmptyRecycleBinA(std::string_view rootPath, unsigned flags) override;

 private:
  int DeleteOne(std::string_view windowsPath, bool toTrash);

  const Machine& machine_;
  TrashPlace trash_;
};

}  // namespace platform
