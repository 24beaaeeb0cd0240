#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/file_system.h"
#include "ui/list_view.h"
#include "ui/status_bar.h"

namespace emptyfolders {

// What the scan reports to the page while it runs.
struct EmptyFolderView {
  ui::ListView& results;
  ui::StatusPane& progress;
  ui::StatusPane& counter;
  std::function<void()> processMessages;
  const bool& stopped;
  std::int32_t& EmptyFolderCount;
};

// Finds the empty folders below a folder in one walk: a folder is empty when no file lies
// anywhere in its tree (hidden files and links count as files) and every folder of it could be
// read. Hidden and system folders are weighed but neither listed nor searched for listing.
// Each folder's empty subfolders are listed as a group in search order, and a group found
// deeper stands above its parent's group: an empty A holding an empty A1, beside an empty B,
// lists as A1, A, B.
class EmptyFolderScan {
 public:
  EmptyFolderScan(platform::FileSystem& files, EmptyFolderView view)
      : files_(files), view_(std::move(view)) {}

  // Lists the empty subfolders of `path` (a folder at a drive's root, without a trailing
  // backslash) at every depth; returns how many it listed.
  int FindEmptyFolder(const std::string& path);

 private:
  // Walks a folder; true when its whole tree holds no file. When `listing`, its empty visible
  // subfolders are listed.
  bool Walk(platform::Folder& folder, const std::string& path, bool listing, int& listed);

  platform::FileSystem& files_;
  EmptyFolderView view_;
};

// Removes an empty folder tree from the bottom up, folder by folder, as an empty-folder removal
// must: a file found inside (one that came after the scan) is never deleted, and the folders
// holding it stay. Never follows a link. True when the folder is gone (also when it was gone
// already).
bool RemoveEmptyTree(platform::FileSystem& files, const std::string& path);
// Whether a folder's whole tree holds no file and could be read.
bool IsEmptyTree(platform::FileSystem& files, const std::string& path);

}  // namespace emptyfolders
