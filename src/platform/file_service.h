#pragma once

#include <string>
#include <string_view>

namespace platform {

enum class ReadStatus { Ok, Missing, Unreadable };

struct FileContent {
  ReadStatus status = ReadStatus::Missing;
  std::string bytes;
};

// Whole-file access by Windows path. Paths compare without regard to letter case.
class FileService {
 public:
  virtual ~FileService() = default;

  virtual FileContent ReadWholeFile(std::string_view path) = 0;
  virtual bool FileExists(std::string_view path) = 0;
  // Replaces the file's content as one step (a reader sees the old or the new bytes, never a
  // mix), creating the file when it is missing. False when the file or its folder may not be
  // written, or the file is read-only.
  virtual bool ReplaceWholeFile(std::string_view path, std::string_view bytes) = 0;
  // Deletes a file; false when it could not be deleted (a missing file included).
  virtual bool DeleteFile(std::string_view path) = 0;
  // Why the last write or deletion failed, in the system's words ("Access is denied.").
  virtual std::string LastError() const = 0;
};

}  // namespace platform
