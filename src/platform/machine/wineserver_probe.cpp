#include "platform/machine/wineserver_probe.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/machine/host_files.h"
#include "platform/machine/unix_file.h"

namespace platform {

namespace {

bool Connects(const std::string& path) {
  Descriptor sock(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
  if (sock.get() < 0) return false;
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  int result;
  do {
    result = ::connect(sock.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address);
  } while (result != 0 && errno == EINTR);
  // A full backlog still means someone is listening.
  return result == 0 || errno == EAGAIN;
}

bool SomeoneListens(const std::string& folder) {
  std::string socket = folder + "/socket";
  struct stat info {};
  if (::lstat(socket.c_str(), &info) != 0 || !S_ISSOCK(info.st_mode)) return false;
  if (socket.size() < sizeof(sockaddr_un::sun_path)) return Connects(socket);
  // Too long for a socket address: reach the folder through a descriptor of it.
  Descriptor opened(::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
  if (opened.get() < 0) return false;
  return Connects("/proc/self/fd/" + std::to_string(opened.get()) + "/socket");
}

std::string Trimmed(std::string text) {
  while (!text.empty() && std::strchr(" \t\r\n", text.back())) text.pop_back();
  std::size_t start = 0;
  while (start < text.size() && std::strchr(" \t", text[start])) ++start;
  return text.substr(start);
}

}  // namespace

bool WineserverServes(const std::string& prefix) {
  struct stat info {};
  if (::stat(prefix.c_str(), &info) != 0) return false;
  char name[64];
  std::snprintf(name, sizeof name, "server-%llx-%llx", static_cast<unsigned long long>(info.st_dev),
                static_cast<unsigned long long>(info.st_ino));

  std::vector<std::string> folders{"/tmp/.wine-" + std::to_string(::getuid())};
  FileContent pointer = ReadUnixFile(prefix + "/wineserver");
  std::string named = pointer.status == ReadStatus::Ok ? Trimmed(pointer.bytes) : std::string();
  if (!named.empty() && named.find('\n') == std::string::npos) {
    if (named.front() == '/') {
      folders.push_back(named);
    } else {
      if (const char* temporary = std::getenv("TMPDIR"); temporary && *temporary) {
        folders.push_back(std::string(temporary) + "/" + named);
      }
      folders.push_back("/tmp/" + named);
    }
  }
  for (const std::string& folder : folders) {
    if (SomeoneListens(folder + "/" + name)) return true;
  }
  return false;
}

}  // namespace platform
