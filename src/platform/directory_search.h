#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/wildcard.h"

namespace platform {

// One entry found by a directory search. Attributes and sizes are read when first asked for.
class SearchRecord {
 public:
  SearchRecord(std::string_view name, const FolderEntry* entry, std::uint32_t fixedAttributes)
      : name_(name), entry_(entry), fixedAttributes_(fixedAttributes) {}

  std::string_view Name() const { return name_; }
  std::uint32_t Attr() const { return entry_ ? entry_->attributes() : fixedAttributes_; }
  bool IsFolder() const {
    return entry_ ? entry_->isFolder() : (fixedAttributes_ & FILE_ATTRIBUTE_DIRECTORY) != 0;
  }
  // The size as the directory search gives it: the low 32 bits, as a signed number.
  std::int32_t Size() const {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(FullSize()));
  }
  std::uint64_t FullSize() const { return entry_ ? entry_->size() : 0; }
  // The entry itself, for descending into it; null for "." and "..".
  const FolderEntry* entry() const { return entry_; }

 private:
  std::string_view name_;
  const FolderEntry* entry_;
  std::uint32_t fixedAttributes_;
};

// The attribute bits that leave an entry out of a search unless the mask includes them.
constexpr std::uint32_t kSpecialAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                             FILE_ATTRIBUTE_VOLUME | FILE_ATTRIBUTE_DIRECTORY;

// Whether an entry with these attributes passes the mask: every special bit it carries must be
// in the mask; read-only and archive never exclude.
inline bool PassesMask(std::uint32_t attributes, std::uint32_t mask) {
  return (attributes & kSpecialAttributes & ~mask) == 0;
}

// Searches one folder (no descent): the entries whose names match `pattern` and pass `mask`, in
// the file system's order, "." and ".." first unless the folder is a drive root. `each` returns
// false to stop. A folder that is missing or unreadable yields nothing.
void DirectorySearch(Folder& folder, bool isDriveRoot, const WildcardPattern& pattern,
                     std::uint32_t mask, const std::function<bool(const SearchRecord&)>& each);

// The same over a search pattern: a folder path followed by a name pattern ("C:\Temp\*.tmp").
void DirectorySearch(FileSystem& files, std::string_view searchPattern, std::uint32_t mask,
                     const std::function<bool(const SearchRecord&)>& each);

// Whether a Windows path names a drive root ("C:\", "C:").
bool IsDriveRoot(std::string_view folder);

}  // namespace platform
