#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/wildcard.h"
#include "ui/list_view.h"
#include "ui/status_bar.h"

namespace diskclean {

// Whole KB rounded up: (size + 1023) / 1024.
std::int64_t SizeKB(std::uint64_t size);
// The list's size text: (size + 1023) / 1024 rounded to a whole number, thousands grouped,
// right-aligned in ten characters, then "KB" ("         3KB").
std::string DisplaySize(std::uint64_t size);

// What a junk scan reports to the page while it runs.
struct JunkScanView {
  ui::ListView& results;
  ui::StatusPane& progress;
  ui::StatusPane& fileCounter;
  ui::StatusPane& sizeCounter;
  // Lets pending window messages run; a Stop click arrives here.
  std::function<void()> processMessages;
  const bool& stopped;
};

// Lists the files whose names match the masks, folder by folder, depth first. Each folder is
// read once and every mask is matched against that one listing; the rows come out as if each
// mask had been searched for in turn: grouped by mask in mask order, a file matched by two
// masks listed twice. Rows show names and folders in lower case and remember the real path
// (their data) and the size (their number).
class JunkScan {
 public:
  JunkScan(platform::FileSystem& files, const std::vector<std::string>& masks, JunkScanView view);

  // Scans a drive root ("c:\") or a folder and everything below it.
  void ScanDisk(const std::string& path);

  std::int32_t FoundFileCount = 0;
  std::int64_t FoundSizeKB = 0;

 private:
  void ScanFolder(platform::Folder& folder, const std::string& shownPath,
                  const std::string& realPath);

  platform::FileSystem& files_;
  std::vector<platform::WildcardPattern> masks_;
  JunkScanView view_;
};

}  // namespace diskclean
