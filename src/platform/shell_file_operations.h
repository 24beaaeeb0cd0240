#pragma once

#include <string>
#include <string_view>

namespace platform {

// SHFileOperationA
constexpr unsigned FO_DELETE = 3;
constexpr unsigned FOF_NOCONFIRMATION = 0x10;
constexpr unsigned FOF_ALLOWUNDO = 0x40;
constexpr unsigned FOF_NOERRORUI = 0x400;

// SHEmptyRecycleBinA
constexpr unsigned SHERB_NOCONFIRMATION = 0x1;
constexpr unsigned SHERB_NOPROGRESSUI = 0x2;

struct ShellFileOperation {
  unsigned wFunc = FO_DELETE;
  std::string pFrom;  // one path: the program never names more
  unsigned fFlags = 0;
  std::string lpszProgressTitle;
};

// The shell's deletions: whole trees, and the Recycle Bin.
class ShellFileOperations {
 public:
  virtual ~ShellFileOperations() = default;
  // Deletes a file or folder tree without asking, to the Recycle Bin when FOF_ALLOWUNDO is set.
  // 0 on success. Links inside the tree are removed, never followed.
  virtual int SHFileOperationA(const ShellFileOperation& operation) = 0;
  // Empties the Recycle Bin of one drive, or of every drive when the root is empty. 0 on success.
  virtual int SHEmptyRecycleBinA(std::string_view rootPath, unsigned flags) = 0;
};

}  // namespace platform
