#pragma once

#include <memory>
#include <string>

#include "platform/file_system.h"

namespace platform {

// A folder of the Unix file system seen with Windows semantics: read-only is the owner's lack of
// write permission; hidden, system and archive come from the `user.DOSATTRIB` extended attribute
// (as Wine and Samba keep them), and names starting with a dot are hidden. Symbolic links are
// entries of their own, reported as files: they are never opened as folders and deleting one
// removes the link.
class UnixFolder : public Folder {
 public:
  // Opens a folder by Unix path (a link in the path itself is followed); null when it fails.
  static std::unique_ptr<UnixFolder> Open(const std::string& path);
  ~UnixFolder() override;
  UnixFolder(const UnixFolder&) = delete;
  UnixFolder& operator=(const UnixFolder&) = delete;

  bool List(const std::function<bool(const FolderEntry&)>& each) override;
  std::unique_ptr<Folder> OpenFolder(std::string_view name) override;
  std::optional<std::uint32_t> Attributes(std::string_view name) override;
  bool SetAttributes(std::string_view name, std::uint32_t attributes) override;
  bool DeleteFile(std::string_view name) override;
  bool RemoveFolder(std::string_view name) override;
  bool CreateFolder(std::string_view name) override;

  int descriptor() const { return fd_; }

 private:
  explicit UnixFolder(int fd) : fd_(fd) {}
  // The entry's real name: the exact name when it exists, else one equal without regard to case.
  std::string Resolve(std::string_view name) const;

  int fd_;
};

// The attributes Windows would show for a Unix entry, given its stat mode and name.
std::uint32_t WindowsAttributes(unsigned mode, std::string_view name, std::uint32_t dosAttributes);
// Parses a user.DOSATTRIB value ("0x22", optionally followed by a NUL and more); 0 when unreadable.
std::uint32_t ParseDosAttrib(std::string_view value);

}  // namespace platform
