#pragma once

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

// Files, folders and processes for the tests of the Wine prefix backend.
namespace wine_test {

// A folder of its own under the temporary folder, removed with everything in it.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "sparvane-wine-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ignored;
    // Permissions a test took away come back first, so that everything can go.
    for (auto it = std::filesystem::recursive_directory_iterator(path_, ignored);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
      if (it->is_directory(ignored)) ::chmod(it->path().c_str(), 0700);
    }
    ::chmod(path_.c_str(), 0700);
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

inline std::vector<std::string> FolderEntries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// A Unix socket someone listens on, as a running wineserver's; closing it leaves the socket
// file behind, as a server that ended does.
class ListeningSocket {
 public:
  explicit ListeningSocket(const std::string& path) {
    fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    if (::bind(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd_, 4) != 0) {
      std::abort();
    }
  }
  ~ListeningSocket() { Close(); }
  ListeningSocket(const ListeningSocket&) = delete;
  ListeningSocket& operator=(const ListeningSocket&) = delete;
  void Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }

 private:
  int fd_ = -1;
};

// The server folder name Wine gives a prefix: its device and inode in hex.
inline std::string ServerFolderName(const std::string& prefix) {
  struct stat info {};
  ::stat(prefix.c_str(), &info);
  char name[64];
  std::snprintf(name, sizeof name, "server-%llx-%llx", static_cast<unsigned long long>(info.st_dev),
                static_cast<unsigned long long>(info.st_ino));
  return name;
}

struct WineTools {
  std::string loader;  // wine64, else wine
  std::string wineserver;
};

inline std::optional<std::string> FindProgram(const std::vector<std::string>& names) {
  const char* path = std::getenv("PATH");
  std::vector<std::string> folders;
  std::stringstream list(path ? path : "");
  for (std::string folder; std::getline(list, folder, ':');) folders.push_back(folder);
  folders.push_back("/usr/lib/wine");
  for (const std::string& name : names) {
    for (const std::string& folder : folders) {
      std::string candidate = folder + "/" + name;
      if (::access(candidate.c_str(), X_OK) == 0) return candidate;
    }
  }
  return std::nullopt;
}

inline std::optional<WineTools> FindWine() {
  std::optional<std::string> loader = FindProgram({"wine64", "wine"});
  std::optional<std::string> server = FindProgram({"wineserver", "wineserver64"});
  if (!loader || !server) return std::nullopt;
  return WineTools{*loader, *server};
}

struct RunResult {
  int exitCode = -1;
  std::string output;
};

// Runs a program (no shell) with WINEPREFIX set, collecting what it writes to stdout. A program
// that leaves a server behind (wineboot, wineserver -p) is run without collecting: the server
// would hold the pipe open.
inline RunResult Run(const std::vector<std::string>& argv, const std::string& prefix,
                     bool collect = true) {
  int pipeFds[2];
  if (::pipe(pipeFds) != 0) return {};
  pid_t child = ::fork();
  if (child == 0) {
    int devNull = ::open("/dev/null", O_WRONLY);
    ::dup2(collect ? pipeFds[1] : devNull, 1);
    ::dup2(devNull, 2);
    ::close(pipeFds[0]);
    ::close(pipeFds[1]);
    ::setenv("WINEPREFIX", prefix.c_str(), 1);
    ::setenv("WINEDEBUG", "-all", 1);
    ::setenv("WINEDLLOVERRIDES", "mscoree,mshtml=", 1);
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    ::execv(args[0], args.data());
    ::_exit(127);
  }
  ::close(pipeFds[1]);
  RunResult result;
  char buffer[4096];
  for (ssize_t count; (count = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;) {
    result.output.append(buffer, static_cast<std::size_t>(count));
  }
  ::close(pipeFds[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

// Stops the prefix's wineserver and removes the private server folder some Wine builds make
// for a prefix (named in its "wineserver" file), which would outlive the prefix.
inline void StopWine(const WineTools& wine, const std::string& prefix) {
  Run({wine.wineserver, "-k"}, prefix, false);
  Run({wine.wineserver, "-w"}, prefix, false);
  std::string name = ReadBytes(prefix + "/wineserver");
  while (!name.empty() && (name.back() == '\n' || name.back() == ' ')) name.pop_back();
  if (name.empty() || name.find('/') != std::string::npos || !name.starts_with("wine-")) return;
  std::error_code ignored;
  std::filesystem::remove_all(std::filesystem::temp_directory_path() / name, ignored);
  std::filesystem::remove_all(std::filesystem::path("/tmp") / name, ignored);
}

// Stops Wine on the prefix when it goes out of scope, however the test ends.
class WineStopper {
 public:
  WineStopper(const WineTools& wine, const std::string& prefix) : wine_(wine), prefix_(prefix) {}
  ~WineStopper() { StopWine(wine_, prefix_); }
  WineStopper(const WineStopper&) = delete;
  WineStopper& operator=(const WineStopper&) = delete;

 private:
  WineTools wine_;
  std::string prefix_;
};

// Decodes a UTF-16LE file (as "reg export" writes) into UTF-8, keeping ASCII and the BMP.
inline std::string Utf16FileText(const std::string& bytes) {
  std::string text;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    unsigned unit =
        static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8);
    if (unit == 0xFEFF) continue;
    if (unit < 0x80) {
      text += static_cast<char>(unit);
    } else if (unit < 0x800) {
      text += static_cast<char>(0xC0 | (unit >> 6));
      text += static_cast<char>(0x80 | (unit & 0x3F));
    } else {
      text += static_cast<char>(0xE0 | (unit >> 12));
      text += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
      text += static_cast<char>(0x80 | (unit & 0x3F));
    }
  }
  return text;
}

}  // namespace wine_test
