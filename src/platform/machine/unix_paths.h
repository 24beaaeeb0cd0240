#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Wine shows a Unix path that lies on no drive as "\\?\unix" followed by the path with
// backslashes: /home/bob/a.txt is \\?\unix\home\bob\a.txt.
std::string UnixToUnmappedWindowsPath(std::string_view unixPath);
// The Unix path of such a Windows path; nullopt for any other path.
std::optional<std::string> UnmappedWindowsPathToUnix(std::string_view windowsPath);

}  // namespace platform
