#include "platform/machine/host_files.h"

#include "platform/machine/unix_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace platform {

namespace {}  // namespace

FileContent ReadUnixFile(const std::string& path) {
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.valid()) {
    return {errno == ENOENT || errno == ENOTDIR ? ReadStatus::Missing : ReadStatus::Unreadable, {}};
  }
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) return {ReadStatus::Unreadable, {}};
  FileContent content{ReadStatus::Ok, {}};
  char buffer[65536];
  for (;;) {
    ssize_t count = ::read(fd.get(), buffer, sizeof buffer);
    if (count < 0) {
      if (errno == EINTR) continue;
      return {ReadStatus::Unreadable, {}};
    }
    if (count == 0) break;
    content.bytes.append(buffer, static_cast<std::size_t>(count));
  }
  return content;
}

bool ReplaceUnixFile(const std::string& requested, std::string_view bytes) {
  std::string path = requested;
  struct stat info {};
  bool exists = ::lstat(path.c_str(), &info) == 0;
  if (exists && S_ISLNK(info.st_mode)) {
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr) return false;
    path = resolved;
    exists = ::stat(path.c_str(), &info) == 0;
  }
  if (exists) {
    // A read-only file stays as it is, as on Windows.
    if (!S_ISREG(info.st_mode) || (info.st_mode & S_IWUSR) == 0) return false;
    if (::access(path.c_str(), W_OK) != 0) return false;
  }
  std::string temporary = path + ".XXXXXX";
  Descriptor fd(::mkstemp(temporary.data()));
  if (!fd.valid()) return false;
  mode_t mode = exists ? (info.st_mode & 07777) : 0;
  if (!exists) {
    mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  bool written = ::fchmod(fd.get(), mode) == 0 && WriteAll(fd.get(), bytes) &&
                 ::fsync(fd.get()) == 0 && fd.Close();
  if (!written || ::rename(temporary.c_str(), path.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  // Make the rename itself durable.
  Descriptor folder(::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.valid()) ::fsync(folder.get());
  return true;
}

FileContent HostFiles::ReadWholeFile(std::string_view path) {
  std::optional<std::string> unixPath = resolve_(path);
  if (!unixPath) return {ReadStatus::Missing, {}};
  return ReadUnixFile(*unixPath);
}

bool HostFiles::FileExists(std::string_view path) {
  std::optional<std::string> unixPath = resolve_(path);
  struct stat info {};
  return unixPath && ::stat(unixPath->c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool HostFiles::ReplaceWholeFile(std::string_view path, std::string_view bytes) {
  std::optional<std::string> unixPath = resolve_(path);
  if (!unixPath) return Failed(ENOENT);
  errno = 0;
  if (ReplaceUnixFile(*unixPath, bytes)) return true;
  return Failed(errno == 0 ? EACCES : errno);
}

bool HostFiles::DeleteFile(std::string_view path) {
  std::optional<std::string> unixPath = resolve_(path);
  if (!unixPath) return Failed(ENOENT);
  struct stat info {};
  if (::lstat(unixPath->c_str(), &info) != 0) return Failed(errno);
  if (S_ISDIR(info.st_mode)) return Failed(EACCES);
  if (::unlink(unixPath->c_str()) != 0) return Failed(errno);
  return true;
}

bool HostFiles::Failed(int error) {
  lastError_ = WindowsErrorText(error);
  return false;
}

std::string WindowsErrorText(int error) {
  switch (error) {
    case ENOENT:
      return "The system cannot find the file specified.";
    case ENOTDIR:
      return "The system cannot find the path specified.";
    case EACCES:
    case EPERM:
    case EISDIR:
      return "Access is denied.";
    case EROFS:
      return "The media is write protected.";
    case ENOSPC:
    case EDQUOT:
      return "There is not enough space on the disk.";
    case EBUSY:
    case ETXTBSY:
      return "The process cannot access the file because it is being used by another process.";
    default:
      return std::strerror(error);
  }
}

}  // namespace platform
