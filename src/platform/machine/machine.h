#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct DriveMapping {
  char letter = 'c';   // lower case, as dosdevices names it
  std::string target;  // the Unix folder the drive shows; empty when the link dangles
};

// A Windows machine laid out as a Wine prefix: drives are the `dosdevices/<letter>:` links, and
// Windows paths map onto Unix paths the way Wine maps them.
class Machine {
 public:
  explicit Machine(std::string prefix);

  const std::string& prefix() const { return prefix_; }
  std::string dosdevices() const { return prefix_ + "/dosdevices"; }

  // The mapped drives, A to Z.
  std::vector<DriveMapping> Drives() const;
  // The Unix folder a drive letter shows; nullopt when it is not mapped or its link dangles.
  std::optional<std::string> DriveFolder(char letter) const;

  // The Unix path a Windows path names. Each component is looked up without regard to letter
  // case, an exact match first, as Wine does; components that do not exist are kept as written.
  // nullopt for paths on no drive (unmapped letters, network paths).
  std::optional<std::string> ToUnix(std::string_view windowsPath) const;
  // The Windows path of a Unix path: on the drive whose folder holds it (the deepest such
  // drive), or else as \\?\unix\... .
  std::string ToWindows(std::string_view unixPath) const;

 private:
  std::string prefix_;
};

// Splits a Windows path into its drive letter (0 for none) and its components, resolving "."
// and ".." as Windows does (never above the root). Both slashes separate.
struct WindowsPathParts {
  char drive = 0;
  bool unmapped = false;  // \\?\unix\...
  std::vector<std::string> components;
};
std::optional<WindowsPathParts> ParseWindowsPath(std::string_view path);

}  // namespace platform
