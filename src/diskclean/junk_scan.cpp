#include "diskclean/junk_scan.h"

#include <algorithm>
#include <cmath>

#include "platform/text.h"

namespace diskclean {

std::int64_t SizeKB(std::uint64_t size) {
  return static_cast<std::int64_t>((size + 1023) / 1024);
}

std::string DisplaySize(std::uint64_t size) {
  double kb = (static_cast<double>(size) + 1023.0) / 1024.0;
  std::string digits = std::to_string(static_cast<std::uint64_t>(std::floor(kb + 0.5)));
  std::string grouped;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
    grouped += digits[i];
  }
  if (grouped.size() < 10) grouped.insert(0, 10 - grouped.size(), ' ');
  return grouped + "KB";
}

JunkScan::JunkScan(platform::FileSystem& files, const std::vector<std::string>& masks,
                   JunkScanView view)
    : files_(files), view_(std::move(view)) {
  masks_.reserve(masks.size());
  for (const std::string& mask : masks) masks_.emplace_back(mask);
}

void JunkScan::ScanDisk(const std::string& path) {
  if (view_.stopped) return;
  std::unique_ptr<platform::Folder> folder = platform::OpenFolderWithoutLinks(files_, path);
  if (!folder) {
    view_.progress.setText("Scanning " + platform::ToLowerAscii(path) + " ...");
    return;
  }
  ScanFolder(*folder, platform::ToLowerAscii(path), path);
}

void JunkScan::ScanFolder(platform::Folder& folder, const std::string& shownPath,
                          const std::string& realPath) {
  if (view_.stopped) return;
  view_.progress.setText("Scanning " + shownPath + " ...");
  view_.processMessages();
  if (view_.stopped) return;

  const std::string shownFolder = platform::AddTrailingBackslash(shownPath);
  const std::string realFolder = platform::AddTrailingBackslash(realPath);
  struct Match {
    std::size_t mask;
    std::string name;
    std::uint64_t size;
  };
  std::vector<Match> matches;
  std::vector<std::string> subfolders;
  folder.List([&](const platform::FolderEntry& entry) {
    if (entry.isFolder()) {
      subfolders.emplace_back(entry.name());
      return true;
    }
    bool sized = false;
    std::uint64_t size = 0;
    for (std::size_t i = 0; i < masks_.size(); ++i) {
      if (!masks_[i].Matches(entry.name())) continue;
      if (!sized) {
        size = entry.size();
        sized = true;
      }
      matches.push_back({i, std::string(entry.name()), size});
    }
    return true;
  });

  if (!matches.empty()) {
    // As if each mask had been searched for in turn.
    std::stable_sort(matches.begin(), matches.end(),
                     [](const Match& a, const Match& b) { return a.mask < b.mask; });
    std::vector<ui::ListRow> rows;
    rows.reserve(matches.size());
    for (const Match& match : matches) {
      ui::ListRow row;
      row.cells = {platform::ToLowerAscii(match.name), DisplaySize(match.size), shownFolder};
      row.checked = true;
      row.data = realFolder + match.name;
      row.number = match.size;
      rows.push_back(std::move(row));
      ++FoundFileCount;
      FoundSizeKB += SizeKB(match.size);
    }
    view_.results.insertRows(view_.results.rowCount(), std::move(rows));
    view_.fileCounter.setVisible(true);
    view_.sizeCounter.setVisible(true);
    view_.fileCounter.setText(std::to_string(FoundFileCount) + " File(s)");
    view_.sizeCounter.setText(std::to_string(FoundSizeKB) + " KB");
  }

  for (const std::string& name : subfolders) {
    if (view_.stopped) return;
    std::unique_ptr<platform::Folder> sub = folder.OpenFolder(name);
    if (!sub) continue;
    ScanFolder(*sub, shownFolder + platform::ToLowerAscii(name), realFolder + name);
  }
}

}  // namespace diskclean
