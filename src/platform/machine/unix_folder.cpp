#include "platform/machine/unix_folder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/text.h"

namespace platform {

namespace {

constexpr char kDosAttrib[] = "user.DOSATTRIB";
constexpr std::uint32_t kStoredBits =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

// Extended attributes are reached by name through the folder's descriptor without following a
// link: /proc/self/fd/N/name with the l* calls.
std::string ProcPath(int fd, const std::string& name) {
  return "/proc/self/fd/" + std::to_string(fd) + "/" + name;
}

std::uint32_t ReadDosAttrib(int fd, const std::string& name) {
  char value[256];
  ssize_t length = ::lgetxattr(ProcPath(fd, name).c_str(), kDosAttrib, value, sizeof value);
  if (length <= 0) return 0;
  return ParseDosAttrib(std::string_view(value, static_cast<std::size_t>(length)));
}

std::uint32_t AttributesOf(int fd, const std::string& name, const struct stat& info) {
  return WindowsAttributes(info.st_mode, name, ReadDosAttrib(fd, name));
}

class UnixEntry : public FolderEntry {
 public:
  UnixEntry(int fd, const dirent& entry) : fd_(fd), name_(entry.d_name), type_(entry.d_type) {}

  std::string_view name() const override { return name_; }
  bool isFolder() const override {
    if (type_ == DT_DIR) return true;
    if (type_ != DT_UNKNOWN) return false;
    return Stat() && S_ISDIR(info_.st_mode);
  }
  std::uint32_t attributes() const override {
    if (!Stat()) return 0;
    return AttributesOf(fd_, name_, info_);
  }
  std::uint64_t size() const override {
    if (!Stat() || S_ISDIR(info_.st_mode)) return 0;
    return static_cast<std::uint64_t>(info_.st_size);
  }

 private:
  bool Stat() const {
    if (!statted_) {
      statted_ = true;
      statOk_ = ::fstatat(fd_, name_.c_str(), &info_, AT_SYMLINK_NOFOLLOW) == 0;
    }
    return statOk_;
  }

  int fd_;
  std::string name_;
  unsigned char type_;
  mutable bool statted_ = false;
  mutable bool statOk_ = false;
  mutable struct stat info_ {};
};

}  // namespace

std::uint32_t ParseDosAttrib(std::string_view value) {
  value = value.substr(0, value.find('\0'));
  if (value.size() < 3 || value[0] != '0' || (value[1] != 'x' && value[1] != 'X')) return 0;
  std::uint32_t bits = 0;
  for (char c : value.substr(2)) {
    int digit = (c >= '0' && c <= '9')   ? c - '0'
                : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                         : -1;
    if (digit < 0) return 0;
    bits = (bits << 4) | static_cast<std::uint32_t>(digit);
  }
  return bits;
}

std::uint32_t WindowsAttributes(unsigned mode, std::string_view name, std::uint32_t dosAttributes) {
  // As Wine shows them: folders are folders, everything else is an archive.
  std::uint32_t attributes = S_ISDIR(mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_ARCHIVE;
  attributes |= dosAttributes & kStoredBits;
  if ((mode & S_IWUSR) == 0 && !S_ISLNK(mode)) attributes |= FILE_ATTRIBUTE_READONLY;
  if (name.size() > 1 && name.front() == '.' && name != "..") attributes |= FILE_ATTRIBUTE_HIDDEN;
  return attributes;
}

std::unique_ptr<UnixFolder> UnixFolder::Open(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  return std::unique_ptr<UnixFolder>(new UnixFolder(fd));
}

UnixFolder::~UnixFolder() {
  ::close(fd_);
}

std::string UnixFolder::Resolve(std::string_view name) const {
  std::string exact(name);
  struct stat info {};
  if (::fstatat(fd_, exact.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0) return exact;
  int copy = ::dup(fd_);
  if (copy < 0) return exact;
  DIR* dir = ::fdopendir(copy);
  if (!dir) {
    ::close(copy);
    return exact;
  }
  ::rewinddir(dir);
  std::string found = exact;
  while (dirent* entry = ::readdir(dir)) {
    if (EqualsNoCase(entry->d_name, name)) {
      found = entry->d_name;
      break;
    }
  }
  ::closedir(dir);
  return found;
}

bool UnixFolder::List(const std::function<bool(const FolderEntry&)>& each) {
  int copy = ::dup(fd_);
  if (copy < 0) return false;
  DIR* dir = ::fdopendir(copy);
  if (!dir) {
    ::close(copy);
    return false;
  }
  ::rewinddir(dir);
  while (dirent* entry = ::readdir(dir)) {
    std::string_view name = entry->d_name;
    if (name == "." || name == "..") continue;
    UnixEntry found(fd_, *entry);
    if (!each(found)) break;
  }
  ::closedir(dir);
  return true;
}

std::unique_ptr<Folder> UnixFolder::OpenFolder(std::string_view name) {
  std::string real = Resolve(name);
  int fd = ::openat(fd_, real.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return nullptr;
  return std::unique_ptr<Folder>(new UnixFolder(fd));
}

std::optional<std::uint32_t> UnixFolder::Attributes(std::string_view name) {
  std::string real = Resolve(name);
  struct stat info {};
  if (::fstatat(fd_, real.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) return std::nullopt;
  return AttributesOf(fd_, real, info);
}

bool UnixFolder::SetAttributes(std::string_view name, std::uint32_t attributes) {
  std::string real = Resolve(name);
  struct stat info {};
  if (::fstatat(fd_, real.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) return false;
  if (S_ISLNK(info.st_mode)) return true;  // a link has no attributes of its own
  mode_t mode = info.st_mode & 07777;
  if (attributes & FILE_ATTRIBUTE_READONLY) {
    mode &= static_cast<mode_t>(~(S_IWUSR | S_IWGRP | S_IWOTH));
  } else if ((mode & S_IWUSR) == 0) {
    mode_t mask = ::umask(0);
    ::umask(mask);
    mode |= static_cast<mode_t>((S_IWUSR | ((mode & (S_IRGRP | S_IROTH)) >> 1)) & ~mask);
  }
  if (mode != (info.st_mode & 07777) && ::fchmodat(fd_, real.c_str(), mode, 0) != 0) return false;
  // The stored bits go to the extended attribute; a file system without them keeps none.
  std::uint32_t stored = attributes & kStoredBits;
  std::string path = ProcPath(fd_, real);
  if (stored == 0) {
    ::lremovexattr(path.c_str(), kDosAttrib);
  } else {
    char value[16];
    int length = std::snprintf(value, sizeof value, "0x%x", stored);
    ::lsetxattr(path.c_str(), kDosAttrib, value, static_cast<std::size_t>(length), 0);
  }
  return true;
}

bool UnixFolder::DeleteFile(std::string_view name) {
  std::string real = Resolve(name);
  struct stat info {};
  if (::fstatat(fd_, real.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) return false;
  if (S_ISDIR(info.st_mode)) return false;
  // Windows will not delete a read-only file.
  if (!S_ISLNK(info.st_mode) && (info.st_mode & S_IWUSR) == 0) return false;
  return ::unlinkat(fd_, real.c_str(), 0) == 0;
}

bool UnixFolder::RemoveFolder(std::string_view name) {
  std::string real = Resolve(name);
  return ::unlinkat(fd_, real.c_str(), AT_REMOVEDIR) == 0;
}

bool UnixFolder::CreateFolder(std::string_view name) {
  return ::mkdirat(fd_, std::string(name).c_str(), 0777) == 0;
}

}  // namespace platform
