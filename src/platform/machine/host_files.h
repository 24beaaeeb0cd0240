#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_service.h"

namespace platform {

// Whole files of the machine, by Windows path, mapped onto Unix files by a resolver.
class HostFiles : public FileService {
 public:
  using PathResolver = std::function<std::optional<std::string>(std::string_view)>;
  explicit HostFiles(PathResolver resolve) : resolve_(std::move(resolve)) {}

  FileContent ReadWholeFile(std::string_view path) override;
  bool FileExists(std::string_view path) override;
  // Writes a temporary file beside the target, flushes it and renames it over the target; a
  // read-only target or folder refuses the write. A symbolic link keeps pointing where it did.
  bool ReplaceWholeFile(std::string_view path, std::string_view bytes) override;
  // Never deletes a folder; a link is deleted itself.
  bool DeleteFile(std::string_view path) override;
  std::string LastError() const override { return lastError_; }

 private:
  bool Failed(int error);

  PathResolver resolve_;
  std::string lastError_;
};

// The words Windows uses for a system error number.
std::string WindowsErrorText(int error);

// The same operations on Unix paths.
FileContent ReadUnixFile(const std::string& path);
bool ReplaceUnixFile(const std::string& path, std::string_view bytes);

}  // namespace platform
