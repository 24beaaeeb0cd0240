#include "platform/machine/unix_paths.h"

#include <algorithm>

#include "platform/text.h"

namespace platform {

namespace {
constexpr std::string_view kUnixPrefix = "\\\\?\\unix";
}

std::string UnixToUnmappedWindowsPath(std::string_view unixPath) {
  std::string path(kUnixPrefix);
  path += unixPath;
  std::replace(path.begin() + static_cast<std::ptrdiff_t>(kUnixPrefix.size()), path.end(), '/',
               '\\');
  return path;
}

std::optional<std::string> UnmappedWindowsPathToUnix(std::string_view windowsPath) {
  if (!StartsWithNoCase(windowsPath, kUnixPrefix)) return std::nullopt;
  std::string unixPath(windowsPath.substr(kUnixPrefix.size()));
  if (unixPath.empty() || unixPath.front() != '\\') return std::nullopt;
  std::replace(unixPath.begin(), unixPath.end(), '\\', '/');
  return unixPath;
}

}  // namespace platform
