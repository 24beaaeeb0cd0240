#include "platform/machine/xdg_shell.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <thread>
#include <vector>

#include "platform/text.h"

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

int XdgShell::ShellExecuteA(std::string_view, std::string_view file, std::string_view parameters,
                            std::string_view directory, int) {
  if (EqualsNoCase(file, "explorer.exe") || EqualsNoCase(file, "explorer")) {
    return Explore(parameters);
  }
  std::optional<std::string> target = Target(file, directory);
  if (!target) return kFileNotFound;
  return StartDetached(opener_, {*target}) ? kSuccess : kNoAssociation;
}

namespace {

// A file URI with every byte but the unreserved ones percent-encoded, so no comma or blank of
// the path is read as anything else by the tools that take it.
std::string FileUri(const std::string& path) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string uri = "file://";
  for (unsigned char c : path) {
    if (std::isalnum(c) || c == '/' || c == '-' || c == '_' || c == '.' || c == '~') {
      uri += static_cast<char>(c);
    } else {
      uri += '%';
      uri += kHex[c >> 4];
      uri += kHex[c & 15];
    }
  }
  return uri;
}

}  // namespace

int XdgShell::Explore(std::string_view parameters) {
  auto comma = parameters.find(',');
  if (comma == std::string_view::npos) return kFileNotFound;
  std::string option = ToLowerAscii(parameters.substr(0, comma));
  std::string_view path = parameters.substr(comma + 1);
  while (!path.empty() && path.front() == ' ') path.remove_prefix(1);
  std::optional<std::string> target = Target(path, "");
  if (!target) return kFileNotFound;
  if (option == "/select") {
    // Waits briefly for the file manager's answer, so a desktop without one still gets a window.
    if (RunAndWait("dbus-send",
                   {"--session", "--print-reply", "--reply-timeout=1500",
                    "--dest=org.freedesktop.FileManager1", "/org/freedesktop/FileManager1",
                    "org.freedesktop.FileManager1.ShowItems", "array:string:" + FileUri(*target),
                    "string:"}) == 0) {
      return kSuccess;
    }
    std::string parent = target->substr(0, std::max<std::size_t>(1, target->rfind('/')));
    return StartDetached(opener_, {parent}) ? kSuccess : kNoAssociation;
  }
  return StartDetached(opener_, {*target}) ? kSuccess : kNoAssociation;
}

namespace {

pid_t Spawn(const std::string& program, const std::vector<std::string>& arguments) {
  std::vector<std::string> words{program};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t child = 0;
  int failed = posix_spawnp(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  return failed != 0 ? -1 : child;
}

}  // namespace

int RunAndWait(const std::string& program, const std::vector<std::string>& arguments) {
  pid_t child = Spawn(program, arguments);
  if (child < 0) return -1;
  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool StartDetached(const std::string& program, const std::vector<std::string>& arguments) {
  pid_t child = Spawn(program, arguments);
  if (child < 0) return false;
  // Reap the child when it ends, so no zombie is left behind.
  std::thread([child] {
    int status = 0;
    waitpid(child, &status, 0);
  }).detach();
  return true;
}

}  // namespace platform
