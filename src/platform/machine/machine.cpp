#include "platform/machine/machine.h"

#include <dirent.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <memory>

#include "platform/text.h"

namespace platform {

namespace {

bool Exists(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0;
}

// The name in `folder` that equals `name` without regard to case; the first found wins.
std::optional<std::string> FindNoCase(const std::string& folder, std::string_view name) {
  std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
  if (!dir) return std::nullopt;
  while (dirent* entry = ::readdir(dir.get())) {
    if (EqualsNoCase(entry->d_name, name)) return std::string(entry->d_name);
  }
  return std::nullopt;
}

std::string RealPath(const std::string& path) {
  char resolved[PATH_MAX];
  if (::realpath(path.c_str(), resolved) == nullptr) return {};
  return resolved;
}

// Lexically tidies a Unix path: no "." or "..", no doubled or trailing slashes.
std::string TidyUnixPath(std::string_view path) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find('/', start);
    if (end == std::string_view::npos) end = path.size();
    std::string_view part = path.substr(start, end - start);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    start = end + 1;
  }
  std::string tidy;
  for (std::string_view part : parts) {
    tidy += '/';
    tidy += part;
  }
  return tidy.empty() ? "/" : tidy;
}

}  // namespace

std::optional<WindowsPathParts> ParseWindowsPath(std::string_view path) {
  WindowsPathParts parts;
  constexpr std::string_view kUnix = "\\\\?\\unix";
  constexpr std::string_view kLong = "\\\\?\\";
  if (StartsWithNoCase(path, kUnix) &&
      (path.size() == kUnix.size() || path[kUnix.size()] == '\\' || path[kUnix.size()] == '/')) {
    parts.unmapped = true;
    path.remove_prefix(kUnix.size());
  } else {
    if (path.substr(0, kLong.size()) == kLong) path.remove_prefix(kLong.size());
    if (path.size() < 2 || path[1] != ':' || !std::isalpha(static_cast<unsigned char>(path[0]))) {
      return std::nullopt;
    }
    parts.drive = ToLowerAscii(path[0]);
    path.remove_prefix(2);
  }
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find_first_of("\\/", start);
    if (end == std::string_view::npos) end = path.size();
    std::string_view part = path.substr(start, end - start);
    if (part == "..") {
      if (!parts.components.empty()) parts.components.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.components.emplace_back(part);
    }
    start = end + 1;
  }
  return parts;
}

Machine::Machine(std::string prefix) : prefix_(std::move(prefix)) {
  while (prefix_.size() > 1 && prefix_.back() == '/') prefix_.pop_back();
}

std::optional<std::string> Machine::DriveFolder(char letter) const {
  std::string link = dosdevices() + "/" + ToLowerAscii(letter) + ":";
  char target[PATH_MAX];
  ssize_t length = ::readlink(link.c_str(), target, sizeof target - 1);
  if (length < 0) return std::nullopt;
  std::string folder(target, static_cast<std::size_t>(length));
  if (folder.empty()) return std::nullopt;
  if (folder.front() != '/') folder = dosdevices() + "/" + folder;
  folder = TidyUnixPath(folder);
  struct stat info {};
  if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return std::nullopt;
  return folder;
}

std::vector<DriveMapping> Machine::Drives() const {
  std::vector<DriveMapping> drives;
  for (char letter = 'a'; letter <= 'z'; ++letter) {
    std::string link = dosdevices() + "/" + letter + ":";
    struct stat info {};
    if (::lstat(link.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) continue;
    drives.push_back({letter, DriveFolder(letter).value_or("")});
  }
  return drives;
}

std::optional<std::string> Machine::ToUnix(std::string_view windowsPath) const {
  std::optional<WindowsPathParts> parts = ParseWindowsPath(windowsPath);
  if (!parts) return std::nullopt;
  std::string path;
  if (parts->unmapped) {
    path = "";
  } else {
    std::optional<std::string> root = DriveFolder(parts->drive);
    if (!root) return std::nullopt;
    path = *root == "/" ? "" : *root;
  }
  bool lookingUp = true;
  for (const std::string& component : parts->components) {
    std::string candidate = path + "/" + component;
    if (lookingUp && !Exists(candidate)) {
      if (std::optional<std::string> found = FindNoCase(path.empty() ? "/" : path, component)) {
        candidate = path + "/" + *found;
      } else {
        lookingUp = false;  // nothing below a missing folder can exist
      }
    }
    path = std::move(candidate);
  }
  return path.empty() ? "/" : path;
}

std::string Machine::ToWindows(std::string_view unixPath) const {
  std::string path = TidyUnixPath(unixPath);
  if (std::string real = RealPath(path); !real.empty()) path = real;
  char bestLetter = 0;
  std::size_t bestLength = 0;
  for (const DriveMapping& drive : Drives()) {
    if (drive.target.empty()) continue;
    std::string root = RealPath(drive.target);
    if (root.empty()) continue;
    bool inside = root == "/" || path == root ||
                  (path.size() > root.size() && path.compare(0, root.size(), root) == 0 &&
                   path[root.size()] == '/');
    std::size_t length = root == "/" ? 0 : root.size();
    if (inside && (bestLetter == 0 || length > bestLength)) {
      bestLetter = drive.letter;
      bestLength = length;
    }
  }
  std::string rest;
  if (bestLetter != 0) {
    rest = path.substr(std::min(bestLength, path.size()));
  } else {
    rest = path;
  }
  for (char& c : rest) {
    if (c == '/') c = '\\';
  }
  if (bestLetter == 0) return "\\\\?\\unix" + rest;
  std::string windows = std::string(1, static_cast<char>(std::toupper(bestLetter))) + ":";
  return windows + (rest.empty() ? "\\" : rest);
}

}  // namespace platform
