#include "platform/machine/mounts.h"

#include <limits.h>
#include <stdlib.h>

#include <fstream>
#include <sstream>

namespace platform {

namespace {

// Mount points escape blanks and backslashes as octal: "\040".
std::string Unescape(std::string_view text) {
  std::string result;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\') {
      int value = 0;
      bool octal = true;
      for (std::size_t j = 1; j <= 3; ++j) {
        if (i + j >= text.size() || text[i + j] < '0' || text[i + j] > '7') {
          octal = false;
          break;
        }
        value = value * 8 + (text[i + j] - '0');
      }
      if (octal) {
        result += static_cast<char>(value);
        i += 3;
        continue;
      }
    }
    result += text[i];
  }
  return result;
}

std::string ReadFirstLine(const std::string& path) {
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  return line;
}

}  // namespace

std::vector<Mount> ParseMountInfo(std::string_view text) {
  std::vector<Mount> mounts;
  std::istringstream lines{std::string(text)};
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::vector<std::string> words;
    for (std::string word; fields >> word;) words.push_back(word);
    // id parent major:minor root point options [optional...] - type source options
    std::size_t dash = 6;
    while (dash < words.size() && words[dash] != "-") ++dash;
    if (words.size() < 5 || dash + 2 >= words.size()) continue;
    mounts.push_back({Unescape(words[4]), words[dash + 1], Unescape(words[dash + 2])});
  }
  return mounts;
}

std::vector<Mount> ReadMounts() {
  std::ifstream in("/proc/self/mountinfo");
  std::stringstream text;
  text << in.rdbuf();
  return ParseMountInfo(text.str());
}

std::optional<Mount> MountOf(const std::vector<Mount>& mounts, const std::string& path) {
  std::optional<Mount> best;
  for (const Mount& mount : mounts) {
    const std::string& point = mount.point;
    bool inside = point == "/" || path == point ||
                  (path.size() > point.size() && path.compare(0, point.size(), point) == 0 &&
                   path[point.size()] == '/');
    // Later mounts on the same point hide earlier ones.
    if (inside && (!best || point.size() >= best->point.size())) best = mount;
  }
  return best;
}

bool IsRemovableDevice(const std::string& source) {
  if (source.rfind("/dev/", 0) != 0) return false;
  std::string name = source.substr(source.rfind('/') + 1);
  char resolved[PATH_MAX];
  std::string block = "/sys/class/block/" + name;
  if (::realpath(block.c_str(), resolved) == nullptr) return false;
  std::string device = resolved;
  // A partition's flag is its disk's.
  if (std::ifstream(device + "/partition")) device = device.substr(0, device.rfind('/'));
  return ReadFirstLine(device + "/removable") == "1";
}

}  // namespace platform
