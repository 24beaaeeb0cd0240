#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_service.h"
#include "platform/text.h"

namespace platform {

// Files held in memory, by Windows path (letter case ignored), with the failures a real disk can
// show: a read-only file, a folder that may not be written, a file that cannot be read.
class MemoryFiles : public FileService {
 public:
  FileContent ReadWholeFile(std::string_view path) override;
  bool FileExists(std::string_view path) override;
  bool ReplaceWholeFile(std::string_view path, std::string_view bytes) override;
  bool DeleteFile(std::string_view path) override;
  std::string LastError() const override { return lastError_; }

  void Put(std::string_view path, std::string bytes);
  std::optional<std::string> Get(std::string_view path) const;
  void Remove(std::string_view path);

  // Writes to a read-only file fail; the flag may be set before the file exists.
  void SetReadOnly(std::string_view path, bool readOnly);
  // Writes to any file in the folder or below it fail.
  void DenyWritesUnder(std::string_view folder);
  // Reading an existing file reports it unreadable; writing is not affected.
  void SetUnreadable(std::string_view path, bool unreadable);

  // Successful ReplaceWholeFile calls so far.
  int writeCount() const { return writeCount_; }

 private:
  struct NoCaseLess {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const { return LessNoCase(a, b); }
  };

  bool MayWrite(std::string_view path) const;
  static void SetFlag(std::set<std::string, NoCaseLess>& flags, std::string_view path, bool on);

  std::map<std::string, std::string, NoCaseLess> files_;
  std::set<std::string, NoCaseLess> readOnly_;
  std::set<std::string, NoCaseLess> unreadable_;
  std::vector<std::string> deniedFolders_;  // each with its trailing backslash
  int writeCount_ = 0;
  std::string lastError_;
};

}  // namespace platform
