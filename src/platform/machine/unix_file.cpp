#include "platform/machine/unix_file.h"

#include <unistd.h>

#include <cerrno>

namespace platform {

void Descriptor::Reset() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

bool Descriptor::Close() {
  int fd = std::exchange(fd_, -1);
  return fd >= 0 && ::close(fd) == 0;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

std::string FolderOf(const std::string& path) {
  auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace platform
