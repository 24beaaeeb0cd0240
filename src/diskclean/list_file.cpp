#include "diskclean/list_file.h"

#include "platform/error.h"

namespace diskclean {

std::vector<std::string> ParseLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\r' && bytes[i] != '\n') continue;
    lines.emplace_back(bytes.substr(start, i - start));
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < bytes.size()) lines.emplace_back(bytes.substr(start));
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

ListFile ReadListFile(platform::FileService& files, const std::string& path) {
  platform::FileContent content = files.ReadWholeFile(path);
  if (content.status != platform::ReadStatus::Ok) return {content.status, {}};
  return {content.status, ParseLines(content.bytes)};
}

void RewriteListFile(platform::FileService& files, const std::string& path,
                     const std::vector<std::string>& lines) {
  if (files.FileExists(path)) files.DeleteFile(path);
  if (!files.ReplaceWholeFile(path, JoinLines(lines))) {
    throw platform::Error(platform::FormatMessage("Unable to write to %s", path));
  }
}

}  // namespace diskclean
