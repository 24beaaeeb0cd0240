#include "platform/machine/xdg_shell.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <thread>
#include <vector>

extern char** environ;

namespace platform {

namespace {

constexpr int kSuccess = 42;
constexpr int kFileNotFound = 2;
constexpr int kNoAssociation = 31;

// "https://...", "mailto:..."; a drive letter and colon is a path, not a scheme.
bool IsAddress(std::string_view file) {
  auto colon = file.find(':');
  if (colon == std::string_view::npos || colon < 2) return false;
  for (std::size_t i = 0; i < colon; ++i) {
    unsigned char c = static_cast<unsigned char>(file[i]);
    if (!std::isalnum(c) && c != '+' && c != '-' && c != '.') return false;
  }
  return std::isalpha(static_cast<unsigned char>(file[0])) != 0;
}

bool Exists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0;
}

}  // namespace

XdgShell::XdgShell(PathResolver resolve, std::string opener)
    : resolve_(std::move(resolve)), opener_(std::move(opener)) {}

std::optional<std::string> XdgShell::Target(std::string_view file,
                                            std::string_view directory) const {
  if (file.empty()) return std::nullopt;
  if (IsAddress(file)) return std::string(file);
  std::optional<std::string> path = resolve_(file);
  if (!path && file.find('\\') == std::string_view::npos) {
    // A bare name is looked up in the given folder, or else in the current one.
    std::string folder = directory.empty() ? "." : resolve_(directory).value_or("");
    if (!folder.empty()) path = folder + "/" + std::string(file);
  }
  if (!path || !Exists(*path)) return std::nullopt;
  return path;
}

int XdgShell::ShellExecuteA(std::string_view, std::string_view file, std::string_view,
                            std::string_view directory, int) {
  std::optional<std::string> target = Target(file, directory);
  if (!target) return kFileNotFound;
  return StartDetached(opener_, {*target}) ? kSuccess : kNoAssociation;
}

bool StartDetached(const std::string& program, const std::vector<std::string>& arguments) {
  std::vector<std::string> words{program};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  pid_t child = 0;
  if (posix_spawnp(&child, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
    return false;
  }
  // Reap the child when it ends, so no zombie is left behind.
  std::thread([child] {
    int status = 0;
    waitpid(child, &status, 0);
  }).detach();
  return true;
}

}  // namespace platform
