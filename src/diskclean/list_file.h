#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/file_service.h"

namespace diskclean {

// A plain list file: one entry per line. On reading CR, LF and CR LF each end a line, a final
// line end adds no entry and an empty line is an empty entry; on writing every line ends in CR LF
// and an empty list is an empty file.
std::vector<std::string> ParseLines(std::string_view bytes);
std::string JoinLines(const std::vector<std::string>& lines);

struct ListFile {
  platform::ReadStatus status = platform::ReadStatus::Missing;
  std::vector<std::string> lines;
};
ListFile ReadListFile(platform::FileService& files, const std::string& path);
// Deletes the file, then writes the list to it; raises "Unable to write to %s" when it fails.
void RewriteListFile(platform::FileService& files, const std::string& path,
                     const std::vector<std::string>& lines);

}  // namespace diskclean
