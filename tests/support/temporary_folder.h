#pragma once

#include <string>

namespace testing_support {

// A folder of its own under the system's temporary folder, removed with everything in it (links
// are removed, not followed) when the test ends.
class TemporaryFolder {
 public:
  TemporaryFolder();
  ~TemporaryFolder();
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// Writes a file of the given bytes, making missing folders.
void WriteUnixFile(const std::string& path, const std::string& bytes);
std::string ReadUnixFile(const std::string& path);

}  // namespace testing_support
