#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/shell_file_operations.h"

namespace platform {

// Remembers every deletion and every emptying of the Recycle Bin the program asked the shell for,
// and answers with chosen results.
class RecordedFileOperations : public ShellFileOperations {
 public:
  struct Emptying {
    std::string rootPath;
    unsigned flags = 0;
  };

  int SHFileOperationA(const ShellFileOperation& operation) override {
    operations.push_back(operation);
    if (perform) perform(operation);
    return result;
  }
  int SHEmptyRecycleBinA(std::string_view rootPath, unsigned flags) override {
    emptyings.push_back({std::string(rootPath), flags});
    return emptyResult;
  }

  std::vector<ShellFileOperation> operations;  // path, flags and progress title of each
  std::vector<Emptying> emptyings;
  int result = 0;
  int emptyResult = 0;
  // Carries an operation out, when a test wants its effect too.
  std::function<void(const ShellFileOperation&)> perform;
};

}  // namespace platform
