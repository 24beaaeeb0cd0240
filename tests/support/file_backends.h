#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "platform/machine/machine_file_system.h"
#include "platform/machine/unix_folder.h"
#include "platform/memory/memory_file_system.h"
#include "support/temporary_machine.h"

namespace testing_support {

// The same file-system fixture on the memory backend and on a machine in a temporary folder, so
// one test shows both behave alike. Paths are Windows paths on drive C:.
class FileBackend {
 public:
  virtual ~FileBackend() = default;
  virtual platform::FileSystem& files() = 0;
  virtual void AddFolder(const std::string& path, std::uint32_t attributes = 0) = 0;
  virtual void AddFile(const std::string& path, std::uint64_t size = 0,
                       std::uint32_t attributes = 0) = 0;
  // A link named `path` to a folder outside the drive that holds one file.
  virtual void AddLinkOut(const std::string& path) = 0;
  // Whether the outside folder's file is still there.
  virtual bool OutsideIntact() = 0;
  virtual bool Exists(const std::string& path) = 0;
};

class MemoryBackend : public FileBackend {
 public:
  platform::FileSystem& files() override { return fs_; }
  // Names starting with a dot are hidden on the machine; the memory file system is told so.
  void AddFolder(const std::string& path, std::uint32_t attributes) override {
    fs_.AddFolder(path, attributes | DotHidden(path) | platform::FILE_ATTRIBUTE_DIRECTORY);
  }
  void AddFile(const std::string& path, std::uint64_t size, std::uint32_t attributes) override {
    fs_.AddFile(path, size, attributes | DotHidden(path) | platform::FILE_ATTRIBUTE_ARCHIVE);
  }
  void AddLinkOut(const std::string& path) override { fs_.AddLink(path); }
  bool OutsideIntact() override { return true; }
  bool Exists(const std::string& path) override { return fs_.Exists(path); }

 private:
  static std::uint32_t DotHidden(const std::string& path) {
    return platform::SplitLastName(path).second.starts_with('.') ? platform::FILE_ATTRIBUTE_HIDDEN
                                                                 : 0;
  }
  platform::MemoryFileSystem fs_;
};

class MachineBackend : public FileBackend {
 public:
  MachineBackend() : fs_(machine_.machine) {
    std::filesystem::create_directories(outside_.path() + "/target");
    WriteUnixFile(outside_.path() + "/target/keep.txt", "keep");
  }
  platform::FileSystem& files() override { return fs_; }
  void AddFolder(const std::string& path, std::uint32_t attributes) override {
    std::filesystem::create_directories(Unix(path));
    SetAttributes(path, attributes);
  }
  void AddFile(const std::string& path, std::uint64_t size, std::uint32_t attributes) override {
    std::string unixPath = Unix(path);
    WriteUnixFile(unixPath, "");
    std::filesystem::resize_file(unixPath, size);
    SetAttributes(path, attributes);
  }
  void AddLinkOut(const std::string& path) override {
    std::string unixPath = Unix(path);
    std::filesystem::create_directories(std::filesystem::path(unixPath).parent_path());
    std::filesystem::create_directory_symlink(outside_.path() + "/target", unixPath);
  }
  bool OutsideIntact() override {
    return std::filesystem::exists(outside_.path() + "/target/keep.txt");
  }
  bool Exists(const std::string& path) override {
    struct stat info {};
    return ::lstat(Unix(path).c_str(), &info) == 0;
  }
  TemporaryMachine& machine() { return machine_; }

 private:
  std::string Unix(const std::string& path) { return *machine_.machine.ToUnix(path); }
  void SetAttributes(const std::string& path, std::uint32_t attributes) {
    if (attributes == 0) return;
    auto [parent, name] = platform::SplitLastName(path);
    auto folder = fs_.OpenFolder(parent);
    folder->SetAttributes(name, attributes);
  }

  TemporaryMachine machine_;
  TemporaryFolder outside_;
  platform::MachineFileSystem fs_;
};

inline std::unique_ptr<FileBackend> MakeBackend(const std::string& name) {
  if (name == "memory") return std::make_unique<MemoryBackend>();
  return std::make_unique<MachineBackend>();
}

}  // namespace testing_support
