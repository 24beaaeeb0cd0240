#include "platform/directory_search.h"

#include <cctype>

namespace platform {

bool IsDriveRoot(std::string_view folder) {
  return (folder.size() == 2 || (folder.size() == 3 && (folder[2] == '\\' || folder[2] == '/'))) &&
         folder[1] == ':' && std::isalpha(static_cast<unsigned char>(folder[0]));
}

void DirectorySearch(Folder& folder, bool isDriveRoot, const WildcardPattern& pattern,
                     std::uint32_t mask, const std::function<bool(const SearchRecord&)>& each) {
  // The dots are folders; a mask without the folder bit leaves them out.
  if (!isDriveRoot && PassesMask(FILE_ATTRIBUTE_DIRECTORY, mask)) {
    for (std::string_view dots : {std::string_view("."), std::string_view("..")}) {
      if (pattern.Matches(dots) && !each(SearchRecord(dots, nullptr, FILE_ATTRIBUTE_DIRECTORY))) {
        return;
      }
    }
  }
  // Attributes are read only when the mask can exclude by them.
  const bool needAttributes = (~mask & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
  const bool excludeFolders = (mask & FILE_ATTRIBUTE_DIRECTORY) == 0;
  folder.List([&](const FolderEntry& entry) {
    if (!pattern.Matches(entry.name())) return true;
    if (excludeFolders && entry.isFolder()) return true;
    if (needAttributes && !PassesMask(entry.attributes(), mask)) return true;
    return each(SearchRecord(entry.name(), &entry, 0));
  });
}

void DirectorySearch(FileSystem& files, std::string_view searchPattern, std::uint32_t mask,
                     const std::function<bool(const SearchRecord&)>& each) {
  std::size_t split = searchPattern.find_last_of("\\/");
  std::string_view folderPath;
  std::string_view namePattern;
  if (split == std::string_view::npos) {
    // "C:*": the drive's current folder, its root here.
    if (searchPattern.size() < 2 || searchPattern[1] != ':') return;
    folderPath = searchPattern.substr(0, 2);
    namePattern = searchPattern.substr(2);
  } else {
    folderPath = searchPattern.substr(0, split + 1);
    namePattern = searchPattern.substr(split + 1);
  }
  std::unique_ptr<Folder> folder = files.OpenFolder(folderPath);
  if (!folder) return;
  DirectorySearch(*folder, IsDriveRoot(folderPath), WildcardPattern(namePattern), mask, each);
}

}  // namespace platform
