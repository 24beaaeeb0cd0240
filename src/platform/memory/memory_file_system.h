#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace platform {

// A file system in memory for tests: drives of folders and files with Windows attributes.
// Names compare without regard to case and keep their case; entries list in the order they were
// made. Links are entries of their own that lead nowhere.
class MemoryFileSystem : public FileSystem {
 public:
  MemoryFileSystem();
  ~MemoryFileSystem() override;

  std::unique_ptr<Folder> OpenFolder(std::string_view path) override;

  // Makes the entry and every missing folder above it; a drive appears with its first entry.
  void AddFolder(std::string_view path, std::uint32_t attributes = FILE_ATTRIBUTE_DIRECTORY);
  void AddFile(std::string_view path, std::uint64_t size = 0,
               std::uint32_t attributes = FILE_ATTRIBUTE_ARCHIVE);
  void AddLink(std::string_view path);
  bool Exists(std::string_view path) const;
  // The names in a folder, in listing order.
  std::vector<std::string> Names(std::string_view folder) const;
  // A locked file cannot be deleted (it is in use); a folder that is denied cannot be read.
  void Lock(std::string_view path);
  void Deny(std::string_view folder);

  struct Node;

 private:
  std::shared_ptr<Node> Find(std::string_view path) const;
  std::shared_ptr<Node> Make(std::string_view path, bool folder);

  std::shared_ptr<Node> machine_;  // drives are its children, named "C:"
};

}  // namespace platform
